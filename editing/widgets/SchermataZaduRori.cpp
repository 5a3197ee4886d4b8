#include "editing/widgets/SchermataZaduRori.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/Testi.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

namespace {

constexpr ColoreVB SfondoEasy = 0xC0E0FF;
constexpr ColoreVB Riquadro = Colori::GrigioAzzurro;
constexpr ColoreVB Verde = 0xDBFDE7;
constexpr ColoreVB Rossa = 0xDFDFFF;
constexpr float Carattere = 8.25f;

float Riga(int k) { return 2033.0f + 480.0f * static_cast<float>(k - 1); }

// The layout, in twips.
struct Posto {
    float l, t, w, h;
};
Posto AllaRiga(Posto p, int k) { return {p.l, Riga(k), p.w, p.h}; }

constexpr Posto PostiRiquadri[2] = {{5513, 1193, 3855, 9495}, {5520, 1193, 6015, 9495}};
// The table's fixed texts, lblTabellaEasy(i); 9 is the title.
struct Scritta {
    int indice;
    const char* testo;
    Posto posto;
};
constexpr Scritta Scritte[] = {
    {9, "RIDIVAZ UZO", {5520, 593, 3855, 495}},
    {8, "'Zadu-Rori'", {5640, 1313, 1575, 255}},
    {4, "Intervalli di Quinta", {5640, 1673, 1575, 255}},
    {0, "Diff. in Cents rispetto alle Quinte naturali", {8040, 1320, 1215, 615}},
    {3,
     "Valori delle Quinte in 'Micro': il valore della quinta 'naturale' \xC3\xA8 di  995148 M.",
     {9360, 1313, 2055, 615}},
    {5, "Totale provvisorio:", {9360, 7913, 2055, 255}},
    {7, "Scarto:", {10200, 8873, 1215, 255}},
    {6, "Totale corretto:", {9360, 9833, 2055, 255}},
};
constexpr int Titolo = 9;
constexpr float PuntiTitolo = 18.0f;
constexpr Posto PostoCanc{7313, 1313, 615, 615};
// A fifth's row, its Top from the row.
constexpr Posto PostoEtiQuinte{5633, 0, 1575, 375}, PostoCopy{7313, 0, 615, 420}, PostoCents{8033, 0, 1215, 420},
    PostoArrotondate{9360, 0, 2055, 420};
constexpr Posto PostoIndicazioni{5633, 7793, 3615, 2055};
constexpr float PuntiIndicazioni = 14.25f;
// The correction step's totals and "MOD".
constexpr Posto PostoTotale{9360, 8273, 2055, 375}, PostoCorreggi{9360, 8873, 735, 735},
    PostoCorrezione{10200, 9233, 1215, 375}, PostoTotaleCorretto{9360, 10193, 2055, 375};
constexpr Posto PostoEsci{5633, 9953, 1215, 615}, PostoSomma{8033, 9953, 1215, 615};

void Sfondo(QLabel* l, ColoreVB c) {
    l->setAutoFillBackground(true);
    Colora(l, QPalette::Window, c);
    Colora(l, QPalette::WindowText, Colori::Nero);
}

void Casella(QLineEdit* e, ColoreVB c) {
    Colora(e, QPalette::Base, c);
    Colora(e, QPalette::Text, Colori::Nero);
    e->setAlignment(Qt::AlignCenter);
}

void Pulsante(PulsanteVB* p, const char* caption, ColoreVB c) {
    p->setText(QString::fromUtf8(caption));
    p->setGrafico(true);
    p->setColoreSfondo(c);
}

// Created, registered and scaled as if laid out at the load.
template <class W>
W* Crea(FinestraPrincipale& f, QWidget* s, const std::string& nome, int indice, TipoControllo tipo, const Posto& p,
        const QFont* font = nullptr, float punti = Carattere) {
    return f.creaTardivo<W>(s, nome, indice, tipo, p.l, p.t, p.w, p.h, punti, font);
}

// A label in its back colour, its text from the top edge, centred.
QLabel* Etichetta(FinestraPrincipale& f, QWidget* s, const std::string& nome, int indice, const Posto& p,
                  ColoreVB sfondo, const QString& testo = {}, const QFont* font = nullptr, float punti = Carattere) {
    auto* x = Crea<QLabel>(f, s, nome, indice, TipoControllo::Etichetta, p, font, punti);
    FormaEtichetta(x, Allineamento::Centro);
    if (!testo.isEmpty()) x->setText(testo);
    Sfondo(x, sfondo);
    return x;
}

PulsanteVB* Comando(FinestraPrincipale& f, QWidget* s, const std::string& nome, int indice, const Posto& p,
                    const char* caption, ColoreVB c) {
    auto* b = Crea<PulsanteVB>(f, s, nome, indice, TipoControllo::Pulsante, p);
    Pulsante(b, caption, c);
    return b;
}

}  // namespace

