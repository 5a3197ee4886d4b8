#include "keytable/widgets/SchermataTavolaScale.h"

#include <QFrame>
#include <QLabel>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Testi.h"
#include "keytable/widgets/GraficoTavolaScale.h"

namespace vk {

namespace {

constexpr size_t I(int i) { return static_cast<size_t>(i); }
float F(int i) { return static_cast<float>(i); }
float Colonna(int iv) { return 1920.0f + 1200.0f * F(iv - 1); }
Posto Giu(Posto p, float alto) { return {p.sinistra, p.alto + alto, p.larghezza, p.altezza}; }

constexpr CarattereProgetto Sans = {8.25f};
constexpr CarattereProgetto SansG = {8.25f, "MS Sans Serif", true};
constexpr CarattereProgetto Arial = {9.75f, "Arial", true};
constexpr CarattereProgetto Times = {14.25f, "Times New Roman", true};
constexpr CarattereProgetto Times12 = {12, "Times New Roman", true};

constexpr Posto PostoSc = {2400, 2760, 540, 540};
constexpr Posto PostoSchermata = {14160, 10560, LarghezzaProgetto, AltezzaProgetto};

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
constexpr Posto PostoAlterazioni = {240, 45, 375, 375};
constexpr Posto PostoNotaScala = {720, 0, 735, 375};
constexpr Posto PostoEufonico = {120, 360, 615, 255};
constexpr CarattereProgetto CarattereAlterazioni = {12, "Arial", true};
constexpr CarattereProgetto CarattereNotaScala = {11.25f, "Arial", true};
// The legend: its buttons, the swatches' Tops band 1 to 12, the zero band,
// and the limit labels' Tops, lblNumLeg(1..11).
constexpr std::array<Posto, 3> PostiLegenda = {{{1920, 960, 255, 375}, {2220, 960, 375, 375}, {2640, 960, 255, 375}}};
constexpr std::array<float, 13> AltoCampione = {0,    6930, 6435, 5940, 5445, 4950, 4440,
                                                3945, 3450, 2955, 2460, 1950, 1455};
constexpr Posto PostoFasciaZero = {3000, 4200, 495, 375};
constexpr std::array<float, 12> AltoLimite = {0, 6720, 6210, 5715, 5205, 4710, 4200, 3690, 3195, 2685, 2190, 1680};
// The legend's texts, lblLegenda(i).
struct TestoLegenda {
    int i;
    Posto posto;
    CarattereProgetto carattere;
    Allineamento a;
};
constexpr TestoLegenda TestiLegenda[] = {
    {0, {3000, 1320, 855, 255}, Sans, Allineamento::Sinistra},
    {16, {4080, 1035, 8535, 375}, Sans, Allineamento::Centro},
    {15, {4920, 1320, 6975, 375}, Sans, Allineamento::Centro},
    {17, {4920, 2040, 4935, 375}, Times12, Allineamento::Destra},
    {18, {9840, 2040, 735, 300}, Times12, Allineamento::Centro},
    {20, {4920, 2400, 3735, 375}, Times12, Allineamento::Destra},
    {19, {8760, 2400, 1455, 300}, Times12, Allineamento::Centro},
};
// The histogram's own buttons.
struct Comando {
    const char* nome;
    Posto posto;
    const char* caption;
    // A plain function rather than a member pointer: GCC 12's undefined-behaviour
    // checks misread a member pointer called from a closure.
    void (*azione)(TavolaScale&);
};
constexpr Comando ComandiIstogramma[] = {
    {"cmdEnfasi", {1920, 7440, 975, 375}, "Enfasi Isto", [](TavolaScale& t) { t.enfasi(); }},
    {"cmdInvertiColori", {3600, 3960, 975, 375}, "Inverti", [](TavolaScale& t) { t.inverti(); }},
    {"cmdSpessore", {3600, 4440, 975, 375}, "Linee 1", [](TavolaScale& t) { t.spessore(); }},
};
// The table view's cover, as designed and as the settings may prepare it.
constexpr Posto PostoCopertura = {1800, 960, 13335, 9345};
constexpr Posto PostoCoperturaPreparata = {1740, 795, 13335, 9345};
// Below the cover: the filter's presets, the interval labels and buttons.
constexpr struct {
    int p;
    Posto posto;
} PostiPreset[] = {
    {3, {120, 10440, 655, 375}}, {0, {915, 10440, 655, 375}}, {2, {120, 10920, 655, 375}}, {1, {915, 10920, 655, 375}}};
constexpr float AltoEtichettaNote = 10440, AltoSelezInterv = 10920;
constexpr Posto PostoTitolo = {1680, 180, 13455, 375};
constexpr CarattereProgetto CarattereTitolo = {15.75f, "Times New Roman", true};
constexpr Posto PostoEsci = {480, 160, 780, 375};

void Vedi(QWidget* w, bool si) {
    if (w->isHidden() == si) w->setVisible(si);
}

}  // namespace

SchermataTavolaScale::SchermataTavolaScale(FinestraPrincipale& finestra, TavolaScale& modello)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), tavola_(modello) {
    f_.registraTardivo(this, "FraTavolaSCale", -1, TipoControllo::Cornice, PostoSchermata);
    creaForme();
    Costruttore k(f_, this);
    creaColonnaTonalita(k);
    creaLegenda(k);
    creaIstogramma(k);
    creaCopertura(k);
    creaPiede(k);
    creaNascosti(k);
}

