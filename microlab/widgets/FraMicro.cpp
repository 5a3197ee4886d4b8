#include "microlab/widgets/FraMicro.h"

#include <algorithm>
#include <functional>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "app/Adattamento.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/Testi.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"
#include "microlab/widgets/FraConversione.h"

namespace vk {

namespace {

constexpr ColoreVB ColoreCmdLab = 0xD1DDE7;

void Sfondo(QWidget* w, ColoreVB c) {
    w->setAutoFillBackground(true);
    Colora(w, QPalette::Window, c);
}

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
constexpr std::array<float, 6> IniziFasce = {0, 840, 2160, 4320, 6480, 8760};

float SinistraColonna(int colonna) { return 840.0f + 1200.0f * static_cast<float>(colonna - 1); }

}  // namespace

template <class W>
W* FraMicro::crea(QWidget* genitore, const char* nome, int indice, float sinistra, float alto, float larghezza,
                  float altezza, float carattere) {
    // The screen's controls go into the strip of their band (see fasce_).
    QWidget* fascia = genitore == this ? fasciaDi(alto) : nullptr;
    // Registered without a font of its own: every control here has the
    // screen's font, set once, which is far cheaper than a font per widget.
    W* w = f_.crea<W>(fascia ? fascia : genitore, nome, indice, TipoDaNome(nome), sinistra, alto, larghezza,
                      altezza, 0);
    StatoPrincipale& s = f_.stato();
    VoceGeometria* v = s.geometria.trova(nome, indice);
    v->carattere = carattere;
    // Built after the load: scaled as the re-layout would have scaled it.
    const bool scalato = AdattaRegistrazioneTardiva(s, nome, indice);
    if (scalato || fascia) w->setGeometry(RettangoloPixel(*v).translated(fascia ? -fascia->pos() : QPoint()));
    return w;
}

// The conversion panel builds these too, in its own file.
template QFrame* FraMicro::crea<QFrame>(QWidget*, const char*, int, float, float, float, float, float);
template QLineEdit* FraMicro::crea<QLineEdit>(QWidget*, const char*, int, float, float, float, float, float);
template PulsanteVB* FraMicro::crea<PulsanteVB>(QWidget*, const char*, int, float, float, float, float, float);

QWidget* FraMicro::fasciaDi(float alto) const {
    for (size_t i = fasce_.size(); i-- > 0;)
        if (alto >= IniziFasce[i]) return fasce_[i];
    return nullptr;
}

QLabel* FraMicro::etichetta(QWidget* genitore, const char* nome, int indice, float sinistra, float alto,
                            float larghezza, float altezza, const char* testo, ColoreVB sfondo, int allineamento) {
    auto* l = crea<QLabel>(genitore, nome, indice, sinistra, alto, larghezza, altezza, Carattere);
    FormaEtichetta(l, static_cast<Allineamento>(allineamento));
    l->setText(QString::fromUtf8(testo));
    // White is the strips' own background colour: a white label needs no
    // palette of its own.
    const bool inFascia = std::find(fasce_.begin(), fasce_.end(), l->parentWidget()) != fasce_.end();
    if (sfondo == Colori::Bianco && inFascia) l->setAutoFillBackground(true);
    else if (sfondo != 0) Sfondo(l, sfondo);
    return l;
}

QLabel* FraMicro::cella(QWidget* genitore, const char* nome, int indice, float sinistra, float alto,
                        float larghezza, float altezza) {
    auto* c = crea<CellaTesto>(genitore, nome, indice, sinistra, alto, larghezza, altezza, Carattere);
    FormaEtichetta(c, Allineamento::Centro);
    c->setWordWrap(false);
    // White is the strips' own background colour; elsewhere the cell has it
    // on its own.
    if (std::find(fasce_.begin(), fasce_.end(), c->parentWidget()) == fasce_.end())
        Colora(c, QPalette::Window, Colori::Bianco);
    c->setOpaca(true);
    return c;
}

PulsanteVB* FraMicro::pulsante(const char* nome, int indice, float sinistra, float alto, float larghezza,
                               float altezza, const char* caption, ColoreVB sfondo) {
    auto* p = crea<PulsanteVB>(this, nome, indice, sinistra, alto, larghezza, altezza, Carattere);
    p->setText(QString::fromUtf8(caption));
    p->setGrafico(true);
    p->setColoreSfondo(sfondo);
    return p;
}

FraMicro::FraMicro(FinestraPrincipale& finestra, TabellaMicroLab& modello)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), m_(modello) {
    setColoreSfondo(m_.sfondo);
    // Opening puts the screen at Left 0, Top 0, where it then stays.
    f_.registraTardivo(this, "FraMicro", -1, TipoControllo::Cornice, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    // The font every control of the screen shares, scaled as a control's would be.
    float punti = Carattere;
    if (const auto& fattori = f_.stato().fattoriAdattamento)
        punti = static_cast<float>(static_cast<double>(Carattere) * fattori->caratteri);
    QFont carattere = font();
    ImpostaPunti(carattere, punti);
    setFont(carattere);
    for (size_t i = 0; i < fasce_.size(); ++i) {
        VoceGeometria v;
        v.alto = IniziFasce[i];
        v.larghezza = LarghezzaProgetto;
        v.altezza = (i + 1 < fasce_.size() ? IniziFasce[i + 1] : AltezzaProgetto) - IniziFasce[i];
        if (const auto& fattori = f_.stato().fattoriAdattamento) ScalaVoce(v, *fattori, ScalaGeometria);
        fasce_[i] = new QWidget(this);
        fasce_[i]->setGeometry(RettangoloPixel(v));
        Colora(fasce_[i], QPalette::Window, Colori::Bianco);
    }
    creaTabella();
    creaLegendaERiferimenti();
    creaComandi();
    conversione_ = new FraConversione(*this, m_);
}

void FraMicro::creaTabella() {
    const char* nomi[4] = {"lblQuintaFraz", "lblQuintaCent", "lblQuintaScarto", "lblQuintaPrecisa"};
    for (int r = 1; r <= 48; ++r) {
        const Banda& b = BandaDi(r);
        const float sinistra = SinistraColonna(Colonna(r));
        const float alti[4] = {b.decim, b.cents, b.scarto, b.micro};
        for (int c = 0; c < 4; ++c) {
            // The notes' Cents and Decim lie in a panel that is never shown.
            const bool nascosta = alti[c] == 0;
            auto* l = cella(this, nomi[c], r, sinistra, nascosta ? -1000 : alti[c], 1095, 255);
            if (nascosta) l->hide();
            celle_[static_cast<size_t>(r)][static_cast<size_t>(c)] = l;
        }
        coloriCelle_[static_cast<size_t>(r)] = Colori::Bianco;
        auto* p = pulsante("cmdQuintaM", r, sinistra, b.pulsanti, 1095, 495, "", ColoreGruppo(r));
        cmdQuintaM_[static_cast<size_t>(r)] = p;
        connect(p, &PulsanteVB::clic, this, [this, r] {
            m_.cmdQuintaM_Click(r);
            aggiornaDaModello();
        });
    }
    // Row 0, the selected row's copy.
    const float alti0[4] = {8880, 9360, 9840, 10320};
    for (int c = 0; c < 4; ++c) {
        auto* l = cella(this, nomi[c], 0, 6720, alti0[c], 1935, 375);
        celle_[0][static_cast<size_t>(c)] = l;
    }
    Colora(celle_[0][3], QPalette::Window, Colori::SfondoFinestra);
    Colora(celle_[0][3], QPalette::WindowText, Colori::TestoFinestra);

    // Line heads and band headers.
    for (int riga : {37, 25, 13, 1}) {
        const Banda& b = BandaDi(riga);
        int indice = b.primaDicitura;
        const std::pair<float, const char*> linee[4] = {
            {b.decim, "Decim"}, {b.cents, "Cents"}, {b.scarto, "Scarto"}, {b.micro, "Micro"}};
        for (const auto& [alto, testo] : linee)
            if (alto > 0) etichetta(this, "lblDiciture", indice++, 240, alto, 495, 255, testo, 0, 0);
        auto* h = etichetta(this, "lblDiciture", indice, 330, b.pulsanti, 375, 495, b.intestazione, 0,
                            static_cast<int>(Allineamento::Centro));
        h->setToolTip(QString::fromUtf8(b.suggerimento));
        QFont fb = h->font();
        fb.setBold(true);
        h->setFont(fb);
    }
    auto* titolo = etichetta(this, "lblDiciture", 42, 5400, 180, 4575, 330, "RIDIVAZ UZO - 'Vuvaz-Eza'", 0,
                             static_cast<int>(Allineamento::Centro));
    QFont ft = titolo->font();
    ft.setBold(true);
    titolo->setFont(ft);
}

void FraMicro::creaLegendaERiferimenti() {
    // The quick modifications: what each click of a cycle gives.
    etichetta(this, "lblDiciture", 40, 10200, 8925, 5070, 255, "MODIFICHE VELOCI:", 0, 0);
    const float colonne[5] = {10200, 11220, 12240, 13260, 14280};
    const char* clicks[5] = {"N\xC2\xB0 Clicks:", "1\xC2\xB0", "2\xC2\xB0", "3\xC2\xB0", "4\xC2\xB0"};
    for (int j = 0; j <= 4; ++j)
        etichetta(this, "lblNClicks", j, colonne[j], 9225, 990, 255, clicks[j], 0,
                  static_cast<int>(j == 0 ? Allineamento::Sinistra : Allineamento::Centro));
    struct Riga {
        const char* nome;
        float alto;
        const char* testi[5];
    } righe[3] = {
        {"lblEtiQuinta", 9510, {"QUINTE:", "Val. iniziale", "Copia Sx", "Quinta Eq.", "Quinta Nat."}},
        {"lblEtiTerze", 9795, {"TERZE+ :", "Val. iniziale", "Terza Eq.", "Terza Nat.", "-----"}},
        {"lblEtiSemitoni", 10080, {"SEMITONI:", "Val. iniziale", "Copia Sx ", "ST Equab.", "-----"}},
    };
    const std::array<ColoreVB, 5>* colori[3] = {&m_.lblEtiQuinta, &m_.lblEtiTerze, &m_.lblEtiSemitoni};
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j <= 4; ++j) {
            legenda_[i][j] = etichetta(this, righe[i].nome, static_cast<int>(j), colonne[j], righe[i].alto, 990,
                                       255, righe[i].testi[j], (*colori[i])[j],
                                       static_cast<int>(j == 0 ? Allineamento::Sinistra : Allineamento::Centro));
            coloriLegenda_[i][j] = (*colori[i])[j];
        }
    etichetta(this, "lblDiciture", 41, 10200, 10440, 5070, 615,
              "Clicks ripetuti in successione sullo stesso pulsante d'intervallo produrranno i risultati "
              "riportati nella tabella (in rosso gli attuali)",
              0, 0);

    // The reference sizes.
    struct Riferimento {
        const char* valori[5];  // name, Micro, Scarto, Cents, Decim
        int gruppo;             // 0 semitone, 1 third, 2 fifth
        bool equabile;
    } riferimenti[8] = {
        {{"ST diat. ('Limma')", "127908", "-9,7765", "90,2235", "1,0535"}, 0, false},
        {{"Semitono Equabile", "141768", "0", "100", "1,05946"}, 0, true},
        {{"ST cr. ('Apotome')", "161172", "13,6872", "113,6872", "1,06787"}, 0, false},
        {{"Terza+ Naturale", "547668", "0", "386,3137", "1,25"}, 1, false},
        {{"Terza+ Equabile", "567072", "13,6863", "400", "1,25992"}, 1, true},
        {{"Terza+ Pitagorica", "578160", "21,5084", "407,8212", "1,26563"}, 1, false},
        {{"Quinta Equabile", "992376", "-1,9553", "700", "1,49831"}, 2, true},
        {{"Quinta Naturale", "995148", "0", "701,9553", "1,5"}, 2, false},
    };
    const float alti[8] = {8880, 9165, 9465, 9750, 10050, 10335, 10620, 10920};
    const float sinistre[5] = {360, 1920, 2760, 3600, 4440};
    const ColoreVB coloreGruppo[3] = {ColoriMicro::Semitoni, ColoriMicro::Terze, ColoriMicro::Quinte};
    const char* scarti[3] = {"Scarto in Cents rispetto al Semitono Equabile",
                             "Scarto in Cents rispetto alla Terza maggiore Naturale",
                             "Scarto in Cents rispetto alla Quinta Naturale"};
    const char* suggerimenti[5] = {"Nome dell'intervallo", "Valore micrometrico dell'intervallo", nullptr,
                                   "Valore intervallo in Cents", "Frazione intervallo ridotta a decimale"};
    for (int i = 0; i < 8; ++i) {
        const Riferimento& r = riferimenti[i];
        for (int c = 0; c < 5; ++c) {
            const ColoreVB sfondo = c == 0 || r.equabile ? coloreGruppo[r.gruppo] : Colori::Bianco;
            auto* l = etichetta(this, "lblDiciture", i * 5 + c, sinistre[c], alti[i], c == 0 ? 1455 : 735, 255,
                                r.valori[c], sfondo,
                                static_cast<int>(c == 0 ? Allineamento::Sinistra : Allineamento::Centro));
            l->setToolTip(QString::fromUtf8(c == 2 ? scarti[r.gruppo] : suggerimenti[c]));
        }
    }
}