ZaduRoriInstallato::ZaduRoriInstallato(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    setObjectName(QStringLiteral("ZaduRori"));
    cmdApriEasy_ =
        f_.crea<PulsanteVB>(f_.pagina(), "cmdApriEasy", -1, TipoControllo::Pulsante, 14595, 10200, 550, 495, Carattere);
    Pulsante(cmdApriEasy_, "Easy", Riquadro);
    cmdApriEasy_->setToolTip(QStringLiteral("Apri Pannello 'Zadu-Rori'"));
    connect(cmdApriEasy_, &PulsanteVB::clic, this, &ZaduRoriInstallato::cmdApriEasy_Click);
}

void ZaduRoriInstallato::cmdApriEasy_Click() {
    zadu_.apri(f_.stato().LinguaNote);
    if (!schermata_) schermata_ = new SchermataZaduRori(f_, zadu_);
    schermata_->aggiornaDaModello();
}

SchermataZaduRori::SchermataZaduRori(FinestraPrincipale& finestra, ZaduRori& modello)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), zadu_(modello) {
    setColoreSfondo(SfondoEasy);
    f_.registraTardivo(this, "FraEasy", -1, TipoControllo::Cornice, 3840, 9000, LarghezzaProgetto, AltezzaProgetto);
    creaControlli();
}

void SchermataZaduRori::creaControlli() {
    // The background boxes first, so that everything else lies over them.
    for (int i = 0; i <= 1; ++i) {
        auto* r = Crea<QFrame>(f_, this, "ShpRiquadroEasy", i, TipoControllo::Forma, PostiRiquadri[i], nullptr, 0);
        r->setFrameStyle(QFrame::Box | QFrame::Plain);
        r->setAutoFillBackground(true);
        Colora(r, QPalette::Window, Riquadro);
        Colora(r, QPalette::WindowText, Colori::Nero);
        ShpRiquadroEasy_[static_cast<size_t>(i)] = r;
    }
    const QFont titolo = CaratterePunti(QStringLiteral("Times New Roman"), PuntiTitolo, true);
    for (const Scritta& e : Scritte) {
        const bool eTitolo = e.indice == Titolo;
        lblTabellaEasy_[static_cast<size_t>(e.indice)] =
            Etichetta(f_, this, "lblTabellaEasy", e.indice, e.posto, Colori::Bianco, QString::fromUtf8(e.testo),
                      eTitolo ? &titolo : nullptr, eTitolo ? PuntiTitolo : Carattere);
    }
    cmdCopyEasy_[0] = Comando(f_, this, "cmdCopyEasy", 0, PostoCanc, "Canc", SfondoEasy);
    for (int k = 1; k <= 12; ++k) creaRiga(k);
    for (int k = 0; k <= 12; ++k)
        connect(cmdCopyEasy_[static_cast<size_t>(k)], &PulsanteVB::clic, this, [this, k] {
            zadu_.copia(k);
            aggiornaDaModello();
        });
    creaIndicazioni();
    creaCorrezione();
    creaComandi();
}

// A fifth's row: its name, "Copy", its cents and its rounded Micro.
void SchermataZaduRori::creaRiga(int k) {
    const auto i = static_cast<size_t>(k);
    lblEtiQuinteEasy_[i] = Etichetta(f_, this, "lblEtiQuinteEasy", k, AllaRiga(PostoEtiQuinte, k), Colori::Bianco);
    cmdCopyEasy_[i] = Comando(f_, this, "cmdCopyEasy", k, AllaRiga(PostoCopy, k), "Copy", Colori::GialloPallido);
    TxtCentsEasy_[i] =
        Crea<QLineEdit>(f_, this, "TxtCentsEasy", k, TipoControllo::CasellaTesto, AllaRiga(PostoCents, k));
    Casella(TxtCentsEasy_[i], Verde);
    connect(TxtCentsEasy_[i], &QLineEdit::textChanged, this, [this, i](const QString& s) {
        if (!inAggiornamento_) zadu_.TxtCentsEasy[i] = s.toStdString();
    });
    TxtQuinteArrotondateEasy_[i] = Crea<QLineEdit>(f_, this, "TxtQuinteArrotondateEasy", k, TipoControllo::CasellaTesto,
                                                   AllaRiga(PostoArrotondate, k));
    Casella(TxtQuinteArrotondateEasy_[i], Rossa);
    connect(TxtQuinteArrotondateEasy_[i], &QLineEdit::textChanged, this, [this, i](const QString& s) {
        if (!inAggiornamento_) zadu_.TxtQuinteArrotondateEasy[i] = s.toStdString();
    });
}

