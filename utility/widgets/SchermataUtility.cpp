#include "utility/widgets/SchermataUtility.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/Adattamento.h"
#include "app/widgets/FinestraPrincipale.h"
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

// A control's designed place, twips, and its font.
struct Posto {
    float l, t, w, h;
};
struct Carattere {
    float punti;
    const char* famiglia = "MS Sans Serif";
    bool grassetto = false;
};
constexpr Carattere Sans{8.25f}, SansG{8.25f, "MS Sans Serif", true}, SansG975{9.75f, "MS Sans Serif", true};

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
    Carattere carattere;
    const char* testo;
};
const Scritta Titolo{"lblScritteUtility", 2, {3540, 180, 8295, 375}, {14.25f, "Times New Roman", true}, TitoloUtility};
const Scritta Info{"lblVarie", 44, {9000, 9075, 6015, 375}, SansG975, TitoloInfo};
const Scritta Formule{"lblScritteVarie", 7, {9720, 10800, 4695, 375}, {6.75f}, RigaFormule};
constexpr Posto PostoSpiegazioni{9000, 9480, 6015, 1215};
constexpr Carattere CarattereSpiegazioni{9.75f};

// The table's commands, and the key and the preference as their hidden
// labels hold them.
constexpr Posto PostoPagina{7200, 9480, 975, 495}, PostoEsci{7200, 10440, 975, 495};
constexpr Posto PostiTono[2] = {{120, 120, 325, 495}, {525, 120, 325, 495}};
constexpr Posto PostoAlterazioni{14520, 120, 735, 495};
constexpr Carattere CarattereAlterazioni{14.25f, "Times New Roman"};
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
constexpr Carattere CarattereRisultato{14.25f, "Arial"}, CarattereRapporto{12.0f, "Arial", true};
constexpr Posto PostoFraz1{3960, 9480, 1215, 375}, PostoFraz2{5280, 9480, 1215, 375},
    PostoDecimali{3960, 9960, 2535, 375}, PostoCents{3960, 10440, 2535, 375}, PostoMicro{3960, 10920, 2535, 375};
constexpr Posto PostoBarra{5040, 9480, 375, 375};

// An opaque label in a back colour, black text.
void Opaca(QLabel* l, ColoreVB c) {
    l->setAutoFillBackground(true);
    Colora(l, QPalette::Window, c);
    Colora(l, QPalette::WindowText, Colori::Nero);
}

void Trasparente(QLabel* l) {
    l->setAutoFillBackground(false);
    Colora(l, QPalette::WindowText, Colori::Nero);
}

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

// A control of this screen: its designed font, registered and placed, then
// scaled as the window's re-layout scaled the others. A box has no font
// size of its own: `punti` 0 registers none.
template <class W>
W* Nuovo(FinestraPrincipale& f, QWidget* s, const char* nome, int indice, const Posto& p, const Carattere& c,
         float punti) {
    const QFont carattere = CaratterePunti(QString::fromLatin1(c.famiglia), c.punti, c.grassetto);
    return f.creaTardivo<W>(s, nome, indice, TipoDaNome(nome), p.l, p.t, p.w, p.h, punti, &carattere);
}
template <class W>
W* Nuovo(FinestraPrincipale& f, QWidget* s, const char* nome, int indice, const Posto& p, const Carattere& c) {
    return Nuovo<W>(f, s, nome, indice, p, c, c.punti);
}

// A text that never changes, transparent over its box.
void Scrivi(FinestraPrincipale& f, QWidget* s, const Scritta& x) {
    auto* l = Nuovo<QLabel>(f, s, x.nome, x.indice, x.posto, x.carattere);
    l->setText(QString::fromUtf8(x.testo));
    FormaEtichetta(l, Allineamento::Centro);
    Trasparente(l);
}

}  // namespace

