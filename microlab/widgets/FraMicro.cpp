#include "microlab/widgets/FraMicro.h"

#include <QLabel>
#include <functional>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Testi.h"
#include "microlab/widgets/FraConversione.h"

namespace vk {

namespace {

constexpr ColoreVB ColoreCmdLab = 0xD1DDE7;
constexpr CarattereProgetto Grassetto = {FraMicro::Carattere, nullptr, true};

// Column 1..12 of a band: notes and semitones in row order, fifths and
// thirds from the sixth after the first of the circle (FA#) on.
int Colonna(int riga) {
    switch (GruppoDi(riga)) {
        case GruppoIntervallo::Note: return riga - 36;
        case GruppoIntervallo::Semitoni: return riga - 24;
        case GruppoIntervallo::Terze: return (riga - 13 + 6) % 12 + 1;
        case GruppoIntervallo::Quinte: break;
    }
    return (riga - 1 + 6) % 12 + 1;
}

// Tops of a band's lines: Decim, Cents, Scarto, Micro, buttons (0 = none).
struct Banda {
    float decim, cents, scarto, micro, pulsanti;
    const char* intestazione;
    const char* suggerimento;
    int primaDicitura;  // lblDiciture index of its first line head
};
const Banda& BandaDi(int riga) {
    static const Banda bande[4] = {
        {6600, 6960, 7320, 7680, 8040, "5", "Quinte giuste", 56},
        {4440, 4800, 5160, 5520, 5880, "3+", "Terze Maggiori", 51},
        {2280, 2640, 3000, 3360, 3720, "ST", "Semitoni", 46},
        {0, 0, 840, 1200, 1560, "N", "Note", 43},
    };
    return bande[static_cast<int>(GruppoDi(riga))];
}

// Tops of the horizontal strips that hold the controls: the commands, the
// four bands and the lower panels. Qt repaints a few strips of some dozens
// of controls each far faster than three hundred controls on one parent.
const std::vector<float> IniziFasce = {0, 840, 2160, 4320, 6480, 8760};

float SinistraColonna(int colonna) { return 840.0f + 1200.0f * static_cast<float>(colonna - 1); }

// The table: rows 1..48 in their bands, row 0 (the selected row's copy)
// below them.
constexpr const char* NomiCelle[4] = {"lblQuintaFraz", "lblQuintaCent", "lblQuintaScarto", "lblQuintaPrecisa"};
constexpr float LarghezzaCella = 1095;
constexpr float AltoCella = 255;
constexpr float AltoPulsanteRiga = 495;
constexpr float AltiRiga0[4] = {8880, 9360, 9840, 10320};
constexpr float SinistraRiga0 = 6720, LarghezzaRiga0 = 1935, AltoRiga0 = 375;
constexpr Posto PostoTitolo = {5400, 180, 4575, 330};
constexpr const char* Titolo = "RIDIVAZ UZO - 'Vuvaz-Eza'";

// The quick modifications: what each click of a cycle gives.
constexpr float ColonneLegenda[5] = {10200, 11220, 12240, 13260, 14280};
constexpr float LarghezzaLegenda = 990;
constexpr float AltoClicks = 9225;
constexpr const char* Clicks[5] = {"N\xC2\xB0 Clicks:", "1\xC2\xB0", "2\xC2\xB0", "3\xC2\xB0", "4\xC2\xB0"};
struct RigaLegenda {
    const char* nome;
    float alto;
    const char* testi[5];
};
constexpr RigaLegenda RigheLegenda[3] = {
    {"lblEtiQuinta", 9510, {"QUINTE:", "Val. iniziale", "Copia Sx", "Quinta Eq.", "Quinta Nat."}},
    {"lblEtiTerze", 9795, {"TERZE+ :", "Val. iniziale", "Terza Eq.", "Terza Nat.", "-----"}},
    {"lblEtiSemitoni", 10080, {"SEMITONI:", "Val. iniziale", "Copia Sx ", "ST Equab.", "-----"}},
};
constexpr Posto PostoModifiche = {10200, 8925, 5070, 255};
constexpr Posto PostoSpiegazione = {10200, 10440, 5070, 615};
constexpr const char* Spiegazione =
    "Clicks ripetuti in successione sullo stesso pulsante d'intervallo produrranno i risultati "
    "riportati nella tabella (in rosso gli attuali)";
// The head of a legend's line on the left, its clicks centred.
Allineamento AllineamentoColonna(int j) { return j == 0 ? Allineamento::Sinistra : Allineamento::Centro; }

// The reference sizes.
struct Riferimento {
    const char* valori[5];  // name, Micro, Scarto, Cents, Decim
    int gruppo;             // 0 semitone, 1 third, 2 fifth
    bool equabile;
};
constexpr Riferimento Riferimenti[8] = {
    {{"ST diat. ('Limma')", "127908", "-9,7765", "90,2235", "1,0535"}, 0, false},
    {{"Semitono Equabile", "141768", "0", "100", "1,05946"}, 0, true},
    {{"ST cr. ('Apotome')", "161172", "13,6872", "113,6872", "1,06787"}, 0, false},
    {{"Terza+ Naturale", "547668", "0", "386,3137", "1,25"}, 1, false},
    {{"Terza+ Equabile", "567072", "13,6863", "400", "1,25992"}, 1, true},
    {{"Terza+ Pitagorica", "578160", "21,5084", "407,8212", "1,26563"}, 1, false},
    {{"Quinta Equabile", "992376", "-1,9553", "700", "1,49831"}, 2, true},
    {{"Quinta Naturale", "995148", "0", "701,9553", "1,5"}, 2, false},
};
constexpr float AltiRiferimenti[8] = {8880, 9165, 9465, 9750, 10050, 10335, 10620, 10920};
constexpr float SinistreRiferimenti[5] = {360, 1920, 2760, 3600, 4440};
constexpr ColoreVB ColoriGruppo[3] = {ColoriMicro::Semitoni, ColoriMicro::Terze, ColoriMicro::Quinte};
constexpr const char* ScartiRiferimenti[3] = {"Scarto in Cents rispetto al Semitono Equabile",
                                              "Scarto in Cents rispetto alla Terza maggiore Naturale",
                                              "Scarto in Cents rispetto alla Quinta Naturale"};
constexpr const char* SuggerimentiRiferimenti[5] = {"Nome dell'intervallo", "Valore micrometrico dell'intervallo",
                                                    nullptr, "Valore intervallo in Cents",
                                                    "Frazione intervallo ridotta a decimale"};

// RESET, APPLICA, ANNULLA along the top.
struct Comando {
    const char* nome;
    float sinistra;
    const char* caption;
    const char* suggerimento;
};
constexpr Comando Comandi[3] = {
    {"cmdResetMicro", 840, "RESET", "'Azzera' tutti gli indicatori impostandoli sui valori equabili"},
    {"CmdApplicaMicro", 12840, "APPLICA", "Applica al temperamento in corso i dati modificati in questo Pannello"},
    {"cmdAnnullaMicro", 14040, "ANNULLA", "Torna alla finestra principale senza apportare alcuna modifica"},
};
constexpr float AltoComandi = 120, LarghezzaComando = 1095, AltezzaComando = 495;

// The steps 1..8 (element 0 unused).
struct Scatto {
    const char* caption;
    float sinistra, alto;
};
constexpr Scatto Scatti[9] = {{"", 0, 0},          {"0.0001", 8880, 10680}, {"0.001", 8880, 10125},
                              {"0.01", 8880, 9555}, {"0.1", 8880, 9000},     {"1", 5760, 10680},
                              {"10", 5760, 10125},  {"100", 5760, 9555},     {"1000", 5760, 9000}};
constexpr float LarghezzaScatto = 735, AltezzaScatto = 375;

// "<" and ">".
struct Freccia {
    const char* nome;
    float sinistra;
    const char* caption;
    const char* timer;
};
constexpr Freccia Frecce[2] = {{"cmdDiminuisci", 6720, "<", "TmrDiminuisci"}, {"cmdAumenta", 7800, ">", "TmrAumenta"}};
constexpr float AltoFrecce = 10800, LarghezzaFreccia = 855, AltezzaFreccia = 375;

constexpr Posto PostoLab = {13680, 240, 855, 375};

}  // namespace

FraMicro::FraMicro(FinestraPrincipale& finestra, TabellaMicroLab& modello)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), m_(modello) {
    setColoreSfondo(m_.sfondo);
    // Opening puts the screen at Left 0, Top 0, where it then stays.
    f_.registraTardivo(this, "FraMicro", -1, TipoControllo::Cornice, Posto{0, 0, LarghezzaProgetto, AltezzaProgetto});
    // The font every control of the screen shares, scaled as a control's
    // would be: the controls then need none of their own, which is far
    // cheaper than a font per widget.
    float punti = Carattere;
    if (const auto& fattori = f_.stato().fattoriAdattamento)
        punti = static_cast<float>(static_cast<double>(Carattere) * fattori->caratteri);
    QFont carattere = font();
    ImpostaPunti(carattere, punti);
    setFont(carattere);
    Costruttore k(f_, this, {Carattere});
    k.fasce(IniziFasce, Colori::Bianco);
    creaTabella(k);
    creaDiciture(k);
    creaLegenda(k);
    creaRiferimenti(k);
    creaComandi(k);
    creaFrecce(k);
    creaNascoste(k);
    conversione_ = new FraConversione(f_, k, *this, m_);
}

