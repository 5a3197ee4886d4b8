#include "frequencies/widgets/SchermataFrequenze.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <map>
#include <utility>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CellaTesto.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"

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
// The decimals grid: column 0 "Tutti", then octaves 1..10; digit N's row.
constexpr float ColonneDec[11] = {540, 1740, 2820, 3960, 5160, 6360, 7620, 8940, 10260, 11580, 12960};
constexpr float RigaDec(int n) { return 8760.0f + 480.0f * static_cast<float>(n); }
constexpr float Tasto = 375;
constexpr float Carattere = 8.25f;
constexpr float CarattereCelle = 9.0f;

bool Alterata(int riga) { return riga == 2 || riga == 4 || riga == 7 || riga == 9 || riga == 11; }

// Palettes by back and text colour, made once and shared by the labels.
const QPalette& Tavolozza(ColoreVB sfondo, ColoreVB testo) {
    static std::map<std::pair<ColoreVB, ColoreVB>, QPalette> fatte;
    auto [it, nuova] = fatte.try_emplace({sfondo, testo});
    if (nuova) {
        it->second.setColor(QPalette::Window, ColoreQt(sfondo));
        it->second.setColor(QPalette::WindowText, ColoreQt(testo));
    }
    return it->second;
}

void Colora(QLabel* l, ColoreVB sfondo, ColoreVB testo, Allineamento a = Allineamento::Centro) {
    l->setAutoFillBackground(true);
    l->setPalette(Tavolozza(sfondo, testo));
    FormaEtichetta(l, a);
}

}  // namespace

SchermataFrequenze::SchermataFrequenze(FinestraPrincipale& finestra, TabellaFrequenze& modello,
                                       PilotaRipetizione& diapason)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), m_(modello), diapason_(diapason) {
    f_.registraTardivo(this, "FraTabellaFrequenze", -1, TipoControllo::Cornice, 0, 0, LarghezzaProgetto,
                       AltezzaProgetto);
    // Filled and shown by apertura().
    creaControlli();
}

// Registers the control as the load would have, scaled as the re-layout
// scaled the rest of the window. A designed font other than the window's
// goes on first, so that placing it sets only its size.
template <class W>
W* SchermataFrequenze::crea(const std::string& nome, int indice, TipoControllo tipo, float l, float t, float w,
                            float h, float carattere, const QFont* famiglia) {
    return f_.creaTardivo<W>(this, nome, indice, tipo, l, t, w, h, carattere, famiglia);
}

