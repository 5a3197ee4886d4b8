#include "utility/widgets/SchermataUtility.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/Adattamento.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CasellaMultiriga.h"
#include "common/widgets/Testi.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/CellaTesto.h"

namespace vk {

namespace {

constexpr const char* Colonne[ColonneIntervalli] = {"lblScalaDoInterv", "lblNomeInterv",   "lblFrazInterv",
                                                    "lblDecInterv",     "lblCentsInt",     "lblMicroInterv",
                                                    "lblProcedInt",     "lblFormulaInterv"};
constexpr float SinistraColonna[ColonneIntervalli] = {120, 960, 4440, 6000, 7320, 8400, 9840, 13320};
constexpr float LarghezzaColonna[ColonneIntervalli] = {735, 3375, 1455, 1215, 975, 1335, 3375, 1935};
constexpr float AltoRiga[24] = {720,  1080, 1410, 1740, 2070, 2415, 2745, 3075, 3405, 3735, 4065, 4395,
                                4725, 5070, 5400, 5730, 6060, 6390, 6720, 7050, 7395, 7725, 8055, 8400};
constexpr float AltezzaCella = 255;

constexpr CarattereProgetto Sans{8.25f}, SansG{8.25f, "MS Sans Serif", true}, SansG975{9.75f, "MS Sans Serif", true};
constexpr Posto PostoUtility{13920, 10200, 550, 495};

// The boxes, and the texts that never change.
struct Riquadro {
    const char* nome;
    int indice;
    Posto posto;
};
constexpr Riquadro Riquadri[] = {
    {"ShpVari", 15, {960, 120, 13455, 495}},
    {"ShpRiquadroUtility", 0, {120, 8880, 6495, 2535}},
    {"ShpRiquadroUtility", 1, {8760, 8880, 6495, 2535}},
};
struct Scritta {
    const char* nome;
    int indice;
    Posto posto;
    CarattereProgetto carattere;
    const char* testo;
};
const Scritta Titolo{"lblScritteUtility", 2, {3540, 180, 8295, 375}, {14.25f, "Times New Roman", true}, TitoloUtility};
const Scritta Info{"lblVarie", 44, {9000, 9075, 6015, 375}, SansG975, TitoloInfo};
const Scritta Formule{"lblScritteVarie", 7, {9720, 10800, 4695, 375}, {6.75f, "MS Sans Serif"}, RigaFormule};
constexpr Posto PostoSpiegazioni{9000, 9480, 6015, 1215};
constexpr CarattereProgetto CarattereSpiegazioni{9.75f, "MS Sans Serif"};

// The table's commands, and the key and the preference as their hidden
// labels hold them.
constexpr Posto PostoPagina{7200, 9480, 975, 495}, PostoEsci{7200, 10440, 975, 495};
constexpr Posto PostiTono[2] = {{120, 120, 325, 495}, {525, 120, 325, 495}};
constexpr Posto PostoAlterazioni{14520, 120, 735, 495};
constexpr CarattereProgetto CarattereAlterazioni{14.25f, "Times New Roman"};
constexpr Posto PostoLblTono{1080, 120, 255, 255}, PostoLblAlterazioni{12840, 120, 375, 375};

// The converter: its title and instruction, the keypad (rows 7 8 9, 4 5 6,
// 1 2 3, C 0 "."), the unit buttons, "Radice di 2" and the results.
constexpr Posto PostoTitoloConvertitore{240, 9000, 3495, 375}, PostoIstruzione{3960, 9000, 2535, 375};
constexpr int Tasti[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {11, 0, 10}};
constexpr float ColonneTasti[3] = {240, 720, 1200};
constexpr float RigheTasti[4] = {9480, 9960, 10440, 10920};
constexpr float LatoTasto = 375;
struct Unita {
    int indice;
    const char* testo;
    Posto posto;
};
constexpr Unita PulsantiUnita[] = {{13, "Frazione", {1800, 9480, 855, 375}},
                                   {14, "Decimali", {1800, 9960, 1935, 375}},
                                   {15, "Cents", {1800, 10440, 1935, 375}},
                                   {16, "Micro", {1800, 10920, 1935, 375}}};
constexpr Posto PostoRadice{2760, 9480, 975, 375};
constexpr CarattereProgetto CarattereRisultato{14.25f, "Arial"}, CarattereRapporto{12.0f, "Arial", true};
constexpr Posto PostoFraz1{3960, 9480, 1215, 375}, PostoFraz2{5280, 9480, 1215, 375},
    PostoDecimali{3960, 9960, 2535, 375}, PostoCents{3960, 10440, 2535, 375}, PostoMicro{3960, 10920, 2535, 375};
constexpr Posto PostoBarra{5040, 9480, 375, 375};

Allineamento Da(AllineamentoCella a) {
    switch (a) {
        case AllineamentoCella::Sinistra: return Allineamento::Sinistra;
        case AllineamentoCella::Destra: return Allineamento::Destra;
        case AllineamentoCella::Centro: break;
    }
    return Allineamento::Centro;
}

Qt::Alignment Orizzontale(AllineamentoCella a) {
    switch (a) {
        case AllineamentoCella::Sinistra: return Qt::AlignLeft;
        case AllineamentoCella::Destra: return Qt::AlignRight;
        case AllineamentoCella::Centro: break;
    }
    return Qt::AlignHCenter;
}

// A text that never changes, transparent over its box.
void Scrivi(Costruttore& k, const Scritta& x) {
    QLabel* l = k.etichetta(x.nome, x.indice, x.posto, QString::fromUtf8(x.testo), Allineamento::Centro, x.carattere);
    Colora(l, QPalette::WindowText, Colori::Nero);
}

// A button in the standard style: the button face whatever its colour.
PulsanteVB* Standard(Costruttore& k, const char* nome, int indice, const Posto& p, const QString& caption,
                     const CarattereProgetto& c) {
    auto* b = k.crea<PulsanteVB>(nome, indice, p, c);
    b->setText(caption);
    return b;
}

}  // namespace

SchermataUtility::SchermataUtility(FinestraPrincipale& finestra, Utility& modello)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), utility_(modello) {
    f_.registraTardivo(this, "FraUtility", -1, TipoControllo::Cornice, Posto{0, 0, LarghezzaProgetto, AltezzaProgetto});
    Costruttore k(f_, this);
    // The boxes first, so that everything else lies over them.
    creaRiquadri(k);
    creaComandi(k);
    creaTabella(k);
    creaConvertitore(k);
}

