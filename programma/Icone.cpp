// Writes the program's icon for the hicolor theme, drawn by the same code
// as the windows' icon:  icone DIR NAME SIZE...  writes
// DIR/SIZExSIZE/apps/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/widgets/Icona.h"

int main(int argc, char** argv) {
    // Run during the build, with no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]), nome = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int lato = QByteArray(argv[i]).toInt();
        const QString sotto = QStringLiteral("%1/%2x%2/apps").arg(cartella).arg(lato);
        const QString file = sotto + QLatin1Char('/') + nome + QStringLiteral(".png");
        if (lato <= 0 || !QDir().mkpath(sotto) || !vk::ImmagineIcona(lato).save(file)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
