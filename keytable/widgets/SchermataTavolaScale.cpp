#include "keytable/widgets/SchermataTavolaScale.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "app/Adattamento.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/Testi.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

namespace {

constexpr size_t I(int i) { return static_cast<size_t>(i); }
float F(int i) { return static_cast<float>(i); }
float Colonna(int iv) { return 1920.0f + 1200.0f * F(iv - 1); }

// The key column's backgrounds, the histogram panel (1) among them.
struct Forma {
    float l, t, w, h;
    ColoreVB colore;
};
constexpr std::array<Forma, 4> FormeScale = {{
    {120, 720, 1455, 4455, Colori::GialloPallido},
    {1680, 720, 13455, 9615, Colori::GrigioAzzurro},
    {120, 5160, 1455, 735, ColoriTavola::VerdePallido},
    {120, 5880, 1455, 4455, Colori::GialloPallido},
}};
// The outline bars' fixed Top and Height: the just sizes at 9015 twips the octave.
constexpr std::array<std::array<float, 2>, 12> Livelli = {{
    {0, 0},       {9130, 840},  {8445, 1530}, {7605, 2370}, {7080, 2895}, {6240, 3735},
    {5535, 4440}, {4695, 5280}, {3855, 6120}, {3330, 6645}, {2325, 7650}, {1800, 8175},
}};
// Swatch Tops, band 1 to 12, and the limit labels' Tops, lblNumLeg(1..11).
constexpr std::array<float, 13> AltoCampione = {0,    6930, 6435, 5940, 5445, 4950, 4440,
                                                3945, 3450, 2955, 2460, 1950, 1455};
constexpr std::array<float, 12> AltoLimite = {0,    6720, 6210, 5715, 5205, 4710, 4200,
                                              3690, 3195, 2685, 2190, 1680};

void Sfondo(QWidget* w, ColoreVB c) {
    w->setAutoFillBackground(true);
    Colora(w, QPalette::Window, c);
}

void Colore(PulsanteVB* p, ColoreVB c) {
    if (p->coloreSfondo() != c) p->setColoreSfondo(c);
}

void Vedi(QWidget* w, bool si) {
    if (w->isHidden() == si) w->setVisible(si);
}

QRectF Px(const VoceGeometria& v) {
    const double k = 1.0 / TwipsPerPixel;
    return QRectF(v.sinistra * k, v.alto * k, v.larghezza * k, v.altezza * k);
}

// A border of `larghezza` pixels inside the rectangle.
void Bordo(QPainter& p, const QRectF& r, const QColor& c, double larghezza) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const double w = std::min(larghezza, r.width() / 2);
    const double h = std::min(larghezza, r.height() / 2);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), h), c);
    p.fillRect(QRectF(r.left(), r.bottom() - h, r.width(), h), c);
    p.fillRect(QRectF(r.left(), r.top(), w, r.height()), c);
    p.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), c);
}

}  // namespace

GraficoTavolaScale::GraficoTavolaScale(const TavolaScale& t, const RegistroGeometria& g, QWidget* schermata)
    : QWidget(schermata), t_(t), g_(g) {
    setObjectName(QStringLiteral("GraficoTavolaScale"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void GraficoTavolaScale::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor nero = ColoreQt(Colori::Nero);
    for (int i : {0, 2, 3}) {
        if (const VoceGeometria* v = g_.trova("ShpScale", i)) {
            p.fillRect(Px(*v), ColoreQt(FormeScale[I(i)].colore));
            Bordo(p, Px(*v), nero, 1);
        }
    }
    const VoceGeometria* pannello = g_.trova("ShpScale", 1);
    if (!pannello) return;
    const QRectF area = Px(*pannello);
    p.fillRect(area, ColoreQt(t_.colorePannello));
    Bordo(p, area, nero, 1);
    // Bars keep their full size in the model; here they stop at the panel.
    p.setClipRect(area);
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const VoceGeometria* v = g_.trova("ShpIstoScala", n);
        const BarraScala& b = t_.ShpIstoScala[I(n)];
        if (!v || !t_.visibileIsto[I(n)] || b.Height <= 0) continue;
        const double k = 1.0 / TwipsPerPixel;
        p.fillRect(QRectF(v->sinistra * k, b.Top * k, v->larghezza * k, b.Height * k),
                   ColoreQt(t_.coloreIsto[I(n)]));
    }
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const VoceGeometria* v = g_.trova("ShpLivelliNaturali", n);
        if (!v || !t_.visibileIsto[I(n)]) continue;
        Bordo(p, Px(*v), ColoreQt(t_.bordoLivelli[I(n)]), t_.spessoreLivelli);
    }
}

