#pragma once
// The start of the program: the splash window dozAzazadUDO, its delay, the
// hand-over to the main window (whose load sequence runs while the splash is
// still on screen) and the rules by which closing a window ends the program.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/Avvio.h"
#include "common/Geometria.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

class FinestraPrincipale;
struct StatoPrincipale;

// Where the splash takes its random number and the time of day; empty
// members take the real ones (a generator seeded from the system timer).
struct FontiSplash {
    std::function<uint32_t()> seme;
    std::function<float()> casuale;
    std::function<OraDelGiorno()> orologio;
};

class Splash : public QWidget {
    Q_OBJECT
public:
    // The load: seeds the generator, re-lays out the window on a screen of
    // another height, arms TmrVia with the delay.
    explicit Splash(const FontiSplash& fonti = {}, QWidget* parent = nullptr);

    RegistroGeometria& geometria() { return geometria_; }
    TimerVB& tmrVia() { return *tmrVia_; }
    // Where the window goes: centred on the primary screen.
    QRect rettangoloSchermo() const;

    // TmrVia's tick: disables it and asks for the main window.
    void TmrVia_Timer();

signals:
    void apriFinestraPrincipale();

private:
    RegistroGeometria geometria_;
    GeneratoreCasuale generatore_;
    TimerVB* tmrVia_;
};

// The main window's load: builds it with "Esc" and the closing screen, lets
// `installa` add the other screens, runs the load sequence (`ritocca` may
// change its steps: tests) and places the controls where the re-layout put
// them. When the probe could not copy the data folder into the user's, a
// warning says where and why.
inline constexpr const char* TitoloAvvio = "Avvio del Programma";
std::unique_ptr<FinestraPrincipale> CaricaFinestraPrincipale(
    StatoPrincipale& s, const std::function<void(PassiCaricamento&)>& ritocca = {},
    const std::function<void(FinestraPrincipale&)>& installa = {});

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
