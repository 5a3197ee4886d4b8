#include "app/widgets/FinestraPrincipale.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

#include "app/Adattamento.h"
#include "app/Avvio.h"
#include "app/widgets/Disegni.h"
#include "app/widgets/SezioneFile.h"
#include "app/widgets/SezioneGrafici.h"
#include "app/widgets/SchermataFinale.h"
#include "app/widgets/SezioneNote.h"
#include "app/widgets/SezioneVelocita.h"
#include "app/widgets/SezioneViste.h"
#include "common/widgets/CasellaMultiriga.h"
#include "common/widgets/CasellaRiga.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Immagine.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

namespace {

// What a box holds, with its line breaks as LF. toPlainText() would also
// turn no-break spaces into blanks, which a file's text must keep.
QString TestoDellaCasella(const QPlainTextEdit* e) {
    QString s = e->document()->toRawText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    s.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return s;
}

// The program's picture, made for twice the designed 121 x 113 pixels so it
// stays sharp when stretched.
constexpr QSize DimensioneImgProgramma(242, 226);
void DisegnaImgProgramma(QPainter& p) { DisegnaProgramma(p, DimensioneImgProgramma); }

}  // namespace

QString TestoPerCasella(const std::string& modello) {
    QString s = QString::fromStdString(modello);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::string TestoDaCasella(const QString& casella) {
    QString s = casella;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s.toStdString();
}

FinestraPrincipale::FinestraPrincipale(StatoPrincipale& stato, QWidget* parent)
    : QWidget(parent), stato_(stato) {
    setObjectName(QStringLiteral("vivUDO15"));
    setWindowTitle(QStringLiteral("VelmoraKOV"));
    setFont(CarattereProgramma());
    setAutoFillBackground(true);
    pagina_ = new QWidget(this);
    pagina_->setObjectName(QStringLiteral("PaginaPrincipale"));
    pagina_->setAutoFillBackground(true);
    registra(pagina_, "vivUDO15", -1, TipoControllo::Finestra, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    resize(pagina_->size());
    auto* img = new Immagine(pagina_, DimensioneImgProgramma, DisegnaImgProgramma);
    registra(img, "ImgProgramma", -1, TipoControllo::Immagine, 360, 360, 1815, 1695);
    creaCelleTemperamento();
    InstallaSezioneGrafici(*this);
    InstallaSezioneFile(*this);
    // In front of the charts: note rows, value band, information texts.
    InstallaSezioneNote(*this);
    InstallaSezioneVelocita(*this);
    InstallaSezioneViste(*this);
    InstallaSchermataFinale(*this, [this] { EsciDalSoftware(*this); });
}

void FinestraPrincipale::riserva(const std::string& nome, int indice) const {
    // A second control under one name and index would silently take the
    // first one's place in the registry and the map: a fault of the code,
    // met while a window is built, often inside the event loop.
    if (widget_.count({nome, indice}) || stato_.geometria.trova(nome, indice))
        qFatal("control registered twice: %s", qPrintable(NomeOggetto(nome, indice)));
}

void FinestraPrincipale::registra(QWidget* w, const std::string& nome, int indice, TipoControllo tipo,
                                  float sinistra, float alto, float larghezza, float altezza,
                                  float carattere) {
    riserva(nome, indice);
    const VoceGeometria& v =
        stato_.geometria.registra(nome, indice, tipo, sinistra, alto, larghezza, altezza, carattere);
    w->setObjectName(QString::fromStdString(indice < 0 ? nome : nome + "_" + std::to_string(indice)));
    widget_[{nome, indice}] = w;
    Posiziona(w, v);
}

void FinestraPrincipale::registraTardivo(QWidget* w, const std::string& nome, int indice, TipoControllo tipo,
                                         const Posto& p, float carattere) {
    riserva(nome, indice);
    VoceGeometria& v = stato_.geometria.registra(nome, indice, tipo, p.sinistra, p.alto, p.larghezza, p.altezza,
                                                 carattere);
    w->setObjectName(NomeOggetto(nome, indice));
    widget_[{nome, indice}] = w;
    AdattaRegistrazioneTardiva(stato_, nome, indice);
    Posiziona(w, v);
}

void FinestraPrincipale::registraDisegnato(const std::string& nome, int indice, TipoControllo tipo, const Posto& p,
                                           float carattere) {
    riserva(nome, indice);
    stato_.geometria.registra(nome, indice, tipo, p.sinistra, p.alto, p.larghezza, p.altezza, carattere);
    AdattaRegistrazioneTardiva(stato_, nome, indice);
}

QLabel* FinestraPrincipale::etichetta(QWidget* genitore, const std::string& nome, int indice, float sinistra,
                                      float alto, float larghezza, float altezza, float carattere, Allineamento a,
                                      const QString& testo) {
    auto* l = crea<EtichettaAdattata>(genitore, nome, indice, TipoControllo::Etichetta, sinistra, alto, larghezza, altezza,
                           carattere);
    FormaEtichetta(l, a);
    if (!testo.isEmpty()) l->setText(testo);
    return l;
}

QWidget* FinestraPrincipale::controllo(const std::string& nome, int indice) const {
    auto it = widget_.find({nome, indice});
    return it == widget_.end() ? nullptr : it->second;
}

void FinestraPrincipale::posizionaTutto() {
    for (const auto& v : stato_.geometria) {
        auto it = widget_.find({v.nome, v.indice});
        if (it != widget_.end()) Posiziona(it->second, v);
    }
}

void FinestraPrincipale::aggiorna() {
    inAggiornamento_ = true;
    aggiornaCelleTemperamento();
    for (auto& f : aggiornamenti_) f();
    inAggiornamento_ = false;
}

void FinestraPrincipale::creaCelleTemperamento() {
    QFont grassetto = font();
    grassetto.setBold(true);

    txtNome_ = crea<CasellaMultiriga>(pagina_, "TxtNomeTemperamento", -1, TipoControllo::CasellaTesto, 2400, 360,
                                    3135, 735, 8.25f);
    txtNome_->setFont(grassetto);
    txtDescrizione_ = crea<CasellaMultiriga>(pagina_, "TxtDescrizione", -1, TipoControllo::CasellaTesto, 2400,
                                           1560, 3135, 1155, 8.25f);
    for (QPlainTextEdit* e : {txtNome_, txtDescrizione_}) {
        e->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        e->setTabChangesFocus(true);
        // Designed as plain multi-line boxes without scroll bars.
        e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    connect(txtNome_, &QPlainTextEdit::textChanged, this, [this] {
        if (!inAggiornamento_) stato_.temperamento.Nome = TestoDaCasella(TestoDellaCasella(txtNome_));
    });
    connect(txtDescrizione_, &QPlainTextEdit::textChanged, this, [this] {
        if (!inAggiornamento_)
            stato_.temperamento.Descrizione = TestoDaCasella(TestoDellaCasella(txtDescrizione_));
    });

    cmdComma_ = crea<PulsanteVB>(pagina_, "cmdComma", -1, TipoControllo::Pulsante, 3955, 2760, 915, 540, 8.25f);
    cmdComma_->setToolTip(QStringLiteral("Cambia Comma"));
    cmdComma_->setGrafico(true);

    for (int k = 1; k <= 12; ++k) {
        // Each under its fifth's cents cell.
        auto* e = crea<CasellaRiga>(pagina_, "txtFraz", k, TipoControllo::CasellaTesto,
                                  ColonneGrafico[static_cast<size_t>(k)].lblQuinteC, 9720, 975, 285, 8.25f);
        e->setFont(grassetto);
        e->setAlignment(Qt::AlignCenter);
        e->setFrame(true);
        connect(e, &QLineEdit::textEdited, this,
                [this, k](const QString& s) { stato_.temperamento.Frazioni[k] = s.toStdString(); });
        txtFraz_[static_cast<size_t>(k)] = e;
    }
    aggiornaCelleTemperamento();
}

void FinestraPrincipale::aggiornaCelleTemperamento() {
    const Temperamento& t = stato_.temperamento;
    const bool prima = inAggiornamento_;
    inAggiornamento_ = true;
    // Rewrite a box only when its text differs, so the cursor of a box being
    // typed in does not jump.
    auto scrivi = [](QPlainTextEdit* e, const std::string& s) {
        QString q = TestoPerCasella(s);
        if (TestoDellaCasella(e) != q) e->setPlainText(q);
    };
    scrivi(txtNome_, t.Nome);
    scrivi(txtDescrizione_, t.Descrizione);
    cmdComma_->setText(QString::fromStdString(t.CommaCaption));
    cmdComma_->setColoreSfondo(t.CommaColore);
    for (int k = 1; k <= 12; ++k) {
        QString q = QString::fromStdString(t.Frazioni[k]);
        if (txtFraz_[static_cast<size_t>(k)]->text() != q) txtFraz_[static_cast<size_t>(k)]->setText(q);
    }
    inAggiornamento_ = prima;
}

std::unique_ptr<FinestraPrincipale> CaricaFinestraPrincipale(StatoPrincipale& s,
                                                             const std::function<void(PassiCaricamento&)>& ritocca,
                                                             const std::function<void(FinestraPrincipale&)>& installa) {
    auto f = std::make_unique<FinestraPrincipale>(s);
    // The screens of the higher subsystems join before the load, so the
    // re-layout finds their controls.
    if (installa) installa(*f);
    PassiCaricamento passi = PassiPredefiniti(s, QCoreApplication::applicationDirPath().toStdString());
    if (ritocca) ritocca(passi);
    SequenzaCaricamento(s, passi, SchermoTwips());
    f->posizionaTutto();
    f->aggiorna();
    if (s.percorsi.SolaLettura)
        MostraAvviso(f.get(), QString::fromUtf8(TitoloAvvio), QString::fromStdString(DescriviSolaLettura(s.percorsi)));
    if (!s.percorsi.CartellaPrecedente.empty()) {
        MostraAvviso(f.get(), QString::fromUtf8(TitoloAvvio),
                     QString::fromStdString(DescriviCartellaPrecedente(s.percorsi)));
        RicordaCartellaPrecedente(s.percorsi);  // said once
    }
    if (s.impostazioniScartate)
        MostraAvviso(f.get(), QString::fromUtf8(TitoloAvvio),
                     QString::fromStdString(DescriviImpostazioniScartate(*s.impostazioniScartate)));
    return f;
}

}  // namespace vk