GraficoTavolaScale::Disegno GraficoTavolaScale::Da(const TavolaScale& t) {
    return {t.colorePannello, t.ShpIstoScala, t.coloreIsto, t.bordoLivelli, t.visibileIsto, t.spessoreLivelli};
}

// Column n's outline and filled bar, in pixels.
QRectF GraficoTavolaScale::colonna(const Disegno& d, int n) const {
    QRectF r;
    if (const VoceGeometria* v = g_.trova("ShpLivelliNaturali", n)) r = Px(*v);
    if (const VoceGeometria* v = g_.trova("ShpIstoScala", n)) {
        const BarraScala& b = d.barre[I(n)];
        const double k = 1.0 / TwipsPerPixel;
        if (b.Height > 0) r |= QRectF(v->sinistra * k, b.Top * k, v->larghezza * k, b.Height * k);
    }
    return r;
}

void GraficoTavolaScale::aggiorna() {
    const VoceGeometria* pannello = g_.trova("ShpScale", 1);
    const Disegno ora = Da(t_);
    if (!pannello || !disegnato_ || disegnato_->pannello != ora.pannello) {
        update(pannello ? Px(*pannello).toAlignedRect() : rect());
        disegnato_ = ora;
        return;
    }
    const Disegno& prima = *disegnato_;
    const QRectF area = Px(*pannello);
    QRegion cambiata;
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const size_t i = I(n);
        const bool uguale = prima.barre[i].Top == ora.barre[i].Top && prima.barre[i].Height == ora.barre[i].Height &&
                            prima.colori[i] == ora.colori[i] && prima.bordi[i] == ora.bordi[i] &&
                            prima.visibili[i] == ora.visibili[i] && prima.spessore == ora.spessore;
        if (uguale) continue;
        const QRectF r = (colonna(prima, n) | colonna(ora, n)) & area;
        if (!r.isEmpty()) cambiata += r.toAlignedRect();
    }
    if (!cambiata.isEmpty()) update(cambiata);
    disegnato_ = ora;
}

SchermataTavolaScale::SchermataTavolaScale(FinestraPrincipale& finestra)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), tavola_(finestra.stato()) {
    f_.registra(this, "FraTavolaSCale", -1, TipoControllo::Cornice, 14160, 10560, LarghezzaProgetto,
                AltezzaProgetto);
    cmdTavolaScale_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdTavolaScale", -1, TipoControllo::Pulsante, 2400, 2760,
                                          540, 540, 8.25f);
    cmdTavolaScale_->setText(QStringLiteral("Sc"));
    cmdTavolaScale_->setToolTip(QStringLiteral("Mostra Tabella tonalit\u00E0"));
    cmdTavolaScale_->setGrafico(true);
    cmdTavolaScale_->setColoreSfondo(ColoriTavola::SfondoSc);
    connect(cmdTavolaScale_, &PulsanteVB::clic, this, &SchermataTavolaScale::apriTavola);
}

void SchermataTavolaScale::apriTavola() {
    if (!costruita()) costruisci();
    tavola_.apri();
    aggiornaDaModello();
}

template <class W>
W* SchermataTavolaScale::crea(QWidget* genitore, const char* nome, int indice, float l, float t, float w,
                              float h, float punti, const QFont& carattere) {
    return f_.creaTardivo<W>(genitore, nome, indice, TipoDaNome(nome), l, t, w, h, punti, &carattere);
}

PulsanteVB* SchermataTavolaScale::pulsante(QWidget* genitore, const char* nome, int indice, float l, float t,
                                           float w, float h, float punti, const QFont& carattere,
                                           const char* caption) {
    auto* p = crea<PulsanteVB>(genitore, nome, indice, l, t, w, h, punti, carattere);
    p->setText(QString::fromUtf8(caption));
    p->setGrafico(true);
    return p;
}