void SchermataUtility::creaRiquadri(Costruttore& k) {
    for (const Riquadro& r : Riquadri) k.forma(r.nome, r.indice, r.posto, Colori::GrigioAzzurro);
    Scrivi(k, Titolo);
    Scrivi(k, Info);
    TxtSpiegazioni_ = k.crea<CasellaMultiriga>("TxtSpiegazioni", -1, PostoSpiegazioni, CarattereSpiegazioni);
    TxtSpiegazioni_->setReadOnly(true);
    TxtSpiegazioni_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtSpiegazioni_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtSpiegazioni_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TxtSpiegazioni_->setPlainText(TestoPerCasella(TestoSpiegazioni));
    Scrivi(k, Formule);
}

// The page and "Esc", then the key controls in the top corners.
void SchermataUtility::creaComandi(Costruttore& k) {
    cmdPagina_ = Standard(k, "cmdPagina", -1, PostoPagina, {}, SansG);
    cmdEsciUtility_ = Standard(k, "cmdEsciUtility", -1, PostoEsci, QStringLiteral("Esc"), SansG);
    connect(cmdPagina_, &PulsanteVB::clic, this, [this] {
        utility_.cmdPagina_Click(f_.stato().LinguaNote);
        aggiornaTabella(cmdPagina_);
    });
    connect(cmdEsciUtility_, &PulsanteVB::clic, this, [this] {
        utility_.cmdEsciUtility_Click();
        aggiornaDaModello();
    });
    for (int i = 0; i <= 1; ++i) {
        auto* p = Standard(k, "cmdTono", i, PostiTono[i], i == 0 ? QStringLiteral("<") : QStringLiteral(">"), SansG975);
        connect(p, &PulsanteVB::clic, this, [this, i] {
            utility_.cmdTono_Click(i, f_.stato().LinguaNote);
            aggiornaTabella(cmdTono_[static_cast<size_t>(i)]);
        });
        cmdTono_[static_cast<size_t>(i)] = p;
    }
    cmdAlterazioni_ = Standard(k, "cmdAlterazioni", -1, PostoAlterazioni, {}, CarattereAlterazioni);
    lblTono_ = k.etichetta("lblTono", -1, PostoLblTono, {}, Allineamento::Centro);
    lblAlterazioni_ = k.etichetta("lblAlterazioni", -1, PostoLblAlterazioni, {}, Allineamento::Centro);
    for (QLabel* l : {lblTono_, lblAlterazioni_}) {
        Riempi(l, Colori::Bianco, Colori::Nero);
        l->hide();
    }
    connect(cmdAlterazioni_, &PulsanteVB::clic, this, [this] {
        utility_.cmdAlterazioni_Click(f_.stato().LinguaNote);
        aggiornaTabella(cmdAlterazioni_);
    });
}

