#include "keytable/widgets/SchermataTavolaScale.h"

#include <QFrame>
#include <QLabel>

#include "app/Adattamento.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/Testi.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"
#include "keytable/widgets/GraficoTavolaScale.h"

namespace vk {

namespace {

constexpr size_t I(int i) { return static_cast<size_t>(i); }
float F(int i) { return static_cast<float>(i); }
float Colonna(int iv) { return 1920.0f + 1200.0f * F(iv - 1); }

// The layout, in twips.
struct Posto {
    float l, t, w, h;
};
Posto Giu(Posto p, float alto) { return {p.l, p.t + alto, p.w, p.h}; }

// The key column's backgrounds, the histogram panel (1) among them.
constexpr std::array<Posto, 4> PostiForme = {{
    {120, 720, 1455, 4455},
    {1680, 720, 13455, 9615},
    {120, 5160, 1455, 735},
    {120, 5880, 1455, 4455},
}};
// The outline bars' fixed Top and Height: the just sizes at 9015 twips the octave.
constexpr std::array<std::array<float, 2>, 12> Livelli = {{
    {0, 0},
    {9130, 840},
    {8445, 1530},
    {7605, 2370},
    {7080, 2895},
    {6240, 3735},
    {5535, 4440},
    {4695, 5280},
    {3855, 6120},
    {3330, 6645},
    {2325, 7650},
    {1800, 8175},
}};
// A key's row, its Tops from the key button's.
constexpr Posto PostoAlterazioni{240, 45, 375, 375};
constexpr Posto PostoNotaScala{720, 0, 735, 375};
constexpr Posto PostoEufonico{120, 360, 615, 255};
// The legend: its buttons, the swatches' Tops band 1 to 12, the zero band,
// and the limit labels' Tops, lblNumLeg(1..11).
constexpr std::array<Posto, 3> PostiLegenda = {{{1920, 960, 255, 375}, {2220, 960, 375, 375}, {2640, 960, 255, 375}}};
constexpr std::array<float, 13> AltoCampione = {0,    6930, 6435, 5940, 5445, 4950, 4440,
                                                3945, 3450, 2955, 2460, 1950, 1455};
constexpr Posto PostoFasciaZero{3000, 4200, 495, 375};
constexpr std::array<float, 12> AltoLimite = {0, 6720, 6210, 5715, 5205, 4710, 4200, 3690, 3195, 2685, 2190, 1680};
// The legend's texts, lblLegenda(i).
struct TestoLegenda {
    int i;
    Posto posto;
    float punti;
    Allineamento a;
};
constexpr TestoLegenda TestiLegenda[] = {
    {0, {3000, 1320, 855, 255}, 8.25f, Allineamento::Sinistra},
    {16, {4080, 1035, 8535, 375}, 8.25f, Allineamento::Centro},
    {15, {4920, 1320, 6975, 375}, 8.25f, Allineamento::Centro},
    {17, {4920, 2040, 4935, 375}, 12, Allineamento::Destra},
    {18, {9840, 2040, 735, 300}, 12, Allineamento::Centro},
    {20, {4920, 2400, 3735, 375}, 12, Allineamento::Destra},
    {19, {8760, 2400, 1455, 300}, 12, Allineamento::Centro},
};
// The histogram's own buttons.
struct Comando {
    const char* nome;
    Posto posto;
    const char* caption;
    void (TavolaScale::*azione)();
};
constexpr Comando ComandiIstogramma[] = {
    {"cmdEnfasi", {1920, 7440, 975, 375}, "Enfasi Isto", &TavolaScale::enfasi},
    {"cmdInvertiColori", {3600, 3960, 975, 375}, "Inverti", &TavolaScale::inverti},
    {"cmdSpessore", {3600, 4440, 975, 375}, "Linee 1", &TavolaScale::spessore},
};
// Below the cover: the filter's presets, the interval labels and buttons.
constexpr struct {
    int p;
    float l, t;
} PostiPreset[] = {{3, 120, 10440}, {0, 915, 10440}, {2, 120, 10920}, {1, 915, 10920}};
constexpr float AltoEtichettaNote = 10440, AltoSelezInterv = 10920;
constexpr Posto PostoTitolo{1680, 180, 13455, 375};
constexpr Posto PostoEsci{480, 160, 780, 375};

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

void Opaca(CellaTesto* e, ColoreVB c) {
    e->setOpaca(true);
    Colora(e, QPalette::Window, c);
}

template <class W>
W* Crea(FinestraPrincipale& f, QWidget* genitore, const char* nome, int indice, const Posto& p, float punti,
        const QFont& carattere) {
    return f.creaTardivo<W>(genitore, nome, indice, TipoDaNome(nome), p.l, p.t, p.w, p.h, punti, &carattere);
}

PulsanteVB* Pulsante(FinestraPrincipale& f, QWidget* s, const char* nome, int indice, const Posto& p, float punti,
                     const QFont& carattere, const char* caption) {
    auto* b = Crea<PulsanteVB>(f, s, nome, indice, p, punti, carattere);
    b->setText(QString::fromUtf8(caption));
    b->setGrafico(true);
    return b;
}

QLabel* Etichetta(FinestraPrincipale& f, QWidget* s, const char* nome, int indice, const Posto& p, float punti,
                  const QFont& carattere, Allineamento a) {
    auto* e = Crea<QLabel>(f, s, nome, indice, p, punti, carattere);
    FormaEtichetta(e, a);
    return e;
}

// A one-line text over the panel or the key column: laid out once, so that a
// key shown or taken away repaints quickly.
CellaTesto* Riga(FinestraPrincipale& f, QWidget* genitore, const char* nome, int indice, const Posto& p, float punti,
                 const QFont& carattere, Allineamento a) {
    auto* e = Crea<CellaTesto>(f, genitore, nome, indice, p, punti, carattere);
    FormaEtichetta(e, a);
    e->setWordWrap(false);
    return e;
}

}  // namespace

// The screen's fonts, made once a construction.
struct SchermataTavolaScale::Caratteri {
    QFont sans = CaratterePunti(QStringLiteral("MS Sans Serif"), 8.25);
    QFont sansG = CaratterePunti(QStringLiteral("MS Sans Serif"), 8.25, true);
    QFont arial = CaratterePunti(QStringLiteral("Arial"), 9.75, true);
    QFont arial1125 = CaratterePunti(QStringLiteral("Arial"), 11.25, true);
    QFont arial12 = CaratterePunti(QStringLiteral("Arial"), 12, true);
    QFont times = CaratterePunti(QStringLiteral("Times New Roman"), 14.25, true);
    QFont times12 = CaratterePunti(QStringLiteral("Times New Roman"), 12, true);
    QFont times1575 = CaratterePunti(QStringLiteral("Times New Roman"), 15.75, true);
};

SchermataTavolaScale::SchermataTavolaScale(FinestraPrincipale& finestra)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), tavola_(finestra.stato()) {
    f_.registra(this, "FraTavolaSCale", -1, TipoControllo::Cornice, 14160, 10560, LarghezzaProgetto, AltezzaProgetto);
    cmdTavolaScale_ =
        f_.crea<PulsanteVB>(f_.pagina(), "cmdTavolaScale", -1, TipoControllo::Pulsante, 2400, 2760, 540, 540, 8.25f);
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

void SchermataTavolaScale::alClic(PulsanteVB* b, std::function<void()> azione) {
    connect(b, &PulsanteVB::clic, this, [this, azione = std::move(azione)] {
        azione();
        aggiornaDaModello();
    });
}

void SchermataTavolaScale::costruisci() {
    creaForme();
    const Caratteri c;
    creaColonnaTonalita(c);
    creaLegenda(c);
    creaIstogramma(c);
    creaCopertura(c);
    creaPiede(c);
    costruisciNascosti();
}

// The painted shapes, registered for the painter beneath every control.
void SchermataTavolaScale::creaForme() {
    StatoPrincipale& s = f_.stato();
    auto forma = [&](const char* nome, int i, const Posto& p) {
        s.geometria.registra(nome, i, TipoControllo::Forma, p.l, p.t, p.w, p.h);
        AdattaRegistrazioneTardiva(s, nome, i);
    };
    for (int i = 0; i <= 3; ++i) forma("ShpScale", i, PostiForme[I(i)]);
    for (int n = 1; n <= IntervalliTavola; ++n) {
        forma("ShpLivelliNaturali", n, {1800.0f + 1200.0f * F(n - 1), Livelli[I(n)][0], 1215, Livelli[I(n)][1]});
        forma("ShpIstoScala", n, {Colonna(n), 0, 975, 0});
    }
    grafico_ = new GraficoTavolaScale(tavola_, s.geometria, this);
    grafico_->setGeometry(rect());
}

void SchermataTavolaScale::creaColonnaTonalita(const Caratteri& c) {
    for (int r = 0; r < TonalitaTavola; ++r) {
        const RigaTonalita& tasto = RigheTonalita[I(r)];
        const int k = tasto.tonalita;
        auto* a = Riga(f_, this, "lblNumeroAlterazioni", k, Giu(PostoAlterazioni, tasto.altoPulsante), 12, c.arial12,
                       Allineamento::Centro);
        a->setText(QString::fromUtf8(tasto.alterazioni));
        Opaca(a, Colori::Bianco);
        lblNumeroAlterazioni_[I(k)] = a;
        cmdNotaScala_[I(k)] =
            Pulsante(f_, this, "cmdNotaScala", k, Giu(PostoNotaScala, tasto.altoPulsante), 11.25f, c.arial1125, "");
        alClic(cmdNotaScala_[I(k)], [this, k] { tavola_.nota(k); });
        lblEufonico_[I(k)] = Riga(f_, this, "lblEufonico", k, Giu(PostoEufonico, tasto.altoPulsante), 8.25f, c.sansG,
                                  Allineamento::Centro);
    }
}

// The legend, in the histogram panel's upper left: its buttons, the band
// swatches, the limits between the bands and the texts.
void SchermataTavolaScale::creaLegenda(const Caratteri& c) {
    for (int i = 0; i <= 2; ++i) {
        auto* b = Pulsante(f_, this, "cmdLegenda", i, PostiLegenda[I(i)], 8.25f, c.sansG, CaptionLegenda[I(i)]);
        connect(b, &PulsanteVB::mouseDown, this, [this, i] {
            tavola_.legendaPremi(i);
            aggiornaDaModello();
        });
        alClic(b, [this, i] { tavola_.legenda(i); });
        connect(b, &PulsanteVB::mouseUp, this, [this, i] {
            tavola_.legendaRilascia(i);
            aggiornaDaModello();
        });
        cmdLegenda_[I(i)] = b;
    }
    auto campione = [&](int b, const Posto& p) {
        auto* e = Etichetta(f_, this, "lblLegenda", b, p, 8.25f, c.sans, Allineamento::Centro);
        e->setFrameStyle(QFrame::Box | QFrame::Plain);
        Sfondo(e, ColoriFasce[I(b)]);
        lblLegenda_[I(b)] = e;
    };
    for (int b = 12; b >= 1; --b) campione(b, {1920, AltoCampione[I(b)], 975, 375});
    campione(FasciaZero, PostoFasciaZero);
    for (int n = 11; n >= 1; --n) {
        const bool z = n == 6;
        auto* e = Riga(f_, this, "lblNumLeg", n, {3000, AltoLimite[I(n)], z ? 495.0f : 855.0f, 375}, 8.25f, c.sansG,
                       z ? Allineamento::Centro : Allineamento::Sinistra);
        if (z) Opaca(e, Colori::FacciaPulsante);
        lblNumLeg_[I(n)] = e;
    }
    for (const TestoLegenda& x : TestiLegenda) {
        auto* e = Riga(f_, this, "lblLegenda", x.i, x.posto, x.punti, x.punti == 12 ? c.times12 : c.sans, x.a);
        if (x.i == 18 || x.i == 19) Opaca(e, Colori::SfondoFinestra);
        lblLegenda_[I(x.i)] = e;
    }
}

// Under the bars' feet, and the histogram's own buttons.
void SchermataTavolaScale::creaIstogramma(const Caratteri& c) {
    for (int n = 1; n <= IntervalliTavola; ++n)
        lblScartiInCents_[I(n)] =
            Riga(f_, this, "lblScartiInCents", n, {Colonna(n), 9600, 975, 375}, 8.25f, c.sansG, Allineamento::Centro);
    PulsanteVB** const comandi[] = {&cmdEnfasi_, &cmdInvertiColori_, &cmdSpessore_};
    for (size_t i = 0; i < std::size(comandi); ++i) {
        const Comando& x = ComandiIstogramma[i];
        *comandi[i] = Pulsante(f_, this, x.nome, -1, x.posto, 8.25f, c.sans, x.caption);
        alClic(*comandi[i], [this, azione = x.azione] { (tavola_.*azione)(); });
    }
}

// The table view's cover, over the whole histogram area, with its cells.
void SchermataTavolaScale::creaCopertura(const Caratteri& c) {
    const bool preparata = f_.stato().CopreIstogrammiVisibile;
    FraCopreIstogrammi_ =
        Crea<QFrame>(f_, this, "FraCopreIstogrammi", -1,
                     {preparata ? 1740.0f : 1800.0f, preparata ? 795.0f : 960.0f, 13335, 9345}, 0, c.times);
    FraCopreIstogrammi_->setAutoFillBackground(true);
    for (int r = 0; r < TonalitaTavola; ++r) {
        const RigaTonalita& tasto = RigheTonalita[I(r)];
        for (int iv = 1; iv <= IntervalliTavola; ++iv) {
            const int k = CellaScarto(tasto.tonalita, iv);
            auto* e = Riga(f_, FraCopreIstogrammi_, "lblScala", k,
                           {180.0f + 1200.0f * F(iv - 1), tasto.altoTabella, 975, 375}, 14.25f, c.times,
                           Allineamento::Centro);
            e->setOpaca(true);
            lblScala_[I(k)] = e;
        }
    }
}

// Below the cover: the filter, the intervals' labels and buttons, the title
// and "Esc".
void SchermataTavolaScale::creaPiede(const Caratteri& c) {
    for (const auto& x : PostiPreset) {
        auto* b = Pulsante(f_, this, "cmdPreset", x.p, {x.l, x.t, 655, 375}, 9.75f, c.arial, CaptionPreset[I(x.p)]);
        alClic(b, [this, p = x.p] { tavola_.preset(p); });
        cmdPreset_[I(x.p)] = b;
    }
    for (int i = 1; i <= IntervalliTavola; ++i) {
        auto* e = Etichetta(f_, this, "lblEtichettaNote", i, {Colonna(i), AltoEtichettaNote, 975, 375}, 14.25f, c.times,
                            Allineamento::Centro);
        e->setText(QString::fromUtf8(EtichetteIntervalli[I(i)]));
        e->setAutoFillBackground(true);
        lblEtichettaNote_[I(i)] = e;
        cmdSelezInterv_[I(i)] =
            Pulsante(f_, this, "cmdSelezInterv", i, {Colonna(i), AltoSelezInterv, 975, 375}, 8.25f, c.sansG, "");
        alClic(cmdSelezInterv_[I(i)], [this, i] { tavola_.selezInterv(i); });
    }
    lblLegenda_[14] = Etichetta(f_, this, "lblLegenda", 14, PostoTitolo, 15.75f, c.times1575, Allineamento::Centro);
    cmdEsciSCale_ = Pulsante(f_, this, "cmdEsciSCale", -1, PostoEsci, 9.75f, c.arial, "Esc");
    alClic(cmdEsciSCale_, [this] { tavola_.esci(); });
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
    if (t.aperta && !inVista())
        apri();
    else if (!t.aperta && inVista())
        chiudi();
}

SchermataTavolaScale& InstallaTavolaScale(FinestraPrincipale& finestra) { return *new SchermataTavolaScale(finestra); }

}  // namespace vk
