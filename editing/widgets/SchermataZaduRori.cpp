#include "editing/widgets/SchermataZaduRori.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CasellaMultiriga.h"
#include "common/widgets/CasellaRiga.h"
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

Posto AllaRiga(Posto p, int k) { return {p.sinistra, Riga(k), p.larghezza, p.altezza}; }

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
constexpr CarattereProgetto CarattereTitolo = {18.0f, "Times New Roman", true};
constexpr Posto PostoCanc{7313, 1313, 615, 615};
// A fifth's row, its Top from the row.
constexpr Posto PostoEtiQuinte{5633, 0, 1575, 375}, PostoCopy{7313, 0, 615, 420}, PostoCents{8033, 0, 1215, 420},
    PostoArrotondate{9360, 0, 2055, 420};
constexpr Posto PostoIndicazioni{5633, 7793, 3615, 2055};
constexpr CarattereProgetto CarattereIndicazioni = {14.25f, "Times New Roman"};
constexpr Posto PostoEasy = {14595, 10200, 550, 495};
constexpr Posto PostoSchermata = {3840, 9000, LarghezzaProgetto, AltezzaProgetto};
// The correction step's totals and "MOD".
constexpr Posto PostoTotale{9360, 8273, 2055, 375}, PostoCorreggi{9360, 8873, 735, 735},
    PostoCorrezione{10200, 9233, 1215, 375}, PostoTotaleCorretto{9360, 10193, 2055, 375};
constexpr Posto PostoEsci{5633, 9953, 1215, 615}, PostoSomma{8033, 9953, 1215, 615};

void Casella(QLineEdit* e, ColoreVB c) {
    Colora(e, QPalette::Base, c);
    Colora(e, QPalette::Text, Colori::Nero);
    e->setAlignment(Qt::AlignCenter);
}

// A label in its back colour, its text from the top edge, centred.
QLabel* Etichetta(Costruttore& k, const char* nome, int indice, const Posto& p, ColoreVB sfondo,
                  const QString& testo = {}, const CarattereProgetto& c = {Carattere}) {
    QLabel* l = k.etichetta(nome, indice, p, testo, Allineamento::Centro, c);
    Riempi(l, sfondo, Colori::Nero);
    return l;
}

}  // namespace

SchermataZaduRori::SchermataZaduRori(FinestraPrincipale& finestra, ZaduRori& modello)
    : Schermata(finestra.pagina(), &finestra), f_(finestra), zadu_(modello) {
    setColoreSfondo(SfondoEasy);
    f_.registraTardivo(this, "FraEasy", -1, TipoControllo::Cornice, PostoSchermata);
    Costruttore k(f_, this);
    // The background boxes first, so that everything else lies over them.
    for (int i = 0; i <= 1; ++i)
        ShpRiquadroEasy_[static_cast<size_t>(i)] = k.forma("ShpRiquadroEasy", i, PostiRiquadri[i], Riquadro);
    for (const Scritta& e : Scritte)
        lblTabellaEasy_[static_cast<size_t>(e.indice)] =
            Etichetta(k, "lblTabellaEasy", e.indice, e.posto, Colori::Bianco, QString::fromUtf8(e.testo),
                      e.indice == Titolo ? CarattereTitolo : k.predefinito());
    cmdCopyEasy_[0] = k.pulsante("cmdCopyEasy", 0, PostoCanc, QStringLiteral("Canc"), SfondoEasy);
    for (int n = 1; n <= 12; ++n) creaRiga(k, n);
    for (int n = 0; n <= 12; ++n)
        connect(cmdCopyEasy_[static_cast<size_t>(n)], &PulsanteVB::clic, this, [this, n] {
            zadu_.copia(n);
            aggiornaDaModello();
        });
    creaIndicazioni(k);
    creaCorrezione(k);
    creaComandi(k);
}

// A fifth's row: its name, "Copy", its cents and its rounded Micro.
void SchermataZaduRori::creaRiga(Costruttore& k, int n) {
    const auto i = static_cast<size_t>(n);
    lblEtiQuinteEasy_[i] = Etichetta(k, "lblEtiQuinteEasy", n, AllaRiga(PostoEtiQuinte, n), Colori::Bianco);
    cmdCopyEasy_[i] =
        k.pulsante("cmdCopyEasy", n, AllaRiga(PostoCopy, n), QStringLiteral("Copy"), Colori::GialloPallido);
    TxtCentsEasy_[i] = k.crea<CasellaRiga>("TxtCentsEasy", n, AllaRiga(PostoCents, n), k.predefinito());
    Casella(TxtCentsEasy_[i], Verde);
    connect(TxtCentsEasy_[i], &QLineEdit::textChanged, this, [this, i](const QString& s) {
        if (!inAggiornamento_) zadu_.TxtCentsEasy[i] = s.toStdString();
    });
    TxtQuinteArrotondateEasy_[i] =
        k.crea<CasellaRiga>("TxtQuinteArrotondateEasy", n, AllaRiga(PostoArrotondate, n), k.predefinito());
    Casella(TxtQuinteArrotondateEasy_[i], Rossa);
    connect(TxtQuinteArrotondateEasy_[i], &QLineEdit::textChanged, this, [this, i](const QString& s) {
        if (!inAggiornamento_) zadu_.TxtQuinteArrotondateEasy[i] = s.toStdString();
    });
}

