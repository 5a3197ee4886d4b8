#include "programma/Programma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "programma/Schermate.h"

namespace vk {

int EseguiProgramma(int& argc, char** argv, const MisuraAvvio& misura) {
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The windows end the program themselves (see Avviatore).
    QApplication::setQuitOnLastWindowClosed(false);

    // The screen in twips: the primary screen's logical size, 15 to the pixel.
    ImpostaFornitoreSchermo([] {
        const QScreen* s = QGuiApplication::primaryScreen();
        if (!s) return DimensioniSchermo{};
        const QSize z = s->size();
        return DimensioniSchermo{static_cast<float>(z.width()) * TwipsPerPixel,
                                 static_cast<float>(z.height()) * TwipsPerPixel};
    });

    StatoPrincipale stato;
    OpzioniAvvio opzioni;
    opzioni.caricaPrincipale = [&stato] { return CaricaFinestraPrincipale(stato, {}, InstallaSchermate); };
    Avviatore avvio(std::move(opzioni));

    if (misura.fatto) {
        QObject::connect(&avvio, &Avviatore::principaleMostrata, &app, [&] {
            const int ritardo = avvio.splash() ? avvio.splash()->tmrVia().intervallo() : 0;
            // Once the events of the showing, its paint among them, are done.
            QTimer::singleShot(0, &app, [&, ritardo] {
                if (QWidget* w = avvio.principale()) w->repaint();
                misura.fatto(orologio.elapsed(), ritardo);
            });
        });
    }
    avvio.avvia();
    return app.exec();
}

}  // namespace vk