void SchermataTavolaScale::alClic(PulsanteVB* b, std::function<void()> azione) {
    connect(b, &PulsanteVB::clic, this, [this, azione = std::move(azione)] {
        azione();
        aggiornaDaModello();
    });
}

// The painted shapes, registered for the painter beneath every control.
void SchermataTavolaScale::creaForme() {
    auto forma = [this](const char* nome, int i, const Posto& p) {
        f_.registraDisegnato(nome, i, TipoControllo::Forma, p);
    };
    for (int i = 0; i <= 3; ++i) forma("ShpScale", i, PostiForme[I(i)]);
    for (int n = 1; n <= IntervalliTavola; ++n) {
        forma("ShpLivelliNaturali", n, {1800.0f + 1200.0f * F(n - 1), Livelli[I(n)][0], 1215, Livelli[I(n)][1]});
        forma("ShpIstoScala", n, {Colonna(n), 0, 975, 0});
    }
    grafico_ = new GraficoTavolaScale(tavola_, f_.stato().geometria, this);
    grafico_->setGeometry(rect());
}

// A one-line text over the panel or the key column, transparent: laid out
// once, so that a key shown or taken away repaints quickly.
CellaTesto* SchermataTavolaScale::riga(Costruttore& k, const char* nome, int indice, const Posto& p,
                                       const CarattereProgetto& c, Allineamento a) {
    auto* e = k.crea<CellaTesto>(nome, indice, p, c);
    FormaEtichetta(e, a);
    e->setWordWrap(false);
    return e;
}

void SchermataTavolaScale::creaColonnaTonalita(Costruttore& k) {
    for (int r = 0; r < TonalitaTavola; ++r) {
        const RigaTonalita& tasto = RigheTonalita[I(r)];
        const int n = tasto.tonalita;
        auto* a = k.cella("lblNumeroAlterazioni", n, Giu(PostoAlterazioni, tasto.altoPulsante), Colori::Bianco, {},
                          Allineamento::Centro, CarattereAlterazioni);
        a->setText(QString::fromUtf8(tasto.alterazioni));
        lblNumeroAlterazioni_[I(n)] = a;
        cmdNotaScala_[I(n)] = k.pulsante("cmdNotaScala", n, Giu(PostoNotaScala, tasto.altoPulsante), {},
                                         Colori::FacciaPulsante, CarattereNotaScala);
        alClic(cmdNotaScala_[I(n)], [this, n] { tavola_.nota(n); });
        lblEufonico_[I(n)] =
            riga(k, "lblEufonico", n, Giu(PostoEufonico, tasto.altoPulsante), SansG, Allineamento::Centro);
    }
}

// The legend, in the histogram panel's upper left: its buttons, the band
// swatches, the limits between the bands and the texts.
void SchermataTavolaScale::creaLegenda(Costruttore& k) {
    for (int i = 0; i <= 2; ++i) {
        auto* b = k.pulsante("cmdLegenda", i, PostiLegenda[I(i)], QString::fromUtf8(CaptionLegenda[I(i)]),
                             Colori::FacciaPulsante, SansG);
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
        auto* e = k.etichetta("lblLegenda", b, p, {}, Allineamento::Centro, Sans);
        e->setFrameStyle(QFrame::Box | QFrame::Plain);
        Riempi(e, ColoriFasce[I(b)]);
        lblLegenda_[I(b)] = e;
    };
    for (int b = 12; b >= 1; --b) campione(b, {1920, AltoCampione[I(b)], 975, 375});
    campione(FasciaZero, PostoFasciaZero);
    for (int n = 11; n >= 1; --n) {
        const Posto p = {3000, AltoLimite[I(n)], n == 6 ? 495.0f : 855.0f, 375};
        lblNumLeg_[I(n)] = n == 6 ? k.cella("lblNumLeg", n, p, Colori::FacciaPulsante, {}, Allineamento::Centro, SansG)
                                  : riga(k, "lblNumLeg", n, p, SansG, Allineamento::Sinistra);
    }
    for (const TestoLegenda& x : TestiLegenda)
        lblLegenda_[I(x.i)] = x.i == 18 || x.i == 19
                                  ? k.cella("lblLegenda", x.i, x.posto, Colori::SfondoFinestra, {}, x.a, x.carattere)
                                  : riga(k, "lblLegenda", x.i, x.posto, x.carattere, x.a);
}