void SchermataZaduRori::creaIndicazioni(Costruttore& k) {
    TxtIndicazioniOperativeEasy_ =
        k.crea<CasellaMultiriga>("TxtIndicazioniOperativeEasy", -1, PostoIndicazioni, CarattereIndicazioni);
    TxtIndicazioniOperativeEasy_->setReadOnly(true);
    TxtIndicazioniOperativeEasy_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtIndicazioniOperativeEasy_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtIndicazioniOperativeEasy_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

// The correction step's totals and "MOD".
void SchermataZaduRori::creaCorrezione(Costruttore& k) {
    lblQuinteArrotondateTotale_ = Etichetta(k, "lblQuinteArrotondateTotale", -1, PostoTotale, Colori::RossoChiaro);
    cmdCorreggi_ = k.pulsante("cmdCorreggi", -1, PostoCorreggi, QStringLiteral("MOD"), 0xFFFFE1);
    lblCorrezione_ = Etichetta(k, "lblCorrezione", -1, PostoCorrezione, Colori::RossoChiaro);
    lblTotaleMicroEasyArrotondata_ =
        Etichetta(k, "lblTotaleMicroEasyArrotondata", -1, PostoTotaleCorretto, Colori::VerdeChiaro);
    connect(cmdCorreggi_, &PulsanteVB::clic, this, [this] {
        StatoPrincipale& s = f_.stato();
        dopo(zadu_.mod(s.temperamento, s.istogrammi, s.altezzaSchermo()));
    });
}

void SchermataZaduRori::creaComandi(Costruttore& k) {
    cmdEsciEasyMode_ = k.pulsante("cmdEsciEasyMode", -1, PostoEsci, QStringLiteral("Esc"), 0xDFDFFF);
    cmdSommaEasy_ = k.pulsante("cmdSommaEasy", -1, PostoSomma, QStringLiteral("OK"), Verde);
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
        ScriviSeDiverso(lblEtiQuinteEasy_[i], zadu_.lblEtiQuinteEasy[i]);
        ScriviSeDiverso(TxtCentsEasy_[i], zadu_.TxtCentsEasy[i]);
        ScriviSeDiverso(TxtQuinteArrotondateEasy_[i], zadu_.TxtQuinteArrotondateEasy[i]);
        TxtQuinteArrotondateEasy_[i]->setVisible(correzione);
    }
    ScriviSeDiverso(lblQuinteArrotondateTotale_, zadu_.lblQuinteArrotondateTotale);
    ScriviSeDiverso(lblCorrezione_, zadu_.lblCorrezione);
    ScriviSeDiverso(lblTotaleMicroEasyArrotondata_, zadu_.lblTotaleMicroEasyArrotondata);
    const QString indicazioni = QString::fromStdString(zadu_.TxtIndicazioniOperativeEasy);
    if (TxtIndicazioniOperativeEasy_->toPlainText() != indicazioni)
        TxtIndicazioniOperativeEasy_->setPlainText(indicazioni);
    inAggiornamento_ = false;
    // The background boxes stay beneath the controls they frame.
    ShpRiquadroEasy_[0]->lower();
    ShpRiquadroEasy_[1]->lower();
    mostraSe(zadu_.aperta);
}

ZaduRoriInstallato::ZaduRoriInstallato(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    setObjectName(QStringLiteral("ZaduRori"));
    cmdApriEasy_ = PulsanteApertura(f_, "cmdApriEasy", PostoEasy, Carattere, QStringLiteral("Easy"), Riquadro,
                                    QStringLiteral("Apri Pannello 'Zadu-Rori'"));
    connect(cmdApriEasy_, &PulsanteVB::clic, this, &ZaduRoriInstallato::cmdApriEasy_Click);
}

void ZaduRoriInstallato::cmdApriEasy_Click() {
    modello_.apri(f_.stato().LinguaNote);
    costruita(f_, modello_).aggiornaDaModello();
}

ZaduRoriInstallato& InstallaZaduRori(FinestraPrincipale& finestra) { return *new ZaduRoriInstallato(finestra); }

}  // namespace vk