SchermataUtility::SchermataUtility(FinestraPrincipale& finestra)
    : Schermata(finestra.pagina(), &finestra), f_(finestra) {
    f_.registra(this, "FraUtility", -1, TipoControllo::Cornice, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    cmdUtility_ =
        f_.crea<PulsanteVB>(f_.pagina(), "cmdUtility", -1, TipoControllo::Pulsante, 13920, 10200, 550, 495, 8.25f);
    cmdUtility_->setText(QStringLiteral("Utility"));
    cmdUtility_->setGrafico(true);
    cmdUtility_->setColoreSfondo(Colori::VerdeChiaro);
    cmdUtility_->setToolTip(QStringLiteral("Apri la schermata delle 'Utilility'"));
    connect(cmdUtility_, &PulsanteVB::clic, this, &SchermataUtility::apriUtility);
}

void SchermataUtility::apriUtility() {
    if (!costruita_) costruisci();
    utility_.cmdUtility_Click(f_.stato().LinguaNote);
    aggiornaDaModello();
}

void SchermataUtility::costruisci() {
    costruita_ = true;
    // The boxes first, so that everything else lies over them.
    creaRiquadri();
    creaComandi();
    creaTabella();
    creaConvertitore();
}

void SchermataUtility::creaRiquadri() {
    for (const Riquadro& r : Riquadri) {
        auto* q = Nuovo<QFrame>(f_, this, r.nome, r.indice, r.posto, Sans, 0);
        q->setFrameStyle(QFrame::Box | QFrame::Plain);
        q->setAutoFillBackground(true);
        Colora(q, QPalette::Window, Colori::GrigioAzzurro);
        Colora(q, QPalette::WindowText, Colori::Nero);
    }
    Scrivi(f_, this, Titolo);
    Scrivi(f_, this, Info);
    creaSpiegazioni();
    Scrivi(f_, this, Formule);
}

void SchermataUtility::creaSpiegazioni() {
    TxtSpiegazioni_ = Nuovo<QPlainTextEdit>(f_, this, "TxtSpiegazioni", -1, PostoSpiegazioni, CarattereSpiegazioni);
    TxtSpiegazioni_->setReadOnly(true);
    TxtSpiegazioni_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtSpiegazioni_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtSpiegazioni_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TxtSpiegazioni_->setPlainText(TestoPerCasella(TestoSpiegazioni));
}

// The page and "Esc", then the key controls in the top corners.
void SchermataUtility::creaComandi() {
    cmdPagina_ = Nuovo<PulsanteVB>(f_, this, "cmdPagina", -1, PostoPagina, SansG);
    cmdEsciUtility_ = Nuovo<PulsanteVB>(f_, this, "cmdEsciUtility", -1, PostoEsci, SansG);
    cmdEsciUtility_->setText(QStringLiteral("Esc"));
    connect(cmdPagina_, &PulsanteVB::clic, this, [this] {
        utility_.cmdPagina_Click(f_.stato().LinguaNote);
        aggiornaTabella(cmdPagina_);
    });
    connect(cmdEsciUtility_, &PulsanteVB::clic, this, [this] {
        utility_.cmdEsciUtility_Click();
        aggiornaDaModello();
    });
    for (int i = 0; i <= 1; ++i) {
        auto* p = Nuovo<PulsanteVB>(f_, this, "cmdTono", i, PostiTono[i], SansG975);
        p->setText(i == 0 ? QStringLiteral("<") : QStringLiteral(">"));
        connect(p, &PulsanteVB::clic, this, [this, i] {
            utility_.cmdTono_Click(i, f_.stato().LinguaNote);
            aggiornaTabella(cmdTono_[static_cast<size_t>(i)]);
        });
        cmdTono_[static_cast<size_t>(i)] = p;
    }
    cmdAlterazioni_ = Nuovo<PulsanteVB>(f_, this, "cmdAlterazioni", -1, PostoAlterazioni, CarattereAlterazioni);
    lblTono_ = Nuovo<QLabel>(f_, this, "lblTono", -1, PostoLblTono, Sans);
    lblAlterazioni_ = Nuovo<QLabel>(f_, this, "lblAlterazioni", -1, PostoLblAlterazioni, Sans);
    for (QLabel* l : {lblTono_, lblAlterazioni_}) {
        FormaEtichetta(l, Allineamento::Centro);
        Opaca(l, Colori::Bianco);
        l->hide();
    }
    connect(cmdAlterazioni_, &PulsanteVB::clic, this, [this] {
        utility_.cmdAlterazioni_Click(f_.stato().LinguaNote);
        aggiornaTabella(cmdAlterazioni_);
    });
}

void SchermataUtility::creaTabella() {
    for (int c = 0; c < ColonneIntervalli; ++c)
        for (int r = 0; r <= RighePerPagina; ++r) {
            const Posto p{SinistraColonna[c], AltoRiga[r], LarghezzaColonna[c], AltezzaCella};
            auto* l = Nuovo<CellaTesto>(f_, this, Colonne[c], r, p, {9.75f, "MS Sans Serif", r == 0});
            FormaEtichetta(l, Allineamento::Centro);
            // One line a cell: a long number is not broken at its comma.
            l->setWordWrap(false);
            // The header cells are transparent, the row cells opaque.
            l->setOpaca(r > 0);
            l->setPalette(paletteCella(Colori::Bianco));
            celle_[static_cast<size_t>(c)][static_cast<size_t>(r)] = l;
        }
}

void SchermataUtility::creaConvertitore() {
    auto* titolo = Nuovo<QLabel>(f_, this, "lblScritteUtility", 0, PostoTitoloConvertitore, SansG975);
    titolo->setText(QStringLiteral("Convertitore Intervalli"));
    FormaEtichetta(titolo);
    Trasparente(titolo);
    istruzione_ = Nuovo<QLabel>(f_, this, "lblScritteUtility", 1, PostoIstruzione, Sans);
    FormaEtichetta(istruzione_);
    Trasparente(istruzione_);
    creaTastiera();
    cmdRadice_ = Nuovo<PulsanteVB>(f_, this, "cmdRadice", -1, PostoRadice, Sans);
    cmdRadice_->setText(QStringLiteral("Radice di 2"));
    cmdRadice_->setGrafico(true);
    connect(cmdRadice_, &PulsanteVB::clic, this, [this] {
        utility_.convertitore.cmdRadice_Click();
        aggiornaConvertitore();
    });
    creaRisultati();
}

// The keypad and the unit buttons, cmdNumero(0..16).
void SchermataUtility::creaTastiera() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const int i = Tasti[r][c];
            const Carattere carattere{i == 10 ? 12.0f : 8.25f, "MS Sans Serif", true};
            auto* p = Nuovo<PulsanteVB>(f_, this, "cmdNumero", i,
                                        {ColonneTasti[c], RigheTasti[r], LatoTasto, LatoTasto}, carattere);
            p->setText(i <= 9 ? QString::number(i) : (i == 10 ? QStringLiteral(".") : QStringLiteral("C")));
            cmdNumero_[static_cast<size_t>(i)] = p;
        }
    for (const Unita& u : PulsantiUnita) {
        auto* p = Nuovo<PulsanteVB>(f_, this, "cmdNumero", u.indice, u.posto, Sans);
        p->setText(QString::fromLatin1(u.testo));
        p->setGrafico(true);
        cmdNumero_[static_cast<size_t>(u.indice)] = p;
    }
    for (int i = 0; i <= 16; ++i)
        if (PulsanteVB* p = cmdNumero_[static_cast<size_t>(i)])
            connect(p, &PulsanteVB::clic, this, [this, i] {
                utility_.convertitore.cmdNumero_Click(i);
                aggiornaConvertitore();
            });
}

