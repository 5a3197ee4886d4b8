#include "app/widgets/Avviatore.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "common/widgets/PulsanteVB.h"

namespace vk {

Avviatore::Avviatore(OpzioniAvvio opzioni, QObject* parent) : QObject(parent), opzioni_(std::move(opzioni)) {}

Avviatore::~Avviatore() {
    if (principale_) principale_->removeEventFilter(this);
    delete splash_.data();
}

void Avviatore::avvia() {
    if (splash_ || principale_ || terminato_) return;
    splash_ = new Splash(opzioni_.fonti);
    splash_->installEventFilter(this);
    connect(splash_, &Splash::apriFinestraPrincipale, this, &Avviatore::ApriFinestraPrincipale);
    splash_->setGeometry(splash_->rettangoloSchermo());
    splash_->show();
}

void Avviatore::ApriFinestraPrincipale() {
    if (principale_ || terminato_ || !opzioni_.caricaPrincipale) return;
    // The load sequence runs here, while the splash is still on screen.
    principale_ = opzioni_.caricaPrincipale();
    if (!principale_) return;
    QWidget* w = principale_.get();
    w->installEventFilter(this);
    if (opzioni_.schermoIntero) {
        w->setWindowFlag(Qt::FramelessWindowHint, true);
        if (QScreen* s = QGuiApplication::primaryScreen()) w->setGeometry(s->geometry());
    }
    w->show();
    if (opzioni_.schermoIntero) {
        w->raise();
        w->activateWindow();
    }
    // Counted from the moment the main window is shown; it goes with it.
    tmrScaricaSplash_ = new TimerVB(w, IntervalloScaricaSplash);
    connect(tmrScaricaSplash_, &TimerVB::scatto, this, &Avviatore::TmrScaricaSplash_Timer);
    tmrScaricaSplash_->setAbilitato(true);
    emit principaleMostrata();
}

void Avviatore::TmrScaricaSplash_Timer() {
    if (splash_) scaricaSplash();
}

void Avviatore::scaricaSplash() {
    Splash* s = splash_;
    splash_ = nullptr;
    s->removeEventFilter(this);
    s->hide();
    s->deleteLater();
    emit splashScaricata();
}

void Avviatore::termina() {
    if (terminato_) return;
    terminato_ = true;
    if (opzioni_.termina) opzioni_.termina();
    else QCoreApplication::quit();
}

bool Avviatore::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::Close) return QObject::eventFilter(o, e);
    if (splash_ && o == splash_.data()) {
        // Before the hand-over the splash is the program: closing it ends
        // it, and its timer goes with it.
        const bool prima = !principale_;
        scaricaSplash();
        if (prima) termina();
    } else if (principale_ && o == principale_.get()) {
        // Nothing else would close the splash: the program ends with the
        // main window, however it is closed.
        if (splash_) scaricaSplash();
        termina();
    }
    return QObject::eventFilter(o, e);
}

}  // namespace vk
