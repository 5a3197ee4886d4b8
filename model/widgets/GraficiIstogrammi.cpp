#include "model/widgets/GraficiIstogrammi.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "common/widgets/ColoriQt.h"

namespace vk {

namespace {

constexpr QualeGrafico QT = QualeGrafico::QuinteTerze;
constexpr QualeGrafico SE = QualeGrafico::Semitoni;
constexpr AspettoElemento Pan = AspettoElemento::Pannello;
constexpr AspettoElemento Con = AspettoElemento::Contorno;
constexpr AspettoElemento Str = AspettoElemento::Striscia;
constexpr AspettoElemento Tes = AspettoElemento::Testo;
constexpr ColoreVB Nero = Colori::Nero;

QRectF Px(const VoceGeometria& v) {
    const double k = 1.0 / TwipsPerPixel;
    return QRectF(v.sinistra * k, v.alto * k, v.larghezza * k, v.altezza * k);
}

QRectF Px(const Barra& b) {
    const double k = 1.0 / TwipsPerPixel;
    return QRectF(b.Left * k, b.Top * k, b.Width * k, b.Height * k);
}

// A thin border inside the rectangle, one pixel wide, drawn as four fills so
// it stays within the shape's bounds at any fraction.
void Bordo(QPainter& p, const QRectF& r, const QColor& c) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const double w = std::min(1.0, r.width());
    const double h = std::min(1.0, r.height());
    p.fillRect(QRectF(r.left(), r.top(), r.width(), h), c);
    p.fillRect(QRectF(r.left(), r.bottom() - h, r.width(), h), c);
    p.fillRect(QRectF(r.left(), r.top(), w, r.height()), c);
    p.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), c);
}

void Riempito(QPainter& p, const QRectF& r, const QColor& fondo, bool bordo) {
    if (r.width() <= 0 || r.height() <= 0) return;
    p.fillRect(r, fondo);
    if (bordo) Bordo(p, r, ColoreQt(Nero));
}

}  // namespace

const std::vector<ElementoGrafico>& ElementiGrafici() {
    static const std::vector<ElementoGrafico> e = {
        // Fifths and thirds: behind the bars.
        {QT, "ShpVari", 11, 600, 3720, 14055, 4815, Pan, false, 0xF8F8F8, true, 0, nullptr, false},
        {QT, "ShpVari", 6, 600, 4380, 14055, 4155, Con, false, 0xC000, false, 0, nullptr, false},
        // In front of the bars: the third reference lines, the strip over
        // the bars' feet, then the axis marks and the legend.
        {QT, "ShpVari", 9, 600, 4920, 14055, 3630, Con, true, 0xFF00FF, false, 0, nullptr, false},
        {QT, "ShpVari", 8, 600, 5640, 14055, 2880, Con, true, 0x80FF, false, 0, nullptr, false},
        {QT, "ShpVari", 10, 600, 6960, 14055, 1560, Con, true, 0xFF00, false, 0, nullptr, false},
        {QT, "ShpCopri", 0, 0, 8520, 15375, 135, Str, true, Colori::FacciaPulsante, true, 0, nullptr, false},
        {QT, "lblVarie", 6, 0, 4320, 495, 255, Tes, true, 0, false, 0xFF0000, "702", false},
        {QT, "lblVarie", 4, 25, 4815, 495, 255, Tes, true, 0, false, Nero, "407.82", false},
        {QT, "lblVarie", 3, 0, 5550, 495, 255, Tes, true, 0, false, Nero, "400", false},
        {QT, "lblVarie", 2, 25, 6855, 495, 255, Tes, true, 0, false, Nero, "386.31", false},
        {QT, "lblVarie", 34, 14160, 3860, 975, 435, Tes, true, 0xFFFFFF, true, Nero, "TERZE Maggiori", false},
        {QT, "lblVarie", 35, 14160, 4440, 975, 255, Tes, true, 0xFF80FF, true, Nero, "> Pitag.", false},
        {QT, "lblVarie", 36, 14160, 4800, 975, 255, Tes, true, 0xFF, true, Nero, "Pitagorica", false},
        {QT, "lblVarie", 39, 14160, 5160, 975, 255, Tes, true, 0x80FF, true, Nero, "> Equab.", false},
        {QT, "lblVarie", 40, 14160, 5520, 975, 255, Tes, true, 0x80FFFF, true, Nero, "Equabile", false},
        {QT, "lblVarie", 41, 14160, 6120, 975, 255, Tes, true, 0x80FF80, true, Nero, "< Equab.", false},
        {QT, "lblVarie", 37, 14160, 6840, 975, 255, Tes, true, 0xFFFF80, true, Nero, "Naturale", false},
        {QT, "lblVarie", 38, 14160, 7720, 975, 255, Tes, true, 0xFF8080, true, Nero, "< Nat.", false},
        // Semitones: the panel and the three reference lines behind the
        // bars, the frame and the strip in front.
        {SE, "ShpVari", 13, 6120, 120, 8775, 2670, Pan, false, 0xF8F8F8, true, 0, nullptr, false},
        {SE, "ShpVari", 2, 6120, 975, 8775, 1795, Con, false, 0xFF, false, 0, nullptr, false},
        {SE, "ShpVari", 3, 6120, 1550, 8775, 1245, Con, false, 0xFF0000, false, 0, nullptr, false},
        {SE, "ShpVari", 4, 6120, 1950, 8775, 835, Con, false, 0xFF, false, 0, nullptr, false},
        {SE, "ShpVari", 1, 6120, 120, 8775, 2670, Con, true, Nero, false, 0, nullptr, false},
        {SE, "ShpCopri", 1, 6000, 2760, 9135, 135, Str, true, Colori::FacciaPulsante, true, 0, nullptr, false},
    };
    return e;
}

