#include "app/widgets/SchermataFinale.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtMath>

#include "app/Impostazioni.h"
#include "app/widgets/Costruttore.h"
#include "app/widgets/Disegni.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/CasellaMultiriga.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Immagine.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Schermata.h"

namespace vk {

namespace {

constexpr ColoreVB SfondoFinale = 0x9EC09C;

// The closing picture: the circle of fifths closing on itself, with the
// small gap of the comma, over one octave of keyboard.
constexpr QSize DimensioneImgXq(505, 669);
void DisegnaImgXq(QPainter& p) {
    const int w = DimensioneImgXq.width(), h = DimensioneImgXq.height();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, h);
    fondo.setColorAt(0, QColor(0x1d, 0x2b, 0x3a));
    fondo.setColorAt(1, QColor(0x3c, 0x2a, 0x1e));
    p.fillRect(QRect(0, 0, w, h), fondo);

    const QPointF c(w / 2.0, 250);
    const double raggio = 170;
    static const char* nomi[12] = {"DO", "SOL", "RE", "LA", "MI", "SI", "FA#", "DO#", "SOL#", "MIb", "SIb", "FA"};
    auto punto = [&](double i, double r) { return PuntoSulCerchio(c, i, r); };
    // The twelve fifths as a spiral: each a little short of closing the circle.
    QPainterPath spirale;
    for (int i = 0; i <= 12; ++i) {
        const QPointF q = punto(i, raggio - 6.0 * i / 12.0);
        if (i == 0) spirale.moveTo(q);
        else spirale.lineTo(q);
    }
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x6E), 2.0));
    p.drawPath(spirale);
    p.setPen(QPen(QColor(0xFF, 0xFE, 0xE3, 90), 1.0));
    for (int i = 0; i < 12; ++i) p.drawLine(punto(i, raggio), punto(i + 5, raggio));
    QFont f = CaratterePunti(QStringLiteral("Times New Roman"), 12, true);
    p.setFont(f);
    for (int i = 0; i < 12; ++i) {
        const QPointF q = punto(i, raggio);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xE3, 0xFE, 0xFF));
        p.drawEllipse(q, 5, 5);
        const QPointF t = punto(i, raggio + 30);
        p.setPen(QColor(0xFF, 0xFE, 0xE3));
        p.drawText(QRectF(t.x() - 30, t.y() - 12, 60, 24), Qt::AlignCenter, QString::fromLatin1(nomi[i]));
    }

    // One octave of keyboard.
    const QRectF tasti(40, 500, w - 80, 130);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    p.setBrush(QColor(0xF6, 0xF2, 0xE6));
    DisegnaTastiBianchi(p, tasti, 7);
    p.setBrush(QColor(0x18, 0x18, 0x18));
    DisegnaTastiNeri(p, tasti, 0, 7, tasti.height() * 0.6);
}

// The screen's layout, in twips.
constexpr Posto PostoEsc = {13920, 10800, 1250, 495};
constexpr Posto PostoSchermata = {12960, 8520, 15360, 11520};
constexpr Posto PostoImgXq = {300, 240, 7575, 10035};
constexpr Posto PostoCurriculum = {8160, 2160, 6855, 8100};
constexpr Posto PostoOk = {11160, 10560, 855, 495};
constexpr CarattereProgetto CarattereCurriculum = {12, "Times New Roman", true};
constexpr CarattereProgetto CarattereOk = {9.75f, "Arial", true};

// The captions lblScritteVarie(10..14), centred in Times New Roman; all but
// the picture's caption over the text, in its column.
struct Scritta {
    int indice;
    Posto p;
    CarattereProgetto c;
    const char* testo;
};
constexpr float Colonna = 8160, LarghezzaColonna = 6855;
constexpr Scritta Scritte[] = {
    {10, {293, 10373, 7575, 975}, {12, "Times New Roman", true, true},
     "Dodici quinte che chiudono l'ottava: il circolo e il suo comma"},
    {11, {Colonna, 160, LarghezzaColonna, 615}, {20.25f, "Times New Roman", true}, "VelmoraKOV"},
    {12, {Colonna, 740, LarghezzaColonna, 495}, {12, "Times New Roman", true},
     "Studio e creazione di temperamenti musicali"},
    {13, {Colonna, 1320, LarghezzaColonna, 495}, {9.75f, "Times New Roman", false, true},
     "Quinte, terze e semitoni in Micro e in Cents"},
    {14, {Colonna, 1600, LarghezzaColonna, 495}, {9.75f, "Times New Roman", false, true},
     "Grazie di averlo usato"},
};

}  // namespace

