// The keyboard focus across the screens of the whole program: a screen opened
// from its main-screen button takes the focus on its first control, and
// gives it back to that button when it closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

using namespace vk;

namespace {

std::string Fuoco() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName().toStdString() : "(nessuno)";
}

struct CasoFuoco {
    const char* apre;
    bool conTastiera;  // Space on the focused opener, or a mouse click
    const char* primo;
    const char* chiude;  // empty: the screen stays open
};

// Every screen that covers the main one, by each of its ways out.
const CasoFuoco Casi[] = {
    {"cmdLab", true, "cmdQuintaM_1", "CmdApplicaMicro"},
    {"cmdLab", false, "cmdQuintaM_1", "cmdAnnullaMicro"},
    {"cmdTavolaScale", true, "cmdNotaScala_7", "cmdEsciSCale"},
    {"cmdMostraFrequenze", false, "TxtNomeDelTemperamento", "cmdTorna"},
    {"cmdUtility", true, "TxtSpiegazioni", "cmdEsciUtility"},
    {"cmdApriEasy", false, "cmdCopyEasy_0", "cmdEsciEasyMode"},
    {"cmdComma", true, "cmdCambioComma_0", "cmdCambioComma_1"},
    {"cmdComma", false, "cmdCambioComma_0", "cmdCambioComma_0"},
    {"cmdEXit", true, "TxtCurriculum", ""},
};

}  // namespace

TEST(FuocoSchermate, SiApreSulPrimoControlloESiRendeAlPulsanteCheApre) {
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    test::MostraAttiva(f.get());
    auto* nome = f->findChild<QPlainTextEdit*>(QStringLiteral("TxtNomeTemperamento"));
    ASSERT_NE(nome, nullptr);
    for (const CasoFuoco& c : Casi) {
        SCOPED_TRACE(std::string(c.apre) + " -> " + c.chiude);
        auto* apre = f->findChild<PulsanteVB*>(QString::fromUtf8(c.apre));
        ASSERT_NE(apre, nullptr);
        if (c.conTastiera) {
            apre->setFocus(Qt::TabFocusReason);
            QTest::keyClick(apre, Qt::Key_Space);
        } else {
            QTest::mouseClick(apre, Qt::LeftButton);
        }
        EXPECT_EQ(Fuoco(), c.primo);
        if (!*c.chiude) continue;
        auto* chiude = f->findChild<PulsanteVB*>(QString::fromUtf8(c.chiude));
        ASSERT_NE(chiude, nullptr);
        ASSERT_TRUE(chiude->isVisible());
        QTest::mouseClick(chiude, Qt::LeftButton);
        ASSERT_FALSE(chiude->isVisible());
        EXPECT_EQ(Fuoco(), c.apre);
        // The next key meant for a button does not reach the name.
        const QString prima = nome->toPlainText();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
        EXPECT_EQ(nome->toPlainText().toStdString(), prima.toStdString());
    }
}
