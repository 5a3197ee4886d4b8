#pragma once
// The start of the program: the splash first, then the hand-over to the main
// window (whose load sequence runs while the splash is still on screen) and
// the rules by which closing a window ends the program.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "app/widgets/Splash.h"

class QWidget;

namespace vk {

class TimerVB;

struct OpzioniAvvio {
    FontiSplash fonti;
    // Loads the main window; it is shown by the hand-over.
    std::function<std::unique_ptr<QWidget>()> caricaPrincipale;
    // Ends the program; by default the application's event loop stops.
    std::function<void()> termina;
    // Show the main window filling the screen without a frame, in front and
    // active (tests on the offscreen platform leave it as it is).
    bool schermoIntero = true;
};

class Avviatore : public QObject {
    Q_OBJECT
public:
    explicit Avviatore(OpzioniAvvio opzioni, QObject* parent = nullptr);
    ~Avviatore() override;

    // Loads and shows the splash window.
    void avvia();

    Splash* splash() const { return splash_; }   // null once unloaded
    QWidget* principale() const { return principale_.get(); }
    TimerVB* tmrScaricaSplash() const { return tmrScaricaSplash_; }
    bool terminato() const { return terminato_; }

    // Loads and shows the main window, then starts TmrScaricaSplash.
    void ApriFinestraPrincipale();
    // Unloads the splash window; its later ticks find nothing to do.
    void TmrScaricaSplash_Timer();

signals:
    void principaleMostrata();
    void splashScaricata();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void scaricaSplash();
    void termina();

    OpzioniAvvio opzioni_;
    QPointer<Splash> splash_;
    std::unique_ptr<QWidget> principale_;
    QPointer<TimerVB> tmrScaricaSplash_;
    bool terminato_ = false;
};

}  // namespace vk