void FraMicro::creaComandi() {
    auto* reset = pulsante("cmdResetMicro", -1, 840, 120, 1095, 495, "RESET", ColoriMicro::Comandi);
    reset->setToolTip(QStringLiteral("'Azzera' tutti gli indicatori impostandoli sui valori equabili"));
    connect(reset, &PulsanteVB::clic, this, [this] {
        m_.cmdResetMicro_Click();
        aggiornaDaModello();
    });
    auto* applica = pulsante("CmdApplicaMicro", -1, 12840, 120, 1095, 495, "APPLICA", ColoriMicro::Comandi);
    applica->setToolTip(QStringLiteral("Applica al temperamento in corso i dati modificati in questo Pannello"));
    connect(applica, &PulsanteVB::clic, this, [this] {
        StatoPrincipale& s = f_.stato();
        m_.CmdApplicaMicro_Click(s.temperamento, s.istogrammi, s.altezzaSchermo());
        aggiornaDaModello();
        f_.aggiorna();
    });
    auto* annulla = pulsante("cmdAnnullaMicro", -1, 14040, 120, 1095, 495, "ANNULLA", ColoriMicro::Comandi);
    annulla->setToolTip(QStringLiteral("Torna alla finestra principale senza apportare alcuna modifica"));
    connect(annulla, &PulsanteVB::clic, this, [this] {
        m_.cmdAnnullaMicro_Click();
        aggiornaDaModello();
    });

    struct Scatto {
        const char* caption;
        float sinistra, alto;
    } scatti[9] = {{"", 0, 0},          {"0.0001", 8880, 10680}, {"0.001", 8880, 10125},
                   {"0.01", 8880, 9555}, {"0.1", 8880, 9000},     {"1", 5760, 10680},
                   {"10", 5760, 10125},  {"100", 5760, 9555},     {"1000", 5760, 9000}};
    for (int i = 1; i <= 8; ++i) {
        const auto& s = scatti[i];
        cmdScatto_[static_cast<size_t>(i)] = pulsante("cmdScatto", i, s.sinistra, s.alto, 735, 375, s.caption,
                                                      m_.coloreScatto[static_cast<size_t>(i)]);
        connect(cmdScatto_[static_cast<size_t>(i)], &PulsanteVB::clic, this, [this, i] {
            m_.cmdScatto_Click(i);
            aggiornaDaModello();
        });
    }

    // "<" and ">": the press starts the timer only where the model allows it.
    auto collega = [this](PulsanteVB* p, RipetizioneAutomatica& r, const char* timer,
                          const std::function<void()>& premi) {
        auto* pilota = new PilotaRipetizione(r, this);
        pilota->timer().setObjectName(QString::fromUtf8(timer));
        connect(p, &PulsanteVB::mouseDown, this, [this, pilota, premi](Qt::MouseButton) {
            premi();
            pilota->sincronizza();
            aggiornaDaModello();
        });
        connect(p, &PulsanteVB::clic, pilota, &PilotaRipetizione::clic);
        connect(p, &PulsanteVB::mouseUp, pilota, [pilota](Qt::MouseButton) { pilota->rilascia(); });
        connect(pilota, &PilotaRipetizione::eseguito, this, &FraMicro::aggiornaDaModello);
        return pilota;
    };
    auto* meno = pulsante("cmdDiminuisci", -1, 6720, 10800, 855, 375, "<", Colori::FacciaPulsante);
    auto* piu = pulsante("cmdAumenta", -1, 7800, 10800, 855, 375, ">", Colori::FacciaPulsante);
    meno->setGrafico(false);
    piu->setGrafico(false);
    pilotaDiminuisci_ = collega(meno, m_.diminuisci, "TmrDiminuisci", [this] { m_.cmdDiminuisci_MouseDown(); });
    pilotaAumenta_ = collega(piu, m_.aumenta, "TmrAumenta", [this] { m_.cmdAumenta_MouseDown(); });

    // The hidden state labels, found by name like every control.
    auto nascosta = [this](const char* nome, int indice) {
        auto* l = new QLabel(this);
        l->setObjectName(NomeOggetto(nome, indice));
        l->hide();
        return l;
    };
    lblIndexM_ = nascosta("lblIndexM", -1);
    lblClickN_ = nascosta("lblClickN", -1);
    lblMemValore_ = nascosta("lblMemValore", -1);
    lblRitornoQuintaIniziale_ = nascosta("lblRitornoQuintaIniziale", -1);
    lblIndexScattoM_ = nascosta("lblIndexScattoM", -1);
    for (int j = 1; j <= 7; ++j) lblSeqInt_[static_cast<size_t>(j)] = nascosta("lblSeqInt", j);
}

