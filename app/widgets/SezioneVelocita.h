#pragma once
// The speed control of the main screen: the meter ShpVelo(1..10), the level
// lblVelocità over it, "+" and "-" (cmdVelocità(1), (0)) with their repeat
// timers TmrVelo(1), (0), and the caption "Vel".
#include <QWidget>
#include <array>
#include <memory>

#include "common/Colori.h"
#include "common/RipetizioneAutomatica.h"

namespace vk {

class FinestraPrincipale;
class PilotaRipetizione;

// A filled rectangle with a one-pixel outline, as the screens' shapes are.
class FormaPiena : public QWidget {
    Q_OBJECT
public:
    explicit FormaPiena(QWidget* parent = nullptr);
    ColoreVB colore() const { return colore_; }
    void setColore(ColoreVB c);
    void setBordo(ColoreVB c) { bordo_ = c; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ColoreVB colore_ = Colori::Bianco;
    ColoreVB bordo_ = Colori::Nero;
};

class SezioneVelocita : public QObject {
    Q_OBJECT
public:
    explicit SezioneVelocita(FinestraPrincipale& f);
    ~SezioneVelocita() override;

    // The repetition of button `indice` (1 "+", 0 "-").
    RipetizioneAutomatica& ripetizione(int indice) { return *ripetizioni_[static_cast<size_t>(indice)]; }

private:
    void aggiorna();
    FinestraPrincipale& f_;
    std::array<std::unique_ptr<RipetizioneAutomatica>, 2> ripetizioni_;
};

// Builds the section into the main window; the window owns it.
SezioneVelocita* InstallaSezioneVelocita(FinestraPrincipale& f);

}  // namespace vk