void SchermataUtility::creaTabella(Costruttore& k) {
    for (int c = 0; c < ColonneIntervalli; ++c)
        for (int r = 0; r <= RighePerPagina; ++r) {
            const Posto p{SinistraColonna[c], AltoRiga[r], LarghezzaColonna[c], AltezzaCella};
            const CarattereProgetto carattere{9.75f, "MS Sans Serif", r == 0};
            CellaTesto* l;
            if (r > 0) {
                l = k.cella(Colonne[c], r, p, Colori::Bianco, Colori::Nero, Allineamento::Centro, carattere);
            } else {
                // The header cells are transparent.
                l = k.crea<CellaTesto>(Colonne[c], r, p, carattere);
                FormaEtichetta(l, Allineamento::Centro);
                l->setWordWrap(false);
                l->setPalette(Tavolozza(Colori::Bianco, Colori::Nero));
            }
            celle_[static_cast<size_t>(c)][static_cast<size_t>(r)] = l;
        }
}

void SchermataUtility::creaConvertitore(Costruttore& k) {
    Colora(k.etichetta("lblScritteUtility", 0, PostoTitoloConvertitore, QStringLiteral("Convertitore Intervalli"),
                       Allineamento::Sinistra, SansG975),
           QPalette::WindowText, Colori::Nero);
    istruzione_ = k.etichetta("lblScritteUtility", 1, PostoIstruzione, {});
    Colora(istruzione_, QPalette::WindowText, Colori::Nero);
    creaTastiera(k);
    cmdRadice_ = k.pulsante("cmdRadice", -1, PostoRadice, QStringLiteral("Radice di 2"), Colori::FacciaPulsante);
    connect(cmdRadice_, &PulsanteVB::clic, this, [this] {
        utility_.convertitore.cmdRadice_Click();
        aggiornaConvertitore();
    });
    creaRisultati(k);
}

// The keypad and the unit buttons, cmdNumero(0..16).
void SchermataUtility::creaTastiera(Costruttore& k) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const int i = Tasti[r][c];
            const QString caption = i <= 9 ? QString::number(i) : (i == 10 ? QStringLiteral(".") : QStringLiteral("C"));
            cmdNumero_[static_cast<size_t>(i)] =
                Standard(k, "cmdNumero", i, {ColonneTasti[c], RigheTasti[r], LatoTasto, LatoTasto}, caption,
                         {i == 10 ? 12.0f : 8.25f, "MS Sans Serif", true});
        }
    for (const Unita& u : PulsantiUnita)
        cmdNumero_[static_cast<size_t>(u.indice)] =
            k.pulsante("cmdNumero", u.indice, u.posto, QString::fromLatin1(u.testo), Colori::FacciaPulsante);
    for (int i = 0; i <= 16; ++i)
        if (PulsanteVB* p = cmdNumero_[static_cast<size_t>(i)])
            connect(p, &PulsanteVB::clic, this, [this, i] {
                utility_.convertitore.cmdNumero_Click(i);
                aggiornaConvertitore();
            });
}

// The results, then the bar, which overlaps both terms and lies over them.
void SchermataUtility::creaRisultati(Costruttore& k) {
    const struct {
        const char* nome;
        QLabel** l;
        const Posto& posto;
        const CarattereProgetto& carattere;
    } uscite[] = {
        {"lblConvertiFraz1", &fraz1_, PostoFraz1, CarattereRisultato},
        {"lblConvertiFraz2", &fraz2_, PostoFraz2, CarattereRisultato},
        {"lblConvertiDecimali", &decimali_, PostoDecimali, CarattereRapporto},
        {"lblConvertiCents", &cents_, PostoCents, CarattereRisultato},
        {"lblConvertiMicro", &micro_, PostoMicro, CarattereRisultato},
        {"lblBarra", &barra_, PostoBarra, CarattereRisultato},
    };
    for (const auto& u : uscite) {
        *u.l = k.etichetta(u.nome, -1, u.posto, {}, Allineamento::Centro, u.carattere);
        Riempi(*u.l, Colori::Bianco, Colori::Nero);
    }
    barra_->setText(QStringLiteral("/"));
}

