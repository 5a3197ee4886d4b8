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


constexpr const char* Colonne[ColonneIntervalli] = {"lblScalaDoInterv", "lblNomeInterv",  "lblFrazInterv",
                                                    "lblDecInterv",     "lblCentsInt",    "lblMicroInterv",
                                                    "lblProcedInt",     "lblFormulaInterv"};
constexpr float SinistraColonna[ColonneIntervalli] = {120, 960, 4440, 6000, 7320, 8400, 9840, 13320};
constexpr float LarghezzaColonna[ColonneIntervalli] = {735, 3375, 1455, 1215, 975, 1335, 3375, 1935};
constexpr float AltoRiga[24] = {720,  1080, 1410, 1740, 2070, 2415, 2745, 3075, 3405, 3735, 4065, 4395,
                                4725, 5070, 5400, 5730, 6060, 6390, 6720, 7050, 7395, 7725, 8055, 8400};

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

}  // namespace

SchermataUtility::SchermataUtility(FinestraPrincipale& finestra)
    : Schermata(finestra.pagina(), &finestra), f_(finestra) {
    f_.registra(this, "FraUtility", -1, TipoControllo::Cornice, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    cmdUtility_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdUtility", -1, TipoControllo::Pulsante, 13920, 10200, 550,
                                      495, 8.25f);
    cmdUtility_->setText(QStringLiteral("Utility"));
    cmdUtility_->setGrafico(true);
    cmdUtility_->setColoreSfondo(Colori::VerdeChiaro);
    cmdUtility_->setToolTip(QStringLiteral("Apri la schermata delle 'Utilility'"));
    connect(cmdUtility_, &PulsanteVB::clic, this, &SchermataUtility::apriUtility);
}

template <class W>
W* SchermataUtility::nuovo(const std::string& nome, int indice, float sinistra, float alto, float larghezza,
                           float altezza, float punti, const char* famiglia, bool grassetto) {
    const QFont carattere = CaratterePunti(QString::fromLatin1(famiglia), punti > 0 ? punti : 8.25, grassetto);
    return f_.creaTardivo<W>(this, nome, indice, TipoDaNome(nome), sinistra, alto, larghezza, altezza, punti,
                             &carattere);
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
    creaTabella();
    creaConvertitore();
}