void SchermataTavolaScale::costruisci() {
    StatoPrincipale& s = f_.stato();
    auto forma = [&](const char* nome, int i, float l, float t, float w, float h) {
        s.geometria.registra(nome, i, TipoControllo::Forma, l, t, w, h);
        AdattaRegistrazioneTardiva(s, nome, i);
    };
    for (int i = 0; i <= 3; ++i) {
        const Forma& f = FormeScale[I(i)];
        forma("ShpScale", i, f.l, f.t, f.w, f.h);
    }
    for (int n = 1; n <= IntervalliTavola; ++n) {
        forma("ShpLivelliNaturali", n, 1800.0f + 1200.0f * F(n - 1), Livelli[I(n)][0], 1215, Livelli[I(n)][1]);
        forma("ShpIstoScala", n, Colonna(n), 0, 975, 0);
    }
    grafico_ = new GraficoTavolaScale(tavola_, s.geometria, this);
    grafico_->setGeometry(rect());

    const QFont sans = CaratterePunti(QStringLiteral("MS Sans Serif"), 8.25);
    const QFont sansG = CaratterePunti(QStringLiteral("MS Sans Serif"), 8.25, true);
    const QFont arial = CaratterePunti(QStringLiteral("Arial"), 9.75, true);
    const QFont times = CaratterePunti(QStringLiteral("Times New Roman"), 14.25, true);
    auto etichetta = [&](QWidget* g, const char* nome, int i, float l, float t, float w, float h, float punti,
                         const QFont& c, Allineamento a) {
        auto* e = crea<QLabel>(g, nome, i, l, t, w, h, punti, c);
        FormaEtichetta(e, a);
        return e;
    };
    // A one-line text over the panel or the key column: laid out once, so
    // that a key shown or taken away repaints quickly.
    auto riga = [&](const char* nome, int i, float l, float t, float w, float h, float punti, const QFont& c,
                    Allineamento a) {
        auto* e = crea<CellaTesto>(this, nome, i, l, t, w, h, punti, c);
        FormaEtichetta(e, a);
        e->setWordWrap(false);
        return e;
    };
    auto opaca = [](CellaTesto* e, ColoreVB c) {
        e->setOpaca(true);
        Colora(e, QPalette::Window, c);
    };

    // The key column.
    for (int r = 0; r < TonalitaTavola; ++r) {
        const RigaTonalita& tasto = RigheTonalita[I(r)];
        const int k = tasto.tonalita;
        auto* a = riga("lblNumeroAlterazioni", k, 240, tasto.altoPulsante + 45, 375, 375, 12,
                       CaratterePunti(QStringLiteral("Arial"), 12, true), Allineamento::Centro);
        a->setText(QString::fromUtf8(tasto.alterazioni));
        opaca(a, Colori::Bianco);
        lblNumeroAlterazioni_[I(k)] = a;
        auto* b = pulsante(this, "cmdNotaScala", k, 720, tasto.altoPulsante, 735, 375, 11.25f,
                           CaratterePunti(QStringLiteral("Arial"), 11.25, true), "");
        connect(b, &PulsanteVB::clic, this, [this, k] {
            tavola_.nota(k);
            aggiornaDaModello();
        });
        cmdNotaScala_[I(k)] = b;
        lblEufonico_[I(k)] =
            riga("lblEufonico", k, 120, tasto.altoPulsante + 360, 615, 255, 8.25f, sansG, Allineamento::Centro);
    }

    // The legend, in the histogram panel's upper left.
    for (int i = 0; i <= 2; ++i) {
        const float l[3] = {1920, 2220, 2640};
        auto* b = pulsante(this, "cmdLegenda", i, l[i], 960, i == 1 ? 375 : 255, 375, 8.25f, sansG,
                           CaptionLegenda[I(i)]);
        connect(b, &PulsanteVB::mouseDown, this, [this, i] {
            tavola_.legendaPremi(i);
            aggiornaDaModello();
        });
        connect(b, &PulsanteVB::clic, this, [this, i] {
            tavola_.legenda(i);
            aggiornaDaModello();
        });
        connect(b, &PulsanteVB::mouseUp, this, [this, i] {
            tavola_.legendaRilascia(i);
            aggiornaDaModello();
        });
        cmdLegenda_[I(i)] = b;
    }
    for (int b = 12; b >= 1; --b) {
        auto* c = etichetta(this, "lblLegenda", b, 1920, AltoCampione[I(b)], 975, 375, 8.25f, sans,
                            Allineamento::Centro);
        c->setFrameStyle(QFrame::Box | QFrame::Plain);
        Sfondo(c, ColoriFasce[I(b)]);
        lblLegenda_[I(b)] = c;
    }
    auto* zero = etichetta(this, "lblLegenda", 13, 3000, 4200, 495, 375, 8.25f, sans, Allineamento::Centro);
    zero->setFrameStyle(QFrame::Box | QFrame::Plain);
    Sfondo(zero, ColoriFasce[FasciaZero]);
    lblLegenda_[13] = zero;
    for (int n = 11; n >= 1; --n) {
        const bool z = n == 6;
        auto* e = riga("lblNumLeg", n, 3000, AltoLimite[I(n)], z ? 495 : 855, 375, 8.25f, sansG,
                       z ? Allineamento::Centro : Allineamento::Sinistra);
        if (z) opaca(e, Colori::FacciaPulsante);
        lblNumLeg_[I(n)] = e;
    }
    struct Testo {
        int i;
        float l, t, w, h, punti;
        Allineamento a;
    };
    const Testo testi[] = {
        {0, 3000, 1320, 855, 255, 8.25f, Allineamento::Sinistra},
        {16, 4080, 1035, 8535, 375, 8.25f, Allineamento::Centro},
        {15, 4920, 1320, 6975, 375, 8.25f, Allineamento::Centro},
        {17, 4920, 2040, 4935, 375, 12, Allineamento::Destra},
        {18, 9840, 2040, 735, 300, 12, Allineamento::Centro},
        {20, 4920, 2400, 3735, 375, 12, Allineamento::Destra},
        {19, 8760, 2400, 1455, 300, 12, Allineamento::Centro},
    };
    const QFont times12 = CaratterePunti(QStringLiteral("Times New Roman"), 12, true);
    for (const Testo& x : testi) {
        auto* e = riga("lblLegenda", x.i, x.l, x.t, x.w, x.h, x.punti, x.punti == 12 ? times12 : sans, x.a);
        if (x.i == 18 || x.i == 19) opaca(e, Colori::SfondoFinestra);
        lblLegenda_[I(x.i)] = e;
    }

    // Under the bars' feet, and the histogram's own buttons.
    for (int n = 1; n <= IntervalliTavola; ++n)
        lblScartiInCents_[I(n)] =
            riga("lblScartiInCents", n, Colonna(n), 9600, 975, 375, 8.25f, sansG, Allineamento::Centro);
    cmdEnfasi_ = pulsante(this, "cmdEnfasi", -1, 1920, 7440, 975, 375, 8.25f, sans, "Enfasi Isto");
    cmdInvertiColori_ = pulsante(this, "cmdInvertiColori", -1, 3600, 3960, 975, 375, 8.25f, sans, "Inverti");
    cmdSpessore_ = pulsante(this, "cmdSpessore", -1, 3600, 4440, 975, 375, 8.25f, sans, "Linee 1");
    connect(cmdEnfasi_, &PulsanteVB::clic, this, [this] {
        tavola_.enfasi();
        aggiornaDaModello();
    });
    connect(cmdInvertiColori_, &PulsanteVB::clic, this, [this] {
        tavola_.inverti();
        aggiornaDaModello();
    });
    connect(cmdSpessore_, &PulsanteVB::clic, this, [this] {
        tavola_.spessore();
        aggiornaDaModello();
    });

    // The table view's cover, over the whole histogram area.
    const bool preparata = s.CopreIstogrammiVisibile;
    FraCopreIstogrammi_ = crea<QFrame>(this, "FraCopreIstogrammi", -1, preparata ? 1740 : 1800,
                                       preparata ? 795 : 960, 13335, 9345, 0, times);
    FraCopreIstogrammi_->setAutoFillBackground(true);
    for (int r = 0; r < TonalitaTavola; ++r) {
        const RigaTonalita& riga = RigheTonalita[I(r)];
        for (int iv = 1; iv <= IntervalliTavola; ++iv) {
            const int c = CellaScarto(riga.tonalita, iv);
            auto* e = crea<CellaTesto>(FraCopreIstogrammi_, "lblScala", c, 180.0f + 1200.0f * F(iv - 1),
                                       riga.altoTabella, 975, 375, 14.25f, times);
            FormaEtichetta(e, Allineamento::Centro);
            e->setWordWrap(false);
            e->setOpaca(true);
            lblScala_[I(c)] = e;
        }
    }

    // Below the cover: the filter, the title and "Esc".
    const struct {
        int p;
        float l, t;
    } preset[] = {{3, 120, 10440}, {0, 915, 10440}, {2, 120, 10920}, {1, 915, 10920}};
    for (const auto& x : preset) {
        auto* b = pulsante(this, "cmdPreset", x.p, x.l, x.t, 655, 375, 9.75f, arial, CaptionPreset[I(x.p)]);
        connect(b, &PulsanteVB::clic, this, [this, p = x.p] {
            tavola_.preset(p);
            aggiornaDaModello();
        });
        cmdPreset_[I(x.p)] = b;
    }
    for (int i = 1; i <= IntervalliTavola; ++i) {
        auto* e = etichetta(this, "lblEtichettaNote", i, Colonna(i), 10440, 975, 375, 14.25f, times,
                            Allineamento::Centro);
        e->setText(QString::fromUtf8(EtichetteIntervalli[I(i)]));
        e->setAutoFillBackground(true);
        lblEtichettaNote_[I(i)] = e;
        auto* b = pulsante(this, "cmdSelezInterv", i, Colonna(i), 10920, 975, 375, 8.25f, sansG, "");
        connect(b, &PulsanteVB::clic, this, [this, i] {
            tavola_.selezInterv(i);
            aggiornaDaModello();
        });
        cmdSelezInterv_[I(i)] = b;
    }
    lblLegenda_[14] = etichetta(this, "lblLegenda", 14, 1680, 180, 13455, 375, 15.75f,
                                CaratterePunti(QStringLiteral("Times New Roman"), 15.75, true), Allineamento::Centro);
    cmdEsciSCale_ = pulsante(this, "cmdEsciSCale", -1, 480, 160, 780, 375, 9.75f, arial, "Esc");
    connect(cmdEsciSCale_, &PulsanteVB::clic, this, [this] {
        tavola_.esci();
        aggiornaDaModello();
    });
    costruisciNascosti();
}

