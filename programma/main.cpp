#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "programma/Schermate.h"

#ifdef VK_MISURA_AVVIO
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#endif

int main(int argc, char** argv) {
#ifdef VK_MISURA_AVVIO
    QElapsedTimer orologio;
    orologio.start();
#endif
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The windows end the program themselves (see Avviatore).
    QApplication::setQuitOnLastWindowClosed(false);

    // The screen in twips: the primary screen's logical size, 15 to the pixel.
    vk::ImpostaFornitoreSchermo([] {
        const QScreen* s = QGuiApplication::primaryScreen();
        if (!s) return vk::DimensioniSchermo{};
        const QSize z = s->size();
        return vk::DimensioniSchermo{static_cast<float>(z.width()) * vk::TwipsPerPixel,
                                     static_cast<float>(z.height()) * vk::TwipsPerPixel};
    });

    vk::StatoPrincipale stato;
    vk::OpzioniAvvio opzioni;
    opzioni.caricaPrincipale = [&stato] { return vk::CaricaFinestraPrincipale(stato, {}, vk::InstallaSchermate); };
    vk::Avviatore avvio(std::move(opzioni));

#ifdef VK_MISURA_AVVIO
    // Start-up timing build: reports when the main window is on screen, less
    // the splash delay, and ends there.
    QObject::connect(&avvio, &vk::Avviatore::principaleMostrata, &app, [&] {
        const int ritardo = avvio.splash() ? avvio.splash()->tmrVia().intervallo() : 0;
        QTimer::singleShot(0, &app, [&, ritardo] {
            const qint64 ms = orologio.elapsed();
            std::fprintf(stderr, "avvio: finestra principale a %lld ms, ritardo %d ms, netto %lld ms\n",
                         static_cast<long long>(ms), ritardo, static_cast<long long>(ms - ritardo));
            QCoreApplication::quit();
        });
    });
#endif
    avvio.avvia();
    return app.exec();
}