void SchermataUtility::creaRiquadri() {
    struct Riquadro {
        const char* nome;
        int indice;
        float l, t, w, h;
    } riquadri[] = {
        {"ShpVari", 15, 960, 120, 13455, 495},
        {"ShpRiquadroUtility", 0, 120, 8880, 6495, 2535},
        {"ShpRiquadroUtility", 1, 8760, 8880, 6495, 2535},
    };
    for (const auto& r : riquadri) {
        auto* q = nuovo<QFrame>(r.nome, r.indice, r.l, r.t, r.w, r.h, 0);
        q->setFrameStyle(QFrame::Box | QFrame::Plain);
        q->setAutoFillBackground(true);
        Colora(q, QPalette::Window, Colori::GrigioAzzurro);
        Colora(q, QPalette::WindowText, Colori::Nero);
    }

    auto* titolo = nuovo<QLabel>("lblScritteUtility", 2, 3540, 180, 8295, 375, 14.25f, "Times New Roman", true);
    titolo->setText(QString::fromUtf8(TitoloUtility));
    FormaEtichetta(titolo, Allineamento::Centro);
    Trasparente(titolo);

    auto* info = nuovo<QLabel>("lblVarie", 44, 9000, 9075, 6015, 375, 9.75f, "MS Sans Serif", true);
    info->setText(QString::fromUtf8(TitoloInfo));
    FormaEtichetta(info, Allineamento::Centro);
    Trasparente(info);

    TxtSpiegazioni_ = nuovo<QPlainTextEdit>("TxtSpiegazioni", -1, 9000, 9480, 6015, 1215, 9.75f);
    TxtSpiegazioni_->setReadOnly(true);
    TxtSpiegazioni_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtSpiegazioni_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtSpiegazioni_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TxtSpiegazioni_->setPlainText(TestoPerCasella(TestoSpiegazioni));

    auto* formule = nuovo<QLabel>("lblScritteVarie", 7, 9720, 10800, 4695, 375, 6.75f);
    formule->setText(QString::fromUtf8(RigaFormule));
    FormaEtichetta(formule, Allineamento::Centro);
    Trasparente(formule);

    cmdPagina_ = nuovo<PulsanteVB>("cmdPagina", -1, 7200, 9480, 975, 495, 8.25f, "MS Sans Serif", true);
    cmdEsciUtility_ = nuovo<PulsanteVB>("cmdEsciUtility", -1, 7200, 10440, 975, 495, 8.25f, "MS Sans Serif", true);
    cmdEsciUtility_->setText(QStringLiteral("Esc"));
    connect(cmdPagina_, &PulsanteVB::clic, this, [this] {
        utility_.cmdPagina_Click(f_.stato().LinguaNote);
        aggiornaTabella(cmdPagina_);
    });
    connect(cmdEsciUtility_, &PulsanteVB::clic, this, [this] {
        utility_.cmdEsciUtility_Click();
        aggiornaDaModello();
    });

    // The key controls in the top corners.
    for (int i = 0; i <= 1; ++i) {
        auto* p = nuovo<PulsanteVB>("cmdTono", i, i == 0 ? 120 : 525, 120, 325, 495, 9.75f, "MS Sans Serif", true);
        p->setText(i == 0 ? QStringLiteral("<") : QStringLiteral(">"));
        connect(p, &PulsanteVB::clic, this, [this, i] {
            utility_.cmdTono_Click(i, f_.stato().LinguaNote);
            aggiornaTabella(cmdTono_[static_cast<size_t>(i)]);
        });
        cmdTono_[static_cast<size_t>(i)] = p;
    }
    cmdAlterazioni_ = nuovo<PulsanteVB>("cmdAlterazioni", -1, 14520, 120, 735, 495, 14.25f, "Times New Roman");
    // The key and the preference as their hidden labels hold them.
    lblTono_ = nuovo<QLabel>("lblTono", -1, 1080, 120, 255, 255, 8.25f);
    lblAlterazioni_ = nuovo<QLabel>("lblAlterazioni", -1, 12840, 120, 375, 375, 8.25f);
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
            auto* l = nuovo<CellaTesto>(Colonne[c], r, SinistraColonna[c], AltoRiga[r], LarghezzaColonna[c], 255, 9.75f,
                                    "MS Sans Serif", r == 0);
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
    auto* titolo = nuovo<QLabel>("lblScritteUtility", 0, 240, 9000, 3495, 375, 9.75f, "MS Sans Serif", true);
    titolo->setText(QStringLiteral("Convertitore Intervalli"));
    FormaEtichetta(titolo);
    Trasparente(titolo);
    istruzione_ = nuovo<QLabel>("lblScritteUtility", 1, 3960, 9000, 2535, 375, 8.25f);
    FormaEtichetta(istruzione_);
    Trasparente(istruzione_);

    // The keypad: rows 7 8 9, 4 5 6, 1 2 3, C 0 ".".
    const int tasti[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {11, 0, 10}};
    const float colonne[3] = {240, 720, 1200};
    const float righe[4] = {9480, 9960, 10440, 10920};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) {
            const int i = tasti[r][c];
            auto* p = nuovo<PulsanteVB>("cmdNumero", i, colonne[c], righe[r], 375, 375, i == 10 ? 12.0f : 8.25f,
                                        "MS Sans Serif", true);
            p->setText(i <= 9 ? QString::number(i) : (i == 10 ? QStringLiteral(".") : QStringLiteral("C")));
            cmdNumero_[static_cast<size_t>(i)] = p;
        }
    struct Unita {
        int indice;
        const char* testo;
        float t, w;
    } unita[] = {{13, "Frazione", 9480, 855}, {14, "Decimali", 9960, 1935}, {15, "Cents", 10440, 1935},
                 {16, "Micro", 10920, 1935}};
    for (const auto& u : unita) {
        auto* p = nuovo<PulsanteVB>("cmdNumero", u.indice, 1800, u.t, u.w, 375, 8.25f);
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
    cmdRadice_ = nuovo<PulsanteVB>("cmdRadice", -1, 2760, 9480, 975, 375, 8.25f);
    cmdRadice_->setText(QStringLiteral("Radice di 2"));
    cmdRadice_->setGrafico(true);
    connect(cmdRadice_, &PulsanteVB::clic, this, [this] {
        utility_.convertitore.cmdRadice_Click();
        aggiornaConvertitore();
    });

    struct Uscita {
        const char* nome;
        QLabel** l;
        float sinistra, alto, larghezza;
    } uscite[] = {
        {"lblConvertiFraz1", &fraz1_, 3960, 9480, 1215},   {"lblConvertiFraz2", &fraz2_, 5280, 9480, 1215},
        {"lblConvertiDecimali", &decimali_, 3960, 9960, 2535}, {"lblConvertiCents", &cents_, 3960, 10440, 2535},
        {"lblConvertiMicro", &micro_, 3960, 10920, 2535},
    };
    for (const auto& u : uscite) {
        const bool rapporto = u.l == &decimali_;
        *u.l = nuovo<QLabel>(u.nome, -1, u.sinistra, u.alto, u.larghezza, 375, rapporto ? 12.0f : 14.25f, "Arial",
                             rapporto);
        FormaEtichetta(*u.l, Allineamento::Centro);
        Opaca(*u.l, Colori::Bianco);
    }
    // The bar overlaps both terms and lies over them.
    auto* barra = nuovo<QLabel>("lblBarra", -1, 5040, 9480, 375, 375, 14.25f, "Arial");
    barra->setText(QStringLiteral("/"));
    FormaEtichetta(barra, Allineamento::Centro);
    Opaca(barra, Colori::Bianco);
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
    if (utility_.aperta && !inVista()) apri();
    else if (!utility_.aperta && inVista()) chiudi();
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
        {fraz1_, {&k.fraz1, k.coloreFraz1}},       {fraz2_, {&k.fraz2, k.coloreFraz2}},
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