void FraMicro::creaTabella(Costruttore& k) {
    for (int r = 1; r <= 48; ++r) {
        const Banda& b = BandaDi(r);
        const float sinistra = SinistraColonna(Colonna(r));
        const float alti[4] = {b.decim, b.cents, b.scarto, b.micro};
        for (size_t c = 0; c < 4; ++c) {
            // The notes' Cents and Decim lie in a panel that is never shown.
            const bool nascosta = alti[c] == 0;
            auto* l = k.cella(NomiCelle[c], r, {sinistra, nascosta ? -1000 : alti[c], LarghezzaCella, AltoCella},
                              Colori::Bianco);
            if (nascosta) l->hide();
            celle_[static_cast<size_t>(r)][c] = l;
        }
        auto* p = k.pulsante("cmdQuintaM", r, {sinistra, b.pulsanti, LarghezzaCella, AltoPulsanteRiga}, {},
                             ColoreGruppo(r));
        cmdQuintaM_[static_cast<size_t>(r)] = p;
        connect(p, &PulsanteVB::clic, this, [this, r] {
            m_.cmdQuintaM_Click(r);
            aggiornaDaModello();
        });
    }
    // Row 0's Micro in the window's colours.
    for (size_t c = 0; c < 4; ++c) {
        const Posto p{SinistraRiga0, AltiRiga0[c], LarghezzaRiga0, AltoRiga0};
        celle_[0][c] = c == 3 ? k.cella(NomiCelle[c], 0, p, Colori::SfondoFinestra, Colori::TestoFinestra)
                              : k.cella(NomiCelle[c], 0, p, Colori::Bianco);
    }
}