// The results, then the bar, which overlaps both terms and lies over them.
void SchermataUtility::creaRisultati() {
    const struct {
        const char* nome;
        QLabel** l;
        const Posto& posto;
        const Carattere& carattere;
    } uscite[] = {
        {"lblConvertiFraz1", &fraz1_, PostoFraz1, CarattereRisultato},
        {"lblConvertiFraz2", &fraz2_, PostoFraz2, CarattereRisultato},
        {"lblConvertiDecimali", &decimali_, PostoDecimali, CarattereRapporto},
        {"lblConvertiCents", &cents_, PostoCents, CarattereRisultato},
        {"lblConvertiMicro", &micro_, PostoMicro, CarattereRisultato},
        {"lblBarra", &barra_, PostoBarra, CarattereRisultato},
    };
    for (const auto& u : uscite) {
        *u.l = Nuovo<QLabel>(f_, this, u.nome, -1, u.posto, u.carattere);
        FormaEtichetta(*u.l, Allineamento::Centro);
        Opaca(*u.l, Colori::Bianco);
    }
    barra_->setText(QStringLiteral("/"));
}

const QPalette& SchermataUtility::paletteCella(ColoreVB c) {
    // One palette per colour, shared by the cells: a page change recolours
    // a hundred of them.
    auto it = paletteCelle_.find(c);
    if (it == paletteCelle_.end()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, ColoreQt(c));
        p.setColor(QPalette::WindowText, ColoreQt(Colori::Nero));
        it = paletteCelle_.emplace(c, p).first;
    }
    return it->second;
}

void SchermataUtility::aggiornaDaModello() {
    if (costruita_) {
        aggiornaTabella();
        aggiornaConvertitore();
    }
    if (utility_.aperta && !inVista())
        apri();
    else if (!utility_.aperta && inVista())
        chiudi();
}

void SchermataUtility::aggiornaTabella(const QWidget* premuto) {
    if (!costruita_) return;
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
                l->setPalette(paletteCella(sfondo));
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
    cmdPagina_->setText(QString::fromStdString(utility_.cmdPagina));
    cmdAlterazioni_->setText(QString::fromStdString(utility_.cmdAlterazioni));
    ScriviSeDiverso(lblTono_, utility_.lblTono);
    ScriviSeDiverso(lblAlterazioni_, utility_.lblAlterazioni);
}

void SchermataUtility::aggiornaConvertitore() {
    if (!costruita_) return;
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
    for (int i = Convertitore::Frazione; i <= Convertitore::Micro; ++i) {
        PulsanteVB* p = cmdNumero_[static_cast<size_t>(i)];
        if (p->coloreSfondo() != k.coloreDellUnita(i)) p->setColoreSfondo(k.coloreDellUnita(i));
    }
    if (cmdRadice_->coloreSfondo() != k.coloreRadice) cmdRadice_->setColoreSfondo(k.coloreRadice);
}

SchermataUtility& InstallaUtility(FinestraPrincipale& finestra) { return *new SchermataUtility(finestra); }

}  // namespace vk