// Under the bars' feet, and the histogram's own buttons.
void SchermataTavolaScale::creaIstogramma(Costruttore& k) {
    for (int n = 1; n <= IntervalliTavola; ++n)
        lblScartiInCents_[I(n)] =
            riga(k, "lblScartiInCents", n, {Colonna(n), 9600, 975, 375}, SansG, Allineamento::Centro);
    PulsanteVB** const comandi[] = {&cmdEnfasi_, &cmdInvertiColori_, &cmdSpessore_};
    for (size_t i = 0; i < std::size(comandi); ++i) {
        const Comando& x = ComandiIstogramma[i];
        *comandi[i] = k.pulsante(x.nome, -1, x.posto, QString::fromUtf8(x.caption), Colori::FacciaPulsante, Sans);
        alClic(*comandi[i], [this, azione = x.azione] { azione(tavola_); });
    }
}

// The table view's cover, over the whole histogram area, with its cells.
void SchermataTavolaScale::creaCopertura(Costruttore& k) {
    const bool preparata = f_.stato().CopreIstogrammiVisibile;
    FraCopreIstogrammi_ =
        k.crea<QFrame>("FraCopreIstogrammi", -1, preparata ? PostoCoperturaPreparata : PostoCopertura);
    FraCopreIstogrammi_->setAutoFillBackground(true);
    Costruttore celle(f_, FraCopreIstogrammi_);
    for (int r = 0; r < TonalitaTavola; ++r) {
        const RigaTonalita& tasto = RigheTonalita[I(r)];
        for (int iv = 1; iv <= IntervalliTavola; ++iv) {
            const int c = CellaScarto(tasto.tonalita, iv);
            lblScala_[I(c)] = celle.cella("lblScala", c, {180.0f + 1200.0f * F(iv - 1), tasto.altoTabella, 975, 375},
                                          Colori::Bianco, {}, Allineamento::Centro, Times);
        }
    }
}

// Below the cover: the filter, the intervals' labels and buttons, the title
// and "Esc".
void SchermataTavolaScale::creaPiede(Costruttore& k) {
    for (const auto& x : PostiPreset) {
        auto* b = k.pulsante("cmdPreset", x.p, x.posto, QString::fromUtf8(CaptionPreset[I(x.p)]),
                             Colori::FacciaPulsante, Arial);
        alClic(b, [this, p = x.p] { tavola_.preset(p); });
        cmdPreset_[I(x.p)] = b;
    }
    for (int i = 1; i <= IntervalliTavola; ++i) {
        auto* e = k.etichetta("lblEtichettaNote", i, {Colonna(i), AltoEtichettaNote, 975, 375},
                              QString::fromUtf8(EtichetteIntervalli[I(i)]), Allineamento::Centro, Times);
        e->setAutoFillBackground(true);
        lblEtichettaNote_[I(i)] = e;
        cmdSelezInterv_[I(i)] =
            k.pulsante("cmdSelezInterv", i, {Colonna(i), AltoSelezInterv, 975, 375}, {}, Colori::FacciaPulsante, SansG);
        alClic(cmdSelezInterv_[I(i)], [this, i] { tavola_.selezInterv(i); });
    }
    lblLegenda_[14] = k.etichetta("lblLegenda", 14, PostoTitolo, {}, Allineamento::Centro, CarattereTitolo);
    cmdEsciSCale_ = k.pulsante("cmdEsciSCale", -1, PostoEsci, QStringLiteral("Esc"), Colori::FacciaPulsante, Arial);
    alClic(cmdEsciSCale_, [this] { tavola_.esci(); });
}