void FraMicro::creaDiciture(Costruttore& k) {
    // Line heads and band headers.
    for (int riga : {37, 25, 13, 1}) {
        const Banda& b = BandaDi(riga);
        int indice = b.primaDicitura;
        const std::pair<float, const char*> linee[4] = {
            {b.decim, "Decim"}, {b.cents, "Cents"}, {b.scarto, "Scarto"}, {b.micro, "Micro"}};
        for (const auto& [alto, testo] : linee)
            if (alto > 0) k.etichetta("lblDiciture", indice++, {240, alto, 495, AltoCella}, QString::fromUtf8(testo));
        k.etichetta("lblDiciture", indice, {330, b.pulsanti, 375, AltoPulsanteRiga},
                    QString::fromUtf8(b.intestazione), Allineamento::Centro, Grassetto)
            ->setToolTip(QString::fromUtf8(b.suggerimento));
    }
    k.etichetta("lblDiciture", 42, PostoTitolo, QString::fromUtf8(Titolo), Allineamento::Centro, Grassetto);
}

void FraMicro::creaLegenda(Costruttore& k) {
    k.etichetta("lblDiciture", 40, PostoModifiche, QStringLiteral("MODIFICHE VELOCI:"));
    for (int j = 0; j <= 4; ++j)
        k.etichetta("lblNClicks", j, {ColonneLegenda[j], AltoClicks, LarghezzaLegenda, AltoCella},
                    QString::fromUtf8(Clicks[j]), AllineamentoColonna(j));
    const std::array<ColoreVB, 5>* colori[3] = {&m_.lblEtiQuinta, &m_.lblEtiTerze, &m_.lblEtiSemitoni};
    for (size_t i = 0; i < 3; ++i)
        for (int j = 0; j <= 4; ++j) {
            const RigaLegenda& r = RigheLegenda[i];
            QLabel* l = k.etichetta(r.nome, j, {ColonneLegenda[j], r.alto, LarghezzaLegenda, AltoCella},
                                    QString::fromUtf8(r.testi[j]), AllineamentoColonna(j));
            Riempi(l, (*colori[i])[static_cast<size_t>(j)]);
            legenda_[i][static_cast<size_t>(j)] = l;
        }
    k.etichetta("lblDiciture", 41, PostoSpiegazione, QString::fromUtf8(Spiegazione));
}