// Hidden at design and never shown, so neither placed nor scaled.
void SchermataTavolaScale::costruisciNascosti() {
    auto nascosto = [](auto* w, const char* nome, int indice) {
        w->setObjectName(NomeOggetto(nome, indice));
        w->setFocusPolicy(Qt::NoFocus);
        w->hide();
        return w;
    };
    auto etichetta = [&](QWidget* g, const char* nome, int indice, const std::string& testo = {}) {
        auto* l = nascosto(new QLabel(g), nome, indice);
        l->setText(QString::fromStdString(testo));
        return l;
    };
    lblClickScale_ = etichetta(this, "lblClickScale", -1);
    lblNotaSelezionata_ = etichetta(this, "lblNotaSelezionata", -1);
    lblPreset_ = etichetta(this, "lblPreset", -1);
    for (int n = 1; n <= IntervalliTavola; ++n)
        etichetta(this, "lblProgressivi", n, std::to_string(ProgressiviNaturali[I(n)]));
    for (int n = 0; n < VociSequenzaScale; ++n)
        etichetta(this, "lblSequenzaScale", n, std::to_string(SequenzaScale(n)));
    lblScala_[0] = etichetta(this, "lblScala", 0);
    lblEufonico_[0] = etichetta(this, "lblEufonico", 0);
    lblEtichettaNote_[0] = etichetta(this, "lblEtichettaNote", 0, EtichetteIntervalli[0]);
    // The computation runs from the opening, never from a click on this.
    cmdOperazioniScale_ = nascosto(new PulsanteVB(this), "cmdOperazioniScale", -1);
    cmdOperazioniScale_->setText(QStringLiteral("cmdOperazioniScale"));
    cmdPreset_[4] = nascosto(new PulsanteVB(this), "cmdPreset", 4);

    auto* interno = nascosto(new QFrame(this), "FraScaleInterno", -1);
    FraScaleInterno_ = interno;
    // Their frame hides them; written when the model computes the table anew.
    for (int c = CelleScarti + 1; c < CelleTavola; ++c) {
        auto* l = new QLabel(interno);
        l->setObjectName(NomeOggetto("lblScala", c));
        lblScala_[I(c)] = l;
    }
}