void FraMicro::aggiornaDaModello() {
    if (coloreSfondo() != m_.sfondo) setColoreSfondo(m_.sfondo);
    for (size_t r = 0; r <= 48; ++r) {
        const RigaMicro& riga = m_.righe[r];
        const std::string* testi[4] = {&riga.Decim, &riga.Cents, &riga.Scarto, &riga.Micro};
        for (size_t c = 0; c < 4; ++c) ScriviSeDiverso(celle_[r][c], *testi[c]);
        // Row 0 keeps its own colours.
        if (r >= 1 && coloriCelle_[r] != riga.colore) {
            coloriCelle_[r] = riga.colore;
            for (QLabel* l : celle_[r]) Colora(l, QPalette::Window, riga.colore);
        }
        if (r >= 1) {
            PulsanteVB* p = cmdQuintaM_[r];
            const QString caption = QString::fromStdString(m_.cmdQuintaM[r]);
            if (p->text() != caption) p->setText(caption);
            if (p->coloreSfondo() != m_.coloreQuintaM[r]) p->setColoreSfondo(m_.coloreQuintaM[r]);
        }
    }
    for (size_t i = 1; i <= 8; ++i)
        if (cmdScatto_[i]->coloreSfondo() != m_.coloreScatto[i]) cmdScatto_[i]->setColoreSfondo(m_.coloreScatto[i]);
    const std::array<ColoreVB, 5>* colori[3] = {&m_.lblEtiQuinta, &m_.lblEtiTerze, &m_.lblEtiSemitoni};
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j <= 4; ++j)
            if (coloriLegenda_[i][j] != (*colori[i])[j]) {
                coloriLegenda_[i][j] = (*colori[i])[j];
                Colora(legenda_[i][j], QPalette::Window, coloriLegenda_[i][j]);
            }
    ScriviSeDiverso(lblIndexM_, m_.lblIndexM);
    ScriviSeDiverso(lblClickN_, m_.lblClickN);
    ScriviSeDiverso(lblMemValore_, m_.lblMemValore);
    ScriviSeDiverso(lblRitornoQuintaIniziale_, m_.lblRitornoQuintaIniziale);
    ScriviSeDiverso(lblIndexScattoM_, m_.lblIndexScattoM);
    for (size_t j = 1; j <= 7; ++j) ScriviSeDiverso(lblSeqInt_[j], m_.lblSeqInt[j]);
    conversione_->aggiornaDaModello();
    if (m_.aperta && !inVista()) apri();
    else if (!m_.aperta && inVista()) chiudi();
}

MicroLab::MicroLab(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    cmdLab_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdLab", -1, TipoControllo::Pulsante, 13680, 240, 855, 375,
                                  FraMicro::Carattere);
    cmdLab_->setText(QStringLiteral("Vuvaz-Eza"));
    cmdLab_->setGrafico(true);
    cmdLab_->setColoreSfondo(ColoreCmdLab);
    cmdLab_->setToolTip(QStringLiteral("Mostra Tavola Vuvaz-Eza"));
    connect(cmdLab_, &PulsanteVB::clic, this, &MicroLab::apri);
}

void MicroLab::apri() {
    if (!schermo_) schermo_ = new FraMicro(f_, modello_);
    const StatoPrincipale& s = f_.stato();
    modello_.cmdLab_Click(s.temperamento, s.LinguaNote);
    schermo_->aggiornaDaModello();
}

MicroLab& InstallaMicroLab(FinestraPrincipale& finestra) { return *new MicroLab(finestra); }

}  // namespace vk