void FraMicro::creaRiferimenti(Costruttore& k) {
    for (int i = 0; i < 8; ++i) {
        const Riferimento& r = Riferimenti[i];
        for (int c = 0; c < 5; ++c) {
            const Posto p{SinistreRiferimenti[c], AltiRiferimenti[i], c == 0 ? 1455.0f : 735.0f, AltoCella};
            QLabel* l = k.etichetta("lblDiciture", i * 5 + c, p, QString::fromUtf8(r.valori[c]), AllineamentoColonna(c));
            Riempi(l, c == 0 || r.equabile ? ColoriGruppo[r.gruppo] : Colori::Bianco);
            l->setToolTip(QString::fromUtf8(c == 2 ? ScartiRiferimenti[r.gruppo] : SuggerimentiRiferimenti[c]));
        }
    }
}

void FraMicro::creaComandi(Costruttore& k) {
    const std::function<void()> azioni[3] = {
        [this] { m_.cmdResetMicro_Click(); },
        [this] {
            StatoPrincipale& s = f_.stato();
            m_.CmdApplicaMicro_Click(s.temperamento, s.istogrammi, s.altezzaSchermo());
        },
        [this] { m_.cmdAnnullaMicro_Click(); }};
    for (int i = 0; i < 3; ++i) {
        const Comando& c = Comandi[i];
        auto* p = k.pulsante(c.nome, -1, {c.sinistra, AltoComandi, LarghezzaComando, AltezzaComando},
                             QString::fromUtf8(c.caption), Colori::GrigioAzzurro);
        p->setToolTip(QString::fromUtf8(c.suggerimento));
        connect(p, &PulsanteVB::clic, this, [this, azione = azioni[i]] {
            azione();
            aggiornaDaModello();
        });
        // APPLICA changes the temperament: the main screen follows.
        if (i == 1) connect(p, &PulsanteVB::clic, &f_, &FinestraPrincipale::aggiorna);
    }
    for (int i = 1; i <= 8; ++i) {
        const Scatto& s = Scatti[i];
        auto* p = k.pulsante("cmdScatto", i, {s.sinistra, s.alto, LarghezzaScatto, AltezzaScatto},
                             QString::fromUtf8(s.caption), m_.coloreScatto[static_cast<size_t>(i)]);
        cmdScatto_[static_cast<size_t>(i)] = p;
        connect(p, &PulsanteVB::clic, this, [this, i] {
            m_.cmdScatto_Click(i);
            aggiornaDaModello();
        });
    }
}

void FraMicro::creaFrecce(Costruttore& k) {
    // The press starts the timer only where the model allows it; the click
    // and the release are the repetition's own.
    RipetizioneAutomatica* ripetizioni[2] = {&m_.diminuisci, &m_.aumenta};
    const std::function<void()> premi[2] = {[this] { m_.cmdDiminuisci_MouseDown(); },
                                            [this] { m_.cmdAumenta_MouseDown(); }};
    PilotaRipetizione** piloti[2] = {&pilotaDiminuisci_, &pilotaAumenta_};
    for (int i = 0; i < 2; ++i) {
        const Freccia& f = Frecce[i];
        auto* p = k.pulsante(f.nome, -1, {f.sinistra, AltoFrecce, LarghezzaFreccia, AltezzaFreccia},
                             QString::fromUtf8(f.caption), Colori::FacciaPulsante);
        p->setGrafico(false);
        auto* pilota = new PilotaRipetizione(*ripetizioni[i], this);
        pilota->timer().setObjectName(QString::fromUtf8(f.timer));
        PilotaRipetizione::Gesti gesti = pilota->propri();
        gesti.premi = premi[i];
        pilota->collega(p, std::move(gesti));
        connect(pilota, &PilotaRipetizione::eseguito, this, &FraMicro::aggiornaDaModello);
        *piloti[i] = pilota;
    }
}