void SchermataTavolaScale::aggiornaDaModello() {
    const TavolaScale& t = tavola_;
    if (costruita()) {
        for (int k = 1; k <= TonalitaTavola; ++k) {
            ScriviSeDiverso(cmdNotaScala_[I(k)], t.cmdNotaScala[I(k)]);
            Colore(cmdNotaScala_[I(k)], t.coloreNotaScala[I(k)]);
            Colora(lblNumeroAlterazioni_[I(k)], QPalette::WindowText, t.testoAlterazioni[I(k)]);
            ScriviSeDiverso(lblEufonico_[I(k)], t.lblEufonico[I(k)]);
            Colora(lblEufonico_[I(k)], QPalette::WindowText, t.testoEufonico[I(k)]);
        }
        Sfondo(FraCopreIstogrammi_, t.coloreCopertura());
        Vedi(FraCopreIstogrammi_, t.copertura());
        for (int c = 1; c <= CelleScarti; ++c) {
            QLabel* e = lblScala_[I(c)];
            ScriviSeDiverso(e, t.lblScala[I(c)]);
            Colora(e, QPalette::Window, t.coloreScala[I(c)]);
            Vedi(e, t.visibileScala[I(c)]);
        }
        for (int i = 0; i <= 20; ++i) {
            if (i >= 1 && i <= 13) continue;  // the swatches: no caption
            ScriviSeDiverso(lblLegenda_[I(i)], t.lblLegenda[I(i)]);
            Colora(lblLegenda_[I(i)], QPalette::WindowText, t.testoLegenda[I(i)]);
        }
        for (int n = 1; n <= 11; ++n) {
            ScriviSeDiverso(lblNumLeg_[I(n)], t.lblNumLeg[I(n)]);
            Colora(lblNumLeg_[I(n)], QPalette::WindowText, t.testoNumLeg[I(n)]);
        }
        for (int i = 0; i <= 2; ++i) Colore(cmdLegenda_[I(i)], t.coloreLegenda[I(i)]);
        for (int i = 1; i <= IntervalliTavola; ++i) {
            ScriviSeDiverso(lblScartiInCents_[I(i)], t.lblScartiInCents[I(i)]);
            Vedi(lblScartiInCents_[I(i)], t.visibileIsto[I(i)]);
            ScriviSeDiverso(cmdSelezInterv_[I(i)], t.cmdSelezInterv[I(i)]);
            Colore(cmdSelezInterv_[I(i)], t.coloreSelezInterv[I(i)]);
            Colora(lblEtichettaNote_[I(i)], QPalette::Window, t.selezioneLibera()[I(i)]);
        }
        for (int p = 0; p <= 3; ++p) Colore(cmdPreset_[I(p)], t.colorePreset[I(p)]);
        Colore(cmdEnfasi_, t.coloreEnfasi);
        Colore(cmdInvertiColori_, t.coloreInverti);
        ScriviSeDiverso(cmdSpessore_, t.cmdSpessore);
        grafico_->aggiorna();
        ScriviSeDiverso(lblClickScale_, std::to_string(t.lblClickScale));
        ScriviSeDiverso(lblNotaSelezionata_, std::to_string(t.lblNotaSelezionata));
        ScriviSeDiverso(lblPreset_, std::to_string(t.lblPreset));
        if (calcoliScritti_ != t.calcoli) {
            ScriviSeDiverso(lblScala_[0], t.lblScala[0]);
            for (int c = CelleScarti + 1; c < CelleTavola; ++c) ScriviSeDiverso(lblScala_[I(c)], t.lblScala[I(c)]);
            ScriviSeDiverso(lblEufonico_[0], t.lblEufonico[0]);
            calcoliScritti_ = t.calcoli;
        }
    }
    if (t.aperta && !inVista()) apri();
    else if (!t.aperta && inVista()) chiudi();
}

SchermataTavolaScale& InstallaTavolaScale(FinestraPrincipale& finestra) {
    return *new SchermataTavolaScale(finestra);
}

}  // namespace vk