// Hidden at design and never shown, so neither placed nor scaled.
void SchermataTavolaScale::creaNascosti(Costruttore& k) {
    auto etichetta = [&](const char* nome, int indice, const std::string& testo = {}) {
        QLabel* l = k.nascosta(nome, indice);
        l->setText(QString::fromStdString(testo));
        return l;
    };
    lblClickScale_ = etichetta("lblClickScale", -1);
    lblNotaSelezionata_ = etichetta("lblNotaSelezionata", -1);
    lblPreset_ = etichetta("lblPreset", -1);
    for (int n = 1; n <= IntervalliTavola; ++n)
        etichetta("lblProgressivi", n, std::to_string(ProgressiviNaturali[I(n)]));
    for (int n = 0; n < VociSequenzaScale; ++n) etichetta("lblSequenzaScale", n, std::to_string(SequenzaScale(n)));
    lblScala_[0] = etichetta("lblScala", 0);
    lblEufonico_[0] = etichetta("lblEufonico", 0);
    lblEtichettaNote_[0] = etichetta("lblEtichettaNote", 0, EtichetteIntervalli[0]);
    auto nascosto = [](auto* w, const char* nome, int indice) {
        w->setObjectName(NomeOggetto(nome, indice));
        w->setFocusPolicy(Qt::NoFocus);
        w->hide();
        return w;
    };
    // The computation runs from the opening, never from a click on this.
    cmdOperazioniScale_ = nascosto(new PulsanteVB(this), "cmdOperazioniScale", -1);
    cmdOperazioniScale_->setText(QStringLiteral("cmdOperazioniScale"));
    cmdPreset_[4] = nascosto(new PulsanteVB(this), "cmdPreset", 4);
    FraScaleInterno_ = nascosto(new QFrame(this), "FraScaleInterno", -1);
    // Their frame hides them; written when the model computes the table anew.
    for (int c = CelleScarti + 1; c < CelleTavola; ++c) {
        auto* l = new QLabel(FraScaleInterno_);
        l->setObjectName(NomeOggetto("lblScala", c));
        lblScala_[I(c)] = l;
    }
}

void SchermataTavolaScale::aggiornaDaModello() {
    const TavolaScale& t = tavola_;
    for (int k = 1; k <= TonalitaTavola; ++k) {
        ScriviSeDiverso(cmdNotaScala_[I(k)], t.cmdNotaScala[I(k)]);
        cmdNotaScala_[I(k)]->setColoreSfondo(t.coloreNotaScala[I(k)]);
        Colora(lblNumeroAlterazioni_[I(k)], QPalette::WindowText, t.testoAlterazioni[I(k)]);
        ScriviSeDiverso(lblEufonico_[I(k)], t.lblEufonico[I(k)]);
        Colora(lblEufonico_[I(k)], QPalette::WindowText, t.testoEufonico[I(k)]);
    }
    Colora(FraCopreIstogrammi_, QPalette::Window, t.coloreCopertura());
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
    for (int i = 0; i <= 2; ++i) cmdLegenda_[I(i)]->setColoreSfondo(t.coloreLegenda[I(i)]);
    for (int i = 1; i <= IntervalliTavola; ++i) {
        ScriviSeDiverso(lblScartiInCents_[I(i)], t.lblScartiInCents[I(i)]);
        Vedi(lblScartiInCents_[I(i)], t.visibileIsto[I(i)]);
        ScriviSeDiverso(cmdSelezInterv_[I(i)], t.cmdSelezInterv[I(i)]);
        cmdSelezInterv_[I(i)]->setColoreSfondo(t.coloreSelezInterv[I(i)]);
        Colora(lblEtichettaNote_[I(i)], QPalette::Window, t.selezioneLibera()[I(i)]);
    }
    for (int p = 0; p <= 3; ++p) cmdPreset_[I(p)]->setColoreSfondo(t.colorePreset[I(p)]);
    cmdEnfasi_->setColoreSfondo(t.coloreEnfasi);
    cmdInvertiColori_->setColoreSfondo(t.coloreInverti);
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
    mostraSe(t.aperta);
}

TavolaScaleInstallata::TavolaScaleInstallata(FinestraPrincipale& finestra)
    : QObject(&finestra), SchermataInstallata(finestra.stato()), f_(finestra) {
    setObjectName(QStringLiteral("TavolaScale"));
    cmdTavolaScale_ = PulsanteApertura(f_, "cmdTavolaScale", PostoSc, Sans.punti, QStringLiteral("Sc"),
                                       ColoriTavola::SfondoSc, QStringLiteral("Mostra Tabella tonalit\u00E0"));
    connect(cmdTavolaScale_, &PulsanteVB::clic, this, &TavolaScaleInstallata::cmdTavolaScale_Click);
}

void TavolaScaleInstallata::cmdTavolaScale_Click() {
    SchermataTavolaScale& schermata = costruita(f_, modello_);
    modello_.apri();
    schermata.aggiornaDaModello();
}

TavolaScaleInstallata& InstallaTavolaScale(FinestraPrincipale& finestra) {
    return *new TavolaScaleInstallata(finestra);
}

}  // namespace vk
