#pragma once
// The key table's painted shapes: the key column's backgrounds, the
// histogram panel and its bars, painted from their registered twips beneath
// the screen's controls.
#include <QWidget>
#include <array>
#include <optional>

#include "common/Geometria.h"
#include "keytable/TavolaScale.h"

namespace vk {

class GraficoTavolaScale : public QWidget {
    Q_OBJECT
public:
    GraficoTavolaScale(const TavolaScale& t, const RegistroGeometria& g, QWidget* schermata);

    // Marks for repaint what changed since the last call: the panel when its
    // colour did, else the columns whose bar or outline did. A whole repaint
    // would repaint every control over the panel and the key column too.
    void aggiorna();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // What the panel showed at the last call of aggiorna().
    struct Disegno {
        ColoreVB pannello = 0;
        std::array<BarraScala, 12> barre{};
        std::array<ColoreVB, 12> colori{}, bordi{};
        std::array<bool, 12> visibili{};
        int spessore = 0;
    };
    static Disegno Da(const TavolaScale& t);
    QRectF colonna(const Disegno& d, int n) const;

    const TavolaScale& t_;
    const RegistroGeometria& g_;
    std::optional<Disegno> disegnato_;
};

}  // namespace vk
