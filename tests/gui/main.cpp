// Widget tests: one QApplication for the whole binary, on the offscreen
// platform unless another is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string_view>

#include "common/widgets/ColoriQt.h"
#include "tests/gui/AiutiGui.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    if (const char* avvio = std::getenv(vk::test::VarAvvioDelProgramma))
        return std::string_view(avvio) == vk::test::AvvioLimiteFile ? vk::test::AvvioConLimiteFile(argc, argv)
                                                                   : vk::test::AvvioPerLeTraduzioni(argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // As the program starts, so that what the tests see is what it shows.
    vk::ImpostaCarattereProgramma();
    return RUN_ALL_TESTS();
}