void SchermataUtility::aggiornaDaModello() {
    aggiornaTabella();
    aggiornaConvertitore();
    mostraSe(utility_.aperta);
}

void SchermataUtility::aggiornaTabella(const QWidget* premuto) {
    QRect cambiate;
    // The control clicked is marked for repaint first. The cells follow it
    // away from it (from below the table, the last row up and right to
    // left), so that the repaint's region of the cells grows at one end
    // rather than by merging each cell into it.
    const bool dalBasso = premuto && premuto->y() > celle_[0][RighePerPagina]->geometry().bottom();
    for (size_t i = 0; i <= RighePerPagina; ++i)
        for (size_t j = 0; j < ColonneIntervalli; ++j) {
            const size_t r = dalBasso ? RighePerPagina - i : i;
            const size_t c = dalBasso ? ColonneIntervalli - 1 - j : j;
            CellaTesto* l = celle_[c][r];
            const QString testo = QString::fromStdString(utility_.testi[c][r]);
            const ColoreVB sfondo = r > 0 ? utility_.sfondi[c][r] : Colori::Bianco;
            bool cambiata = false;
            if (l->text() != testo) {
                l->setText(testo);
                cambiata = true;
            }
            if (l->palette().color(QPalette::Window) != ColoreQt(sfondo)) {
                l->setPalette(Tavolozza(sfondo, Colori::Nero));
                cambiata = true;
            }
            const AllineamentoCella a = utility_.allineamentoNota[r];
            if (c == 0 && r > 0 && (l->alignment() & Qt::AlignHorizontal_Mask) != Orizzontale(a)) {
                FormaEtichetta(l, Da(a));
                l->setWordWrap(false);
                cambiata = true;
            }
            if (cambiata) cambiate |= l->geometry();
        }
    // The changed cells marked once more as one rectangle, after their own
    // marks: the repaint then clips to one rectangle rather than to two
    // hundred, and paints the table in one pass.
    if (!cambiate.isEmpty()) update(cambiate);
    ScriviSeDiverso(cmdPagina_, utility_.cmdPagina());
    ScriviSeDiverso(cmdAlterazioni_, utility_.cmdAlterazioni());
    ScriviSeDiverso(lblTono_, utility_.lblTono());
    ScriviSeDiverso(lblAlterazioni_, utility_.lblAlterazioni());
}

void SchermataUtility::aggiornaConvertitore() {
    Convertitore& k = utility_.convertitore;
    ScriviSeDiverso(istruzione_, k.istruzione);
    const std::pair<QLabel*, std::pair<const std::string*, ColoreVB>> uscite[] = {
        {fraz1_, {&k.fraz1, k.coloreFraz1}},          {fraz2_, {&k.fraz2, k.coloreFraz2}},
        {decimali_, {&k.decimali, k.coloreDecimali}}, {cents_, {&k.cents, k.coloreCents}},
        {micro_, {&k.micro, k.coloreMicro}},
    };
    for (const auto& [l, v] : uscite) {
        ScriviSeDiverso(l, *v.first);
        Colora(l, QPalette::Window, v.second);
    }
    for (int i = Convertitore::Frazione; i <= Convertitore::Micro; ++i)
        cmdNumero_[static_cast<size_t>(i)]->setColoreSfondo(k.coloreDellUnita(i));
    cmdRadice_->setColoreSfondo(k.coloreRadice);
}

UtilityInstallata::UtilityInstallata(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    setObjectName(QStringLiteral("Utility"));
    cmdUtility_ = PulsanteApertura(f_, "cmdUtility", PostoUtility, Sans.punti, QStringLiteral("Utility"),
                                   Colori::VerdeChiaro, QStringLiteral("Apri la schermata delle 'Utilility'"));
    connect(cmdUtility_, &PulsanteVB::clic, this, &UtilityInstallata::cmdUtility_Click);
}

void UtilityInstallata::cmdUtility_Click() {
    SchermataUtility& schermata = costruita(f_, modello_);
    modello_.cmdUtility_Click(f_.stato().LinguaNote);
    schermata.aggiornaDaModello();
}

UtilityInstallata& InstallaUtility(FinestraPrincipale& finestra) { return *new UtilityInstallata(finestra); }

}  // namespace vk
