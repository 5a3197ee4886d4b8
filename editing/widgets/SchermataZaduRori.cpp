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

}  // namespace

ZaduRoriInstallato::ZaduRoriInstallato(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    setObjectName(QStringLiteral("ZaduRori"));
    cmdApriEasy_ = f_.crea<PulsanteVB>(f_.pagina(), "cmdApriEasy", -1, TipoControllo::Pulsante, 14595, 10200, 550,
                                       495, Carattere);
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
    f_.registraTardivo(this, "FraEasy", -1, TipoControllo::Cornice, 3840, 9000, LarghezzaProgetto,
                       AltezzaProgetto);
    creaControlli();
}

template <class W>
W* SchermataZaduRori::crea(const std::string& nome, int indice, TipoControllo tipo, float l, float t, float w,
                           float h, float punti, const QFont* font) {
    return f_.creaTardivo<W>(this, nome, indice, tipo, l, t, w, h, punti, font);
}

QLabel* SchermataZaduRori::etichetta(const std::string& nome, int indice, float l, float t, float w, float h,
                                     float punti, Allineamento a, const QString& testo, const QFont* font) {
    auto* x = crea<QLabel>(nome, indice, TipoControllo::Etichetta, l, t, w, h, punti, font);
    FormaEtichetta(x, a);
    if (!testo.isEmpty()) x->setText(testo);
    return x;
}