void SchermataFrequenze::creaControlli() {
    // The grey-blue rectangles first, beneath everything else.
    const float rettangoli[3][4] = {{120, 1920, 15015, 5895}, {120, 8040, 13575, 3255}, {13920, 8040, 1215, 3255}};
    for (int i = 0; i <= 2; ++i) {
        auto* r = crea<QFrame>("ShpRettangolo", i, TipoControllo::Forma, rettangoli[i][0], rettangoli[i][1],
                               rettangoli[i][2], rettangoli[i][3], 0);
        r->setFrameStyle(QFrame::Box | QFrame::Plain);
        r->setAutoFillBackground(true);
        r->setPalette(Tavolozza(ColoriFrequenze::GrigioAzzurro, Colori::Nero));
    }

    const QFont nome = CaratterePunti(QStringLiteral("Times New Roman"), 18, true);
    TxtNomeDelTemperamento_ = crea<QPlainTextEdit>("TxtNomeDelTemperamento", -1, TipoControllo::CasellaTesto, 3600,
                                                   240, 8055, 1455, 18, &nome);
    TxtNomeDelTemperamento_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtNomeDelTemperamento_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centrato = TxtNomeDelTemperamento_->document()->defaultTextOption();
    centrato.setAlignment(Qt::AlignHCenter);
    TxtNomeDelTemperamento_->document()->setDefaultTextOption(centrato);
    QPalette bianca = TxtNomeDelTemperamento_->palette();
    bianca.setColor(QPalette::Base, ColoreQt(Colori::Bianco));
    bianca.setColor(QPalette::Text, ColoreQt(Colori::Nero));
    TxtNomeDelTemperamento_->setPalette(bianca);

    // The fixed captions; the octave numbers stand over their columns in the
    // colour of their natural notes, "10" above cell 121.
    struct Scritta {
        int indice;
        const char* testo;
        float l, t, w, h;
        ColoreVB sfondo;
    };
    const Scritta scritte[] = {
        {12, "TABELLA COMPLETA FREQUENZE (in Hertz, su 10 Ottave)", 3600, 2160, 8055, 255,
         ColoriFrequenze::GrigioAzzurro},
        {13, "Ottave", 360, 2640, 735, 255, ColoriFrequenze::GrigioAzzurro},
        {23, "Tutti", 360, 8280, 735, 255, ColoriFrequenze::GrigioAzzurro},
        {24, "ARROTONDAMENTO DECIMALI (per ciascuna Ottava)", 1740, 8280, 11595, 255, ColoriFrequenze::GrigioAzzurro},
        {25, " Decimali Diapason", 14160, 8820, 735, 495, ColoriFrequenze::GrigioAzzurro},
    };
    QFont grassetto = f_.font();
    grassetto.setBold(true);
    for (const auto& s : scritte) {
        auto* l = crea<QLabel>("lblVarie", s.indice, TipoControllo::Etichetta, s.l, s.t, s.w, s.h, Carattere,
                               &grassetto);
        l->setText(QString::fromUtf8(s.testo));
        Colora(l, s.sfondo, Colori::Nero);
    }
    for (int k = 1; k <= 10; ++k) {
        if (k == 5) continue;  // the reference buttons stand there
        const Colonna& c = Colonne[k];
        auto* l = crea<QLabel>("lblVarie", 13 + k - (k > 5 ? 1 : 0), TipoControllo::Etichetta, c.sinistra,
                               k == 10 ? 2160.0f : 2640.0f, c.larghezza, 255, Carattere);
        l->setText(QString::number(k));
        Colora(l, c.naturali, Colori::Nero);
    }

    const QFont celle = CaratterePunti(QStringLiteral("Verdana"), CarattereCelle, true);
    auto cella = [&](const std::string& nome, int indice, float l, float t, float w) {
        return crea<CellaTesto>(nome, indice, TipoControllo::Etichetta, l, t, w, 255, CarattereCelle, &celle);
    };
    for (int i = 1; i <= 121; ++i) {
        const int k = OttavaDellaCella(i);
        const int riga = i == 121 ? 0 : (i - 1) % 12 + 1;
        const Colonna& c = Colonne[k];
        CellaTesto* e = cella("lblFreq", i, c.sinistra, riga == 0 ? AltoCella121 : Righe[riga], c.larghezza);
        const ColoreVB sfondo = Alterata(riga) ? c.alterate : c.naturali;
        const ColoreVB testo = i == CellaRiferimento ? ColoriFrequenze::Riferimento
                               : sfondo == Colori::Nero ? Colori::Bianco
                                                        : Colori::Nero;
        Colora(e, sfondo, testo);
        e->setOpaca(true);
        lblFreq_[static_cast<size_t>(i)] = e;
    }
    for (int n = 1; n <= 25; ++n) {
        const int riga = n == 25 ? 0 : (n - 1) % 12 + 1;
        CellaTesto* e = cella("lblNomiNote", n, n <= 12 ? 360.0f : 14160.0f, riga == 0 ? AltoCella121 : Righe[riga], 735);
        Colora(e, Alterata(riga) ? Colori::Nero : Colori::Bianco, Alterata(riga) ? Colori::Bianco : Colori::Nero);
        e->setOpaca(true);
        lblNomiNote_[static_cast<size_t>(n)] = e;
    }

    auto pulsante = [&](const std::string& nome, int indice, float l, float t, float w, float h, const QString& c,
                        ColoreVB sfondo) {
        auto* p = crea<PulsanteVB>(nome, indice, TipoControllo::Pulsante, l, t, w, h, Carattere);
        p->setText(c);
        p->setGrafico(true);
        p->setColoreSfondo(sfondo);
        return p;
    };

    // The reference: "<" and ">" repeat while held, "440" resets; none has a
    // click action, so the keyboard does nothing with them.
    const struct {
        float l, w;
        const char* c;
    } riferimento[3] = {{6000, 255, "<"}, {6300, 495, "440"}, {6840, 255, ">"}};
    for (int i = 0; i <= 2; ++i) {
        PulsanteVB* p = pulsante("cmd440", i, riferimento[i].l, 2520, riferimento[i].w, 495,
                                 QString::fromUtf8(riferimento[i].c), ColoriFrequenze::Freccia);
        cmd440_[static_cast<size_t>(i)] = p;
        connect(p, &PulsanteVB::mouseDown, this, [this, i](Qt::MouseButton) {
            m_.cmd440_MouseDown(i);
            diapason_.sincronizza();
            aggiornaRiferimento();
        });
        connect(p, &PulsanteVB::mouseUp, this, [this, i](Qt::MouseButton) {
            m_.cmd440_MouseUp(i);
            diapason_.sincronizza();
            aggiornaDaModello();
        });
    }
    connect(&diapason_, &PilotaRipetizione::eseguito, this, &SchermataFrequenze::aggiornaRiferimento);

    for (int n = 0; n <= 4; ++n)
        for (int i = 0; i <= 10; ++i) {
            PulsanteVB* p = pulsante("cmdDec" + std::to_string(n), i, ColonneDec[i], RigaDec(n), Tasto, Tasto,
                                     QString::number(n), Colori::Bianco);
            cmdDec_[static_cast<size_t>(n)][static_cast<size_t>(i)] = p;
            connect(p, &PulsanteVB::clic, this, [this, n, i] {
                m_.cmdDec_Click(n, i);
                aggiornaDaModello();
            });
        }

    cmdLA_ = pulsante("cmdLA", -1, 14160, 8280, 735, 495, QString(), Colori::RossoChiaro);
    connect(cmdLA_, &PulsanteVB::clic, this, [this] {
        m_.cmdLA_Click();
        cmdLA_->setText(QString::fromStdString(m_.cmdLA));
    });
    auto* def = pulsante("cmdDefault", -1, 14160, 9600, 735, 495, QStringLiteral("Def"), Colori::Bianco);
    connect(def, &PulsanteVB::clic, this, [this] {
        m_.cmdDefault_Click();
        aggiornaDaModello();
    });
    auto* torna = pulsante("cmdTorna", -1, 14160, 10560, 735, 495, QStringLiteral("Esc"), Colori::Bianco);
    connect(torna, &PulsanteVB::clic, this, [this] {
        m_.cmdTorna_Click();
        aggiornaDaModello();
    });
}