void SchermataZaduRori::creaIndicazioni() {
    const QFont indicazioni = CaratterePunti(QStringLiteral("Times New Roman"), PuntiIndicazioni);
    TxtIndicazioniOperativeEasy_ =
        Crea<QPlainTextEdit>(f_, this, "TxtIndicazioniOperativeEasy", -1, TipoControllo::CasellaTesto, PostoIndicazioni,
                             &indicazioni, PuntiIndicazioni);
    TxtIndicazioniOperativeEasy_->setReadOnly(true);
    TxtIndicazioniOperativeEasy_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtIndicazioniOperativeEasy_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtIndicazioniOperativeEasy_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

// The correction step's totals and "MOD".
void SchermataZaduRori::creaCorrezione() {
    lblQuinteArrotondateTotale_ =
        Etichetta(f_, this, "lblQuinteArrotondateTotale", -1, PostoTotale, Colori::RossoChiaro);
    cmdCorreggi_ = Comando(f_, this, "cmdCorreggi", -1, PostoCorreggi, "MOD", 0xFFFFE1);
    lblCorrezione_ = Etichetta(f_, this, "lblCorrezione", -1, PostoCorrezione, Colori::RossoChiaro);
    lblTotaleMicroEasyArrotondata_ =
        Etichetta(f_, this, "lblTotaleMicroEasyArrotondata", -1, PostoTotaleCorretto, Colori::VerdeChiaro);
    connect(cmdCorreggi_, &PulsanteVB::clic, this, [this] {
        StatoPrincipale& s = f_.stato();
        dopo(zadu_.mod(s.temperamento, s.istogrammi, s.altezzaSchermo()));
    });
}

void SchermataZaduRori::creaComandi() {
    cmdEsciEasyMode_ = Comando(f_, this, "cmdEsciEasyMode", -1, PostoEsci, "Esc", 0xDFDFFF);
    cmdSommaEasy_ = Comando(f_, this, "cmdSommaEasy", -1, PostoSomma, "OK", Verde);
    connect(cmdEsciEasyMode_, &PulsanteVB::clic, this, [this] {
        zadu_.esci();
        aggiornaDaModello();
    });
    connect(cmdSommaEasy_, &PulsanteVB::clic, this, [this] {
        StatoPrincipale& s = f_.stato();
        dopo(zadu_.ok(s.temperamento, s.istogrammi, s.altezzaSchermo()));
    });
}

void SchermataZaduRori::dopo(ZaduRori::Esito esito) {
    aggiornaDaModello();
    if (esito == ZaduRori::Esito::Applicato) f_.aggiorna();
}

void SchermataZaduRori::aggiornaDaModello() {
    inAggiornamento_ = true;
    const bool correzione = zadu_.passoCorrezione;
    ShpRiquadroEasy_[0]->setVisible(!correzione);
    ShpRiquadroEasy_[1]->setVisible(correzione);
    for (int i : {3, 5, 6, 7}) lblTabellaEasy_[static_cast<size_t>(i)]->setVisible(correzione);
    for (QWidget* w : std::initializer_list<QWidget*>{lblQuinteArrotondateTotale_, lblCorrezione_,
                                                      lblTotaleMicroEasyArrotondata_, cmdCorreggi_})
        w->setVisible(correzione);
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        lblEtiQuinteEasy_[i]->setText(QString::fromStdString(zadu_.lblEtiQuinteEasy[i]));
        ScriviSeDiverso(TxtCentsEasy_[i], zadu_.TxtCentsEasy[i]);
        ScriviSeDiverso(TxtQuinteArrotondateEasy_[i], zadu_.TxtQuinteArrotondateEasy[i]);
        TxtQuinteArrotondateEasy_[i]->setVisible(correzione);
    }
    lblQuinteArrotondateTotale_->setText(QString::fromStdString(zadu_.lblQuinteArrotondateTotale));
    lblCorrezione_->setText(QString::fromStdString(zadu_.lblCorrezione));
    lblTotaleMicroEasyArrotondata_->setText(QString::fromStdString(zadu_.lblTotaleMicroEasyArrotondata));
    const QString indicazioni = QString::fromStdString(zadu_.TxtIndicazioniOperativeEasy);
    if (TxtIndicazioniOperativeEasy_->toPlainText() != indicazioni)
        TxtIndicazioniOperativeEasy_->setPlainText(indicazioni);
    inAggiornamento_ = false;
    // The background boxes stay beneath the controls they frame.
    ShpRiquadroEasy_[0]->lower();
    ShpRiquadroEasy_[1]->lower();
    if (zadu_.aperta && !inVista())
        apri();
    else if (!zadu_.aperta && inVista())
        chiudi();
}

ZaduRoriInstallato& InstallaZaduRori(FinestraPrincipale& finestra) { return *new ZaduRoriInstallato(finestra); }

}  // namespace vk
