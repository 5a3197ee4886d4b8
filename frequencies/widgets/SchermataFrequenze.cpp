#include "frequencies/widgets/SchermataFrequenze.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <functional>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CasellaMultiriga.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Testi.h"

namespace vk {

namespace {

struct Colonna {
    float sinistra, larghezza;
    ColoreVB naturali, alterate;  // back colours; a black back has white text
};
// Octaves 1..10 (element 0 unused).
constexpr Colonna Colonne[11] = {{0, 0, 0, 0},
                                 {1440, 975, 0xD0F5C7, 0x80FF80},
                                 {2520, 975, Colori::Bianco, Colori::Nero},
                                 {3600, 1095, 0xC0FDFE, 0x6AFFFF},
                                 {4800, 1095, Colori::Bianco, Colori::Nero},
                                 {6000, 1095, 0xFFFFE1, 0xFFFF80},
                                 {7200, 1215, Colori::Bianco, Colori::Nero},
                                 {8520, 1215, 0xC0FDFE, 0x6AFFFF},
                                 {9840, 1215, Colori::Bianco, Colori::Nero},
                                 {11160, 1215, 0xD0F5C7, 0x80FF80},
                                 {12480, 1335, Colori::Bianco, Colori::Nero}};
// Tops of rows 1 (DO) .. 12 (SI), which run upward.
constexpr float Righe[13] = {0, 7320, 6960, 6600, 6240, 5880, 5400, 5040, 4680, 4320, 3960, 3600, 3240};
constexpr float AltoCella121 = 2640;
constexpr float AltoCella = 255;
// The decimals grid: column 0 "Tutti", then octaves 1..10; digit N's row.
constexpr float ColonneDec[11] = {540, 1740, 2820, 3960, 5160, 6360, 7620, 8940, 10260, 11580, 12960};
constexpr float RigaDec(int n) { return 8760.0f + 480.0f * static_cast<float>(n); }
constexpr float Tasto = 375;

constexpr CarattereProgetto Grassetto = {8.25f, nullptr, true};
constexpr CarattereProgetto CarattereNome = {18, "Times New Roman", true};
constexpr CarattereProgetto CarattereCelle = {9, "Verdana", true};

// The grey-blue rectangles, beneath everything else.
constexpr Posto Rettangoli[3] = {{120, 1920, 15015, 5895}, {120, 8040, 13575, 3255}, {13920, 8040, 1215, 3255}};
constexpr Posto PostoNome = {3600, 240, 8055, 1455};

// The fixed captions, on the rectangles' grey-blue.
struct Scritta {
    int indice;
    const char* testo;
    Posto p;
};
constexpr Scritta Scritte[] = {
    {12, "TABELLA COMPLETA FREQUENZE (in Hertz, su 10 Ottave)", {3600, 2160, 8055, 255}},
    {13, "Ottave", {360, 2640, 735, 255}},
    {23, "Tutti", {360, 8280, 735, 255}},
    {24, "ARROTONDAMENTO DECIMALI (per ciascuna Ottava)", {1740, 8280, 11595, 255}},
    {25, " Decimali Diapason", {14160, 8820, 735, 495}},
};

// The reference: "<", "440", ">".
struct Riferimento {
    float sinistra, larghezza;
    const char* caption;
};
constexpr Riferimento Riferimenti[3] = {{6000, 255, "<"}, {6300, 495, "440"}, {6840, 255, ">"}};
constexpr float AltoRiferimento = 2520;

constexpr Posto PostoLA = {14160, 8280, 735, 495};
constexpr Posto PostoDefault = {14160, 9600, 735, 495};
constexpr Posto PostoTorna = {14160, 10560, 735, 495};
constexpr Posto PostoHz = {4935, 2760, 540, 540};

bool Alterata(int riga) { return riga == 2 || riga == 4 || riga == 7 || riga == 9 || riga == 11; }
// Row 0 is the lone cell over the tenth octave.
float AltoRiga(int riga) { return riga == 0 ? AltoCella121 : Righe[riga]; }

}  // namespace

SchermataFrequenze::SchermataFrequenze(FinestraPrincipale& finestra, TabellaFrequenze& modello,
                                       PilotaRipetizione& diapason)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), m_(modello), diapason_(diapason) {
    f_.registraTardivo(this, "FraTabellaFrequenze", -1, TipoControllo::Cornice,
                       Posto{0, 0, LarghezzaProgetto, AltezzaProgetto});
    // Filled and shown by apertura().
    Costruttore k(f_, this);
    creaSfondo(k);
    creaScritte(k);
    creaCelle(k);
    creaRiferimento(k);
    creaComandi(k);
}

