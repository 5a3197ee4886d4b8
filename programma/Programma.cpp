#include "programma/Programma.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Icona.h"
#include "app/widgets/Avviatore.h"
#include "common/ScritturaFile.h"
#include "common/widgets/ColoriQt.h"
#include "programma/Schermate.h"

namespace vk {

namespace {

class PrimoDisegno : public QObject {
public:
    // A window's paint reaches the window or only its children, whichever covers it.
    PrimoDisegno(QWidget* w, std::function<void()> f) : QObject(w), w_(w), f_(std::move(f)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (f_ && e->type() == QEvent::Paint && o->isWidgetType() && static_cast<QWidget*>(o)->window() == w_) {
            qApp->removeEventFilter(this);
            // Once the paint itself has run.
            QTimer::singleShot(0, w_, std::move(f_));
            f_ = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    QWidget* w_;
    std::function<void()> f_;
};

}  // namespace

void ImpostaIdentita() {
    // The display name follows the application name; set on its own it would
    // be added to every window's title.
    QApplication::setApplicationName(QStringLiteral("VelmoraKOV"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VK_ID));
    QApplication::setWindowIcon(IconaProgramma());
}

QTranslator* InstallaTraduzioniQt(const QLocale& lingua) {
    auto* t = new QTranslator(qApp);
    if (!t->load(lingua, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(t)) {
        delete t;
        return nullptr;
    }
    return t;
}

void DopoIlPrimoDisegno(QWidget* w, std::function<void()> f) { new PrimoDisegno(w, std::move(f)); }

int EseguiProgramma(int& argc, char** argv, const MisuraAvvio& misura) {
    // Before anything writes: Qt's own files too.
    LimiteFileComeDiscoPieno();
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    InstallaTraduzioniQt(QLocale::system());
    ImpostaIdentita();
    QApplication::setStyle(QStringLiteral("Fusion"));
    ImpostaCarattereProgramma();
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
            if (QWidget* w = avvio.principale())
                DopoIlPrimoDisegno(w, [&, ritardo] { misura.fatto(orologio.elapsed(), ritardo); });
        });
    }
    avvio.avvia();
    return app.exec();
}

}  // namespace vk