void SchermataFrequenze::apertura() {
    // The name as it stands, line breaks included; nothing reads it back.
    TxtNomeDelTemperamento_->setPlainText(TestoPerCasella(m_.TxtNomeDelTemperamento));
    aggiornaDaModello();
}

void SchermataFrequenze::aggiornaRiferimento() {
    lblFreq_[CellaRiferimento]->setText(QString::fromStdString(m_.lblFreq[CellaRiferimento]));
    cmd440_[1]->setColoreSfondo(m_.cmd440Colore);
}

void SchermataFrequenze::aggiornaDaModello() {
    for (int i = 1; i <= 121; ++i)
        lblFreq_[static_cast<size_t>(i)]->setText(QString::fromStdString(m_.lblFreq[static_cast<size_t>(i)]));
    for (int n = 1; n <= 25; ++n)
        lblNomiNote_[static_cast<size_t>(n)]->setText(QString::fromStdString(m_.lblNomiNote[static_cast<size_t>(n)]));
    for (int n = 0; n <= 4; ++n)
        for (int i = 0; i <= 10; ++i)
            cmdDec_[static_cast<size_t>(n)][static_cast<size_t>(i)]->setColoreSfondo(m_.coloreDec(n, i));
    cmd440_[1]->setColoreSfondo(m_.cmd440Colore);
    cmdLA_->setText(QString::fromStdString(m_.cmdLA));
    if (m_.aperta && !inVista()) apri();
    else if (!m_.aperta && inVista()) chiudi();
}

TabellaFrequenzeInstallata::TabellaFrequenzeInstallata(FinestraPrincipale& finestra)
    : QObject(&finestra), f_(finestra), diapason_(new PilotaRipetizione(modello_.TmrDiapason(), this)) {
    setObjectName(QStringLiteral("TabellaFrequenze"));
    diapason_->timer().setObjectName(QStringLiteral("TmrDiapason"));
    cmdMostraFrequenze_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdMostraFrequenze", -1, TipoControllo::Pulsante, 4935,
                                              2760, 540, 540, Carattere);
    cmdMostraFrequenze_->setText(QStringLiteral("Hz"));
    cmdMostraFrequenze_->setToolTip(QStringLiteral("Mostra Tabella Frequenze"));
    cmdMostraFrequenze_->setGrafico(true);
    cmdMostraFrequenze_->setColoreSfondo(0xC0FFFF);
    connect(cmdMostraFrequenze_, &PulsanteVB::clic, this, &TabellaFrequenzeInstallata::cmdMostraFrequenze_Click);
}

void TabellaFrequenzeInstallata::cmdMostraFrequenze_Click() {
    const StatoPrincipale& s = f_.stato();
    modello_.cmdMostraFrequenze_Click(s.temperamento, s.LinguaNote);
    if (!schermata_) schermata_ = new SchermataFrequenze(f_, modello_, *diapason_);
    schermata_->apertura();
}

TabellaFrequenzeInstallata& InstallaTabellaFrequenze(FinestraPrincipale& finestra) {
    return *new TabellaFrequenzeInstallata(finestra);
}

}  // namespace vk