void SchermataFrequenze::creaSfondo(Costruttore& k) {
    for (int i = 0; i <= 2; ++i) k.forma("ShpRettangolo", i, Rettangoli[i], Colori::GrigioAzzurro);
    auto* nome = k.crea<CasellaMultiriga>("TxtNomeDelTemperamento", -1, PostoNome, CarattereNome);
    nome->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    nome->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centrato = nome->document()->defaultTextOption();
    centrato.setAlignment(Qt::AlignHCenter);
    nome->document()->setDefaultTextOption(centrato);
    QPalette bianca = nome->palette();
    bianca.setColor(QPalette::Base, ColoreQt(Colori::Bianco));
    bianca.setColor(QPalette::Text, ColoreQt(Colori::Nero));
    nome->setPalette(bianca);
    TxtNomeDelTemperamento_ = nome;
}

void SchermataFrequenze::creaScritte(Costruttore& k) {
    for (const auto& s : Scritte)
        Riempi(k.etichetta("lblVarie", s.indice, s.p, QString::fromUtf8(s.testo), Allineamento::Centro, Grassetto),
               Colori::GrigioAzzurro, Colori::Nero);
    // The octave numbers stand over their columns in the colour of their
    // natural notes, "10" above cell 121.
    for (int n = 1; n <= 10; ++n) {
        if (n == 5) continue;  // the reference buttons stand there
        const Colonna& c = Colonne[n];
        const Posto p{c.sinistra, n == 10 ? 2160.0f : 2640.0f, c.larghezza, AltoCella};
        Riempi(k.etichetta("lblVarie", 13 + n - (n > 5 ? 1 : 0), p, QString::number(n), Allineamento::Centro),
               c.naturali, Colori::Nero);
    }
}

void SchermataFrequenze::creaCelle(Costruttore& k) {
    for (int i = 1; i <= 121; ++i) {
        const int riga = i == 121 ? 0 : (i - 1) % 12 + 1;
        const Colonna& c = Colonne[OttavaDellaCella(i)];
        const ColoreVB sfondo = Alterata(riga) ? c.alterate : c.naturali;
        const ColoreVB testo = i == CellaRiferimento   ? ColoriFrequenze::Riferimento
                               : sfondo == Colori::Nero ? Colori::Bianco
                                                        : Colori::Nero;
        lblFreq_[static_cast<size_t>(i)] = k.cella("lblFreq", i, {c.sinistra, AltoRiga(riga), c.larghezza, AltoCella},
                                                   sfondo, testo, Allineamento::Centro, CarattereCelle);
    }
    for (int n = 1; n <= 25; ++n) {
        const int riga = n == 25 ? 0 : (n - 1) % 12 + 1;
        const bool nera = Alterata(riga);
        lblNomiNote_[static_cast<size_t>(n)] =
            k.cella("lblNomiNote", n, {n <= 12 ? 360.0f : 14160.0f, AltoRiga(riga), 735, AltoCella},
                    nera ? Colori::Nero : Colori::Bianco, nera ? Colori::Bianco : Colori::Nero,
                    Allineamento::Centro, CarattereCelle);
    }
}

void SchermataFrequenze::creaRiferimento(Costruttore& k) {
    // "<" and ">" repeat while held, "440" resets; none has a click action,
    // so the keyboard does nothing with them.
    for (int i = 0; i <= 2; ++i) {
        const Riferimento& r = Riferimenti[i];
        cmd440_[static_cast<size_t>(i)] =
            k.pulsante("cmd440", i, {r.sinistra, AltoRiferimento, r.larghezza, 495}, QString::fromUtf8(r.caption),
                       ColoriFrequenze::Freccia);
        diapason_.collega(cmd440_[static_cast<size_t>(i)], {[this, i] { m_.cmd440_MouseDown(i); },
                                                            {},
                                                            [this, i] {
                                                                m_.cmd440_MouseUp(i);
                                                                aggiornaDaModello();
                                                            }});
    }
    connect(&diapason_, &PilotaRipetizione::eseguito, this, &SchermataFrequenze::aggiornaRiferimento);
}