QString TestoCurriculum() {
    return QStringLiteral(
        "VelmoraKOV è un laboratorio per studiare, modificare e creare temperamenti musicali "
        "dell'ottava di dodici note.\n\n"
        "Un temperamento nasce dalle sue dodici quinte. Il programma le misura in Micro, un'unità "
        "molto fine (un Cent vale 1417,68 Micro, l'ottava 1701216), e in Cents; da esse ricava le dodici terze maggiori, i "
        "dodici semitoni e lo scarto semitonale, e mostra tutto in tre istogrammi: quinte e terze "
        "lungo il circolo delle quinte, semitoni lungo la scala cromatica. I colori e le lettere delle "
        "barre dicono a colpo d'occhio quali intervalli sono puri, equabili o più larghi del "
        "pitagorico.\n\n"
        "Ogni quinta si modifica con i pulsanti \"<\" e \">\", anche tenendoli premuti: la differenza "
        "passa alla quinta seguente, così il circolo resta chiuso. Ogni quinta riceve il suo nome in "
        "frazioni del comma pitagorico o del comma sintonico, a scelta. Le terze si regolano "
        "direttamente dal loro pulsante, e le preimpostazioni riportano in un clic il temperamento "
        "equabile o quello pitagorico.\n\n"
        "Altri schermi allargano lo studio: Zadu-Rori per comporre un temperamento scrivendo in Cents "
        "quanto ogni quinta si scosta dalla pura, Vuvaz-Eza per rifinire quinte, terze, semitoni e "
        "note a passi da un decimillesimo a mille Micro, la tavola delle scale con "
        "l'indice di eufonia di ogni tonalità, la tabella delle frequenze con il LA di riferimento, la "
        "tavola degli intervalli e il convertitore tra frazioni, decimali, Cents e Micro.\n\n"
        "I nomi delle note si leggono in italiano, francese, tedesco o inglese. I temperamenti si "
        "salvano e si aprono come semplici file di testo, con il loro nome e la loro descrizione.\n\n"
        "Con \"Ok\" il programma si chiude e ricorda le impostazioni dello schermo principale: i colori "
        "delle quinte, la lingua delle note, le viste, le informazioni, la velocità dei pulsanti e la "
        "selezione libera degli intervalli della tavola delle scale. "
        "Il temperamento in corso non viene salvato: per conservarlo, salvalo prima di uscire.\n\n"
        "Buona musica.");
}

SchermataFinale::SchermataFinale(FinestraPrincipale& f, const std::function<void()>& ok)
    : Schermata(f.pagina(), &f) {
    f.registraTardivo(this, "FraSchermataFinale", -1, TipoControllo::Cornice, PostoSchermata);
    setColoreSfondo(SfondoFinale);

    auto* img = new Immagine(this, DimensioneImgXq, DisegnaImgXq);
    f.registraTardivo(img, "ImgXq", -1, TipoControllo::Immagine, PostoImgXq);

    Costruttore k(f, this);
    for (const Scritta& s : Scritte)
        k.etichetta("lblScritteVarie", s.indice, s.p, QString::fromUtf8(s.testo), Allineamento::Centro, s.c);

    curriculum_ = k.crea<CasellaMultiriga>("TxtCurriculum", -1, PostoCurriculum, CarattereCurriculum);
    curriculum_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    curriculum_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    curriculum_->setReadOnly(true);

    auto* okBtn = k.pulsante("cmdEsciDalSoftware", -1, PostoOk, QStringLiteral("Ok"), Colori::GialloPallido, CarattereOk);
    connect(okBtn, &PulsanteVB::clic, this, [ok] {
        if (ok) ok();
    });
}

void SchermataFinale::apertura() {
    curriculum_->setPlainText(TestoCurriculum());
    apri();
}

void InstallaSchermataFinale(FinestraPrincipale& f, std::function<void()> ok) {
    auto* esc = f.crea<PulsanteVB>(f.pagina(), "cmdEXit", -1, TipoControllo::Pulsante, PostoEsc.sinistra,
                                   PostoEsc.alto, PostoEsc.larghezza, PostoEsc.altezza, 8.25f);
    esc->setText(QStringLiteral("Esc"));
    esc->setToolTip(QStringLiteral("Esci dal Programma"));
    esc->setColoreSfondo(Colori::RossoChiaro);
    esc->setGrafico(true);
    // Built at the first click; the screen has no way back, so that is the only one.
    QObject::connect(esc, &PulsanteVB::clic, esc, [&f, ok = std::move(ok), finale = QPointer<SchermataFinale>()]() mutable {
        if (!finale) finale = new SchermataFinale(f, ok);
        finale->apertura();
    });
}

namespace {

AvvisoUscita& Avviso() {
    static AvvisoUscita a;
    return a;
}

}  // namespace

void ImpostaAvvisoUscita(AvvisoUscita avviso) { Avviso() = std::move(avviso); }

void MostraAvviso(QWidget* genitore, const QString& titolo, const QString& testo) {
    if (Avviso()) Avviso()(genitore, titolo, testo);
    else QMessageBox::warning(genitore, titolo, testo);
}

void EsciDalSoftware(FinestraPrincipale& f) {
    const StatoPrincipale& s = f.stato();
    const std::filesystem::path file = PercorsoImpostazioni(s.percorsi.CartellaDati);
    std::string motivo;
    std::filesystem::path conservato;
    if (s.percorsi.SolaLettura) {
        MostraAvviso(&f, QString::fromUtf8(TitoloUscita),
                     QString::fromStdString(DescriviSolaLetturaAllUscita(s.percorsi)));
    } else if (!SalvaImpostazioni(s, file, &motivo, &conservato)) {
        // A file moved aside that could not go back is not where it was.
        const QString resto =
            conservato.empty()
                ? QString::fromStdString(DescriviCosaResta(file))
                : QStringLiteral("Il file che non era stato letto \u00e8 conservato come \"%1\".")
                      .arg(QFile::decodeName(conservato.c_str()));
        const QString testo = QStringLiteral("Le impostazioni non sono state salvate nel file \"%1\":\n%2\n%3")
                                  .arg(QFile::decodeName(file.c_str()), QString::fromLocal8Bit(motivo.c_str()), resto);
        MostraAvviso(&f, QString::fromUtf8(TitoloUscita), testo);
    } else if (s.impostazioniScartate && !conservato.empty() && conservato != s.impostazioniScartate->accanto) {
        // The name said at start was taken since.
        const QString testo =
            QStringLiteral("Il file delle impostazioni che non era stato letto \u00e8 conservato come \"%1\": "
                           "il nome \"%2\" era gi\u00e0 preso.")
                .arg(QFile::decodeName(conservato.c_str()),
                     QFile::decodeName(s.impostazioniScartate->accanto.c_str()));
        MostraAvviso(&f, QString::fromUtf8(TitoloUscita), testo);
    }
    f.close();
}

}  // namespace vk