void FraMicro::creaNascoste(Costruttore& k) {
    // The hidden state labels, found by name like every control.
    lblIndexM_ = k.nascosta("lblIndexM");
    lblClickN_ = k.nascosta("lblClickN");
    lblMemValore_ = k.nascosta("lblMemValore");
    lblRitornoQuintaIniziale_ = k.nascosta("lblRitornoQuintaIniziale");
    lblIndexScattoM_ = k.nascosta("lblIndexScattoM");
    for (int j = 1; j <= 7; ++j) lblSeqInt_[static_cast<size_t>(j)] = k.nascosta("lblSeqInt", j);
}

void FraMicro::aggiornaDaModello() {
    setColoreSfondo(m_.sfondo);
    for (size_t r = 0; r <= 48; ++r) {
        const RigaMicro& riga = m_.righe[r];
        const std::string* testi[4] = {&riga.Decim, &riga.Cents, &riga.Scarto, &riga.Micro};
        for (size_t c = 0; c < 4; ++c) ScriviSeDiverso(celle_[r][c], *testi[c]);
        // Row 0 keeps its own colours.
        if (r == 0) continue;
        for (QLabel* l : celle_[r]) Colora(l, QPalette::Window, riga.colore);
        ScriviSeDiverso(cmdQuintaM_[r], m_.cmdQuintaM[r]);
        cmdQuintaM_[r]->setColoreSfondo(m_.coloreQuintaM[r]);
    }
    for (size_t i = 1; i <= 8; ++i) cmdScatto_[i]->setColoreSfondo(m_.coloreScatto[i]);
    const std::array<ColoreVB, 5>* colori[3] = {&m_.lblEtiQuinta, &m_.lblEtiTerze, &m_.lblEtiSemitoni};
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j <= 4; ++j) Colora(legenda_[i][j], QPalette::Window, (*colori[i])[j]);
    const TabellaMicroLab::EtichetteNascoste nascoste = m_.etichetteNascoste();
    ScriviSeDiverso(lblIndexM_, nascoste.lblIndexM);
    ScriviSeDiverso(lblClickN_, nascoste.lblClickN);
    ScriviSeDiverso(lblMemValore_, nascoste.lblMemValore);
    ScriviSeDiverso(lblRitornoQuintaIniziale_, nascoste.lblRitornoQuintaIniziale);
    ScriviSeDiverso(lblIndexScattoM_, nascoste.lblIndexScattoM);
    for (size_t j = 1; j <= 7; ++j) ScriviSeDiverso(lblSeqInt_[j], nascoste.lblSeqInt[j]);
    conversione_->aggiornaDaModello();
    mostraSe(m_.aperta);
}

MicroLab::MicroLab(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    cmdLab_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdLab", -1, TipoControllo::Pulsante, PostoLab.sinistra, PostoLab.alto,
                                  PostoLab.larghezza, PostoLab.altezza, FraMicro::Carattere);
    cmdLab_->setText(QStringLiteral("Vuvaz-Eza"));
    cmdLab_->setGrafico(true);
    cmdLab_->setColoreSfondo(ColoreCmdLab);
    cmdLab_->setToolTip(QStringLiteral("Mostra Tavola Vuvaz-Eza"));
    connect(cmdLab_, &PulsanteVB::clic, this, &MicroLab::apri);
}

void MicroLab::apri() {
    FraMicro& schermata = costruita(f_, modello_);
    const StatoPrincipale& s = f_.stato();
    modello_.cmdLab_Click(s.temperamento, s.LinguaNote);
    schermata.aggiornaDaModello();
}

MicroLab& InstallaMicroLab(FinestraPrincipale& finestra) { return *new MicroLab(finestra); }

}  // namespace vk