void SchermataZaduRori::creaControlli() {
    // The background boxes first, so that everything else lies over them.
    const float riquadri[2][4] = {{5513, 1193, 3855, 9495}, {5520, 1193, 6015, 9495}};
    for (int i = 0; i <= 1; ++i) {
        auto* r = crea<QFrame>("ShpRiquadroEasy", i, TipoControllo::Forma, riquadri[i][0], riquadri[i][1],
                               riquadri[i][2], riquadri[i][3]);
        r->setFrameStyle(QFrame::Box | QFrame::Plain);
        r->setAutoFillBackground(true);
        Colora(r, QPalette::Window, Riquadro);
        Colora(r, QPalette::WindowText, Colori::Nero);
        ShpRiquadroEasy_[static_cast<size_t>(i)] = r;
    }

    struct Etichetta {
        int indice;
        const char* testo;
        float l, t, w, h;
    } etichette[] = {
        {9, "RIDIVAZ UZO", 5520, 593, 3855, 495},
        {8, "'Zadu-Rori'", 5640, 1313, 1575, 255},
        {4, "Intervalli di Quinta", 5640, 1673, 1575, 255},
        {0, "Diff. in Cents rispetto alle Quinte naturali", 8040, 1320, 1215, 615},
        {3, "Valori delle Quinte in 'Micro': il valore della quinta 'naturale' \xC3\xA8 di  995148 M.", 9360, 1313,
         2055, 615},
        {5, "Totale provvisorio:", 9360, 7913, 2055, 255},
        {7, "Scarto:", 10200, 8873, 1215, 255},
        {6, "Totale corretto:", 9360, 9833, 2055, 255},
    };
    const QFont titolo = CaratterePunti(QStringLiteral("Times New Roman"), 18.0, true);
    for (const auto& e : etichette) {
        const bool eTitolo = e.indice == 9;
        auto* l = etichetta("lblTabellaEasy", e.indice, e.l, e.t, e.w, e.h, eTitolo ? 18.0f : Carattere,
                            Allineamento::Centro, QString::fromUtf8(e.testo), eTitolo ? &titolo : nullptr);
        Sfondo(l, Colori::Bianco);
        lblTabellaEasy_[static_cast<size_t>(e.indice)] = l;
    }

    cmdCopyEasy_[0] = crea<PulsanteVB>("cmdCopyEasy", 0, TipoControllo::Pulsante, 7313, 1313, 615, 615, Carattere);
    Pulsante(cmdCopyEasy_[0], "Canc", SfondoEasy);
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        lblEtiQuinteEasy_[i] =
            etichetta("lblEtiQuinteEasy", k, 5633, Riga(k), 1575, 375, Carattere, Allineamento::Centro);
        Sfondo(lblEtiQuinteEasy_[i], Colori::Bianco);
        cmdCopyEasy_[i] =
            crea<PulsanteVB>("cmdCopyEasy", k, TipoControllo::Pulsante, 7313, Riga(k), 615, 420, Carattere);
        Pulsante(cmdCopyEasy_[i], "Copy", Colori::GialloPallido);
        TxtCentsEasy_[i] =
            crea<QLineEdit>("TxtCentsEasy", k, TipoControllo::CasellaTesto, 8033, Riga(k), 1215, 420, Carattere);
        Casella(TxtCentsEasy_[i], Verde);
        connect(TxtCentsEasy_[i], &QLineEdit::textChanged, this, [this, i](const QString& s) {
            if (!inAggiornamento_) zadu_.TxtCentsEasy[i] = s.toStdString();
        });
        TxtQuinteArrotondateEasy_[i] = crea<QLineEdit>("TxtQuinteArrotondateEasy", k, TipoControllo::CasellaTesto, 9360,
                                                       Riga(k), 2055, 420, Carattere);
        Casella(TxtQuinteArrotondateEasy_[i], Rossa);
        connect(TxtQuinteArrotondateEasy_[i], &QLineEdit::textChanged, this, [this, i](const QString& s) {
            if (!inAggiornamento_) zadu_.TxtQuinteArrotondateEasy[i] = s.toStdString();
        });
    }
    for (int k = 0; k <= 12; ++k)
        connect(cmdCopyEasy_[static_cast<size_t>(k)], &PulsanteVB::clic, this, [this, k] {
            zadu_.copia(k);
            aggiornaDaModello();
        });

    const QFont indicazioni = CaratterePunti(QStringLiteral("Times New Roman"), 14.25);
    TxtIndicazioniOperativeEasy_ = crea<QPlainTextEdit>("TxtIndicazioniOperativeEasy", -1, TipoControllo::CasellaTesto,
                                                        5633, 7793, 3615, 2055, 14.25f, &indicazioni);
    TxtIndicazioniOperativeEasy_->setReadOnly(true);
    TxtIndicazioniOperativeEasy_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtIndicazioniOperativeEasy_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TxtIndicazioniOperativeEasy_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    lblQuinteArrotondateTotale_ =
        etichetta("lblQuinteArrotondateTotale", -1, 9360, 8273, 2055, 375, Carattere, Allineamento::Centro);
    Sfondo(lblQuinteArrotondateTotale_, Colori::RossoChiaro);
    cmdCorreggi_ = crea<PulsanteVB>("cmdCorreggi", -1, TipoControllo::Pulsante, 9360, 8873, 735, 735, Carattere);
    Pulsante(cmdCorreggi_, "MOD", 0xFFFFE1);
    lblCorrezione_ = etichetta("lblCorrezione", -1, 10200, 9233, 1215, 375, Carattere, Allineamento::Centro);
    Sfondo(lblCorrezione_, Colori::RossoChiaro);
    lblTotaleMicroEasyArrotondata_ =
        etichetta("lblTotaleMicroEasyArrotondata", -1, 9360, 10193, 2055, 375, Carattere, Allineamento::Centro);
    Sfondo(lblTotaleMicroEasyArrotondata_, Colori::VerdeChiaro);

    cmdEsciEasyMode_ =
        crea<PulsanteVB>("cmdEsciEasyMode", -1, TipoControllo::Pulsante, 5633, 9953, 1215, 615, Carattere);
    Pulsante(cmdEsciEasyMode_, "Esc", 0xDFDFFF);
    cmdSommaEasy_ = crea<PulsanteVB>("cmdSommaEasy", -1, TipoControllo::Pulsante, 8033, 9953, 1215, 615, Carattere);
    Pulsante(cmdSommaEasy_, "OK", Verde);

    connect(cmdEsciEasyMode_, &PulsanteVB::clic, this, [this] {
        zadu_.esci();
        aggiornaDaModello();
    });
    connect(cmdSommaEasy_, &PulsanteVB::clic, this, [this] {
        StatoPrincipale& s = f_.stato();
        dopo(zadu_.ok(s.temperamento, s.istogrammi, s.altezzaSchermo()));
    });
    connect(cmdCorreggi_, &PulsanteVB::clic, this, [this] {
        StatoPrincipale& s = f_.stato();
        dopo(zadu_.mod(s.temperamento, s.istogrammi, s.altezzaSchermo()));
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
    if (zadu_.aperta && !inVista()) apri();
    else if (!zadu_.aperta && inVista()) chiudi();
}

ZaduRoriInstallato& InstallaZaduRori(FinestraPrincipale& finestra) { return *new ZaduRoriInstallato(finestra); }

}  // namespace vk