void SchermataFrequenze::creaComandi(Costruttore& k) {
    auto comando = [this](PulsanteVB* p, std::function<void()> azione) {
        connect(p, &PulsanteVB::clic, this, [this, azione = std::move(azione)] {
            azione();
            aggiornaDaModello();
        });
    };
    for (int n = 0; n <= 4; ++n)
        for (int i = 0; i <= 10; ++i) {
            PulsanteVB* p = k.pulsante("cmdDec" + std::to_string(n), i, {ColonneDec[i], RigaDec(n), Tasto, Tasto},
                                       QString::number(n), Colori::Bianco);
            cmdDec_[static_cast<size_t>(n)][static_cast<size_t>(i)] = p;
            connect(p, &PulsanteVB::clic, this, [this, n, i] {
                m_.cmdDec_Click(n, i);
                aggiornaDaModello();
            });
        }
    // The step of "LA" changes its caption alone.
    cmdLA_ = k.pulsante("cmdLA", -1, PostoLA, {}, Colori::RossoChiaro);
    connect(cmdLA_, &PulsanteVB::clic, this, [this] {
        m_.cmdLA_Click();
        ScriviSeDiverso(cmdLA_, TestoPassoLA(m_.cmdLA));
    });
    comando(k.pulsante("cmdDefault", -1, PostoDefault, QStringLiteral("Def"), Colori::Bianco),
            [this] { m_.cmdDefault_Click(); });
    comando(k.pulsante("cmdTorna", -1, PostoTorna, QStringLiteral("Esc"), Colori::Bianco),
            [this] { m_.cmdTorna_Click(); });
}

void SchermataFrequenze::apertura() {
    // The name as it stands, line breaks included; nothing reads it back.
    TxtNomeDelTemperamento_->setPlainText(TestoPerCasella(m_.TxtNomeDelTemperamento));
    aggiornaDaModello();
}

void SchermataFrequenze::aggiornaRiferimento() {
    ScriviSeDiverso(lblFreq_[CellaRiferimento], m_.lblFreq[CellaRiferimento]);
    cmd440_[1]->setColoreSfondo(m_.cmd440Colore);
}

void SchermataFrequenze::aggiornaDaModello() {
    for (int i = 1; i <= 121; ++i)
        ScriviSeDiverso(lblFreq_[static_cast<size_t>(i)], m_.lblFreq[static_cast<size_t>(i)]);
    for (int n = 1; n <= 25; ++n)
        ScriviSeDiverso(lblNomiNote_[static_cast<size_t>(n)], m_.lblNomiNote[static_cast<size_t>(n)]);
    for (int n = 0; n <= 4; ++n)
        for (int i = 0; i <= 10; ++i)
            cmdDec_[static_cast<size_t>(n)][static_cast<size_t>(i)]->setColoreSfondo(m_.coloreDec(n, i));
    cmd440_[1]->setColoreSfondo(m_.cmd440Colore);
    ScriviSeDiverso(cmdLA_, TestoPassoLA(m_.cmdLA));
    mostraSe(m_.aperta);
}

TabellaFrequenzeInstallata::TabellaFrequenzeInstallata(FinestraPrincipale& finestra)
    : QObject(&finestra), f_(finestra), diapason_(new PilotaRipetizione(modello_.TmrDiapason(), this)) {
    setObjectName(QStringLiteral("TabellaFrequenze"));
    diapason_->timer().setObjectName(QStringLiteral("TmrDiapason"));
    cmdMostraFrequenze_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdMostraFrequenze", -1, TipoControllo::Pulsante,
                                              PostoHz.sinistra, PostoHz.alto, PostoHz.larghezza, PostoHz.altezza,
                                              Grassetto.punti);
    cmdMostraFrequenze_->setText(QStringLiteral("Hz"));
    cmdMostraFrequenze_->setToolTip(QStringLiteral("Mostra Tabella Frequenze"));
    cmdMostraFrequenze_->setGrafico(true);
    cmdMostraFrequenze_->setColoreSfondo(0xC0FFFF);
    connect(cmdMostraFrequenze_, &PulsanteVB::clic, this, &TabellaFrequenzeInstallata::cmdMostraFrequenze_Click);
}

void TabellaFrequenzeInstallata::cmdMostraFrequenze_Click() {
    const StatoPrincipale& s = f_.stato();
    modello_.cmdMostraFrequenze_Click(s.temperamento, s.LinguaNote);
    costruita(f_, modello_, *diapason_).apertura();
}

TabellaFrequenzeInstallata& InstallaTabellaFrequenze(FinestraPrincipale& finestra) {
    return *new TabellaFrequenzeInstallata(finestra);
}

}  // namespace vk
