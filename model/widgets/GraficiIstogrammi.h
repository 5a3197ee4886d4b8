#pragma once
// The two painted bar charts of the main screen: fifths and thirds, and
// semitones. Each painter covers the whole page, lets the mouse through and
// paints, from float twips at 1/15 pixel, its panels, reference lines and
// covering strips, the bars of Istogrammi and its fixed captions, in the
// drawing order of the charts. Every fixed element's designed geometry lives
// in the window's registry, so a re-layout scales it like any control.
#include <QFont>
#include <QWidget>
#include <vector>

#include "common/Colori.h"
#include "common/Geometria.h"
#include "common/widgets/Etichetta.h"
#include "model/Istogrammi.h"

namespace vk {

enum class QualeGrafico { QuinteTerze, Semitoni };

enum class AspettoElemento {
    Pannello,  // filled, thin border
    Contorno,  // border only: its top edge is the line it marks
    Striscia,  // filled, no border
    Testo,     // a caption on its own background (or none)
};

struct ElementoGrafico {
    QualeGrafico grafico;
    const char* nome;
    int indice;
    float sinistra, alto, larghezza, altezza;  // designed twips
    AspettoElemento aspetto;
    bool davanti;           // in front of the bars
    ColoreVB colore;        // fill, line, or the caption's background
    bool sfondo;            // a caption with a background of its own
    ColoreVB coloreTesto;   // captions only
    const char* caption;    // captions only
    bool grassetto;
};

// The fixed elements, each layer in drawing order, back to front.
const std::vector<ElementoGrafico>& ElementiGrafici();

inline constexpr float PuntiGrafici = 8.25f;  // font of the painted captions

class GraficoIstogrammi : public QWidget {
    Q_OBJECT
public:
    // `duplicato` tells whether the duplicate column (bars 0) is shown.
    GraficoIstogrammi(QualeGrafico quale, const Istogrammi& barre, const RegistroGeometria& geometria,
                      const bool& duplicato, QWidget* pagina);

    QualeGrafico quale() const { return quale_; }

    // After a change of the bars: repaints only the bars that moved or
    // changed colour (the old place and the new), or everything when the
    // duplicate column or the layout changed.
    void aggiorna();

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QualeGrafico quale_;
    const Istogrammi& barre_;
    const RegistroGeometria& geometria_;
    const bool& duplicato_;

    // What the last paint showed of the bars, to repaint only what changed.
    struct BarraDipinta {
        QRectF rettangolo;
        ColoreVB colore = 0;
        bool operator==(const BarraDipinta&) const = default;
    };
    std::vector<BarraDipinta> fotografia() const;
    std::vector<BarraDipinta> dipinte_;
    bool duplicatoDipinto_ = false;
    QSize dimensioneDipinta_;
    // A caption as painted: at the largest size up to its own that fits its
    // box, standing where its own size stood.
    struct TestoDipinto {
        QString testo;
        QRectF area;
        QFont carattere;
        int allineamento = 0;
    };
    // The fitted font of each caption, by its place in ElementiGrafici().
    mutable std::vector<TestoInArea> adattati_;
    TestoDipinto testo(size_t i, const VoceGeometria& v) const;
};

}  // namespace vk
