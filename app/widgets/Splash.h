#pragma once
// The splash window dozAzazadUDO: its picture, its lines and its delay. The
// hand-over to the main window is Avviatore's.
#include <QWidget>
#include <cstdint>
#include <functional>

#include "app/Avvio.h"
#include "common/Geometria.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

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

}  // namespace vk