GraficoIstogrammi::GraficoIstogrammi(QualeGrafico quale, const Istogrammi& barre,
                                     const RegistroGeometria& geometria, const bool& duplicato, QWidget* pagina)
    : QWidget(pagina), quale_(quale), barre_(barre), geometria_(geometria), duplicato_(duplicato) {
    setObjectName(quale == QualeGrafico::QuinteTerze ? QStringLiteral("GraficoQuinteTerze")
                                                     : QStringLiteral("GraficoSemitoni"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Shapes lie under every control of the page.
    lower();
    if (pagina) {
        setGeometry(pagina->rect());
        pagina->installEventFilter(this);
    }
}

std::vector<GraficoIstogrammi::BarraDipinta> GraficoIstogrammi::fotografia() const {
    std::vector<BarraDipinta> v;
    auto aggiungi = [&](const std::array<Barra, 13>& a) {
        for (const Barra& b : a) v.push_back({Px(b), b.Colore});
    };
    if (quale_ == QualeGrafico::QuinteTerze) {
        aggiungi(barre_.ShpQuinte);
        aggiungi(barre_.ShpTerze);
    } else {
        aggiungi(barre_.ShpSemitoni);
    }
    return v;
}

void GraficoIstogrammi::aggiorna() {
    std::vector<BarraDipinta> ora = fotografia();
    if (duplicato_ != duplicatoDipinto_ || size() != dimensioneDipinta_ || ora.size() != dipinte_.size()) {
        update();
    } else {
        QRegion sporca;
        for (size_t i = 0; i < ora.size(); ++i) {
            if (ora[i] == dipinte_[i]) continue;
            // Whole pixels round both places, so no edge of a fraction is left behind.
            for (const QRectF& r : {dipinte_[i].rettangolo, ora[i].rettangolo})
                if (!r.isEmpty()) sporca += r.toAlignedRect().adjusted(-1, -1, 1, 1);
        }
        if (!sporca.isEmpty()) update(sporca);
    }
    dipinte_ = std::move(ora);
    duplicatoDipinto_ = duplicato_;
    dimensioneDipinta_ = size();
}

bool GraficoIstogrammi::eventFilter(QObject* o, QEvent* e) {
    if (o == parent() && e->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(o, e);
}

GraficoIstogrammi::TestoDipinto GraficoIstogrammi::testo(size_t i, const VoceGeometria& v) const {
    const ElementoGrafico& e = ElementiGrafici()[i];
    if (adattati_.size() != ElementiGrafici().size()) adattati_.resize(ElementiGrafici().size());
    TestoDipinto t;
    t.testo = QString::fromUtf8(e.caption);
    t.area = Px(v);
    t.allineamento = (e.sfondo ? Qt::AlignHCenter | Qt::TextWordWrap : Qt::AlignLeft) | Qt::AlignTop;
    const TestoAdattato& a = adattati_[i].adatta(
        CaratterePunti(QStringLiteral("MS Sans Serif"), v.carattere, e.grassetto), t.area.size(), t.allineamento,
        t.testo);
    t.carattere = a.carattere;
    // A mark drawn smaller stays beside the line it names.
    t.area.setTop(t.area.top() + a.abbassamento);
    return t;
}

void GraficoIstogrammi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setClipRect(rect());
    p.setRenderHint(QPainter::Antialiasing, false);

    auto elementi = [&](bool davanti) {
        const auto& tutti = ElementiGrafici();
        for (size_t i = 0; i < tutti.size(); ++i) {
            const ElementoGrafico& e = tutti[i];
            if (e.grafico != quale_ || e.davanti != davanti) continue;
            const VoceGeometria* v = geometria_.trova(e.nome, e.indice);
            if (!v) continue;
            const QRectF r = Px(*v);
            switch (e.aspetto) {
                case AspettoElemento::Pannello: Riempito(p, r, ColoreQt(e.colore, palette()), true); break;
                case AspettoElemento::Striscia: Riempito(p, r, ColoreQt(e.colore, palette()), false); break;
                case AspettoElemento::Contorno: Bordo(p, r, ColoreQt(e.colore, palette())); break;
                case AspettoElemento::Testo: {
                    if (e.sfondo) p.fillRect(r, ColoreQt(e.colore, palette()));
                    const TestoDipinto t = testo(i, *v);
                    p.setFont(t.carattere);
                    p.setPen(ColoreQt(e.coloreTesto, palette()));
                    p.drawText(t.area, t.allineamento, t.testo);
                    break;
                }
            }
        }
    };

    // Bars of one array from left to right, so each bar's left edge lies
    // over its neighbour's right edge where they overlap.
    auto barre = [&](const std::array<Barra, 13>& a, int primo) {
        std::vector<const Barra*> ordine;
        for (int k = primo; k <= 12; ++k)
            if (k != 0 || duplicato_) ordine.push_back(&a[static_cast<size_t>(k)]);
        std::stable_sort(ordine.begin(), ordine.end(),
                         [](const Barra* x, const Barra* y) { return x->Left < y->Left; });
        for (const Barra* b : ordine) Riempito(p, Px(*b), ColoreQt(b->Colore, palette()), true);
    };

    elementi(false);
    if (quale_ == QualeGrafico::QuinteTerze) {
        barre(barre_.ShpQuinte, 0);
        barre(barre_.ShpTerze, 0);
    } else {
        barre(barre_.ShpSemitoni, 1);
    }
    elementi(true);
}

}  // namespace vk
