#include "app/widgets/SchermataFinale.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QtMath>

#include "app/Impostazioni.h"
#include "app/widgets/Disegni.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Immagine.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Schermata.h"

namespace vk {

namespace {

constexpr ColoreVB SfondoFinale = 0x9EC09C;
constexpr ColoreVB GialloPallido = 0xE3FEFF;

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

QLabel* Etichetta(FinestraPrincipale& f, QWidget* genitore, int indice, float alto, float altezza, float punti,
                  bool grassetto, bool corsivo, const QString& testo, float sinistra = 8160, float larghezza = 6855) {
    auto* l = f.etichetta(genitore, "lblScritteVarie", indice, sinistra, alto, larghezza, altezza, punti,
                          Allineamento::Centro, testo);
    l->setFont(CaratterePunti(QStringLiteral("Times New Roman"), punti, grassetto, corsivo));
    return l;
}

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

Schermata* InstallaSchermataFinale(FinestraPrincipale& f, std::function<void()> ok) {
    auto* esc = f.crea<PulsanteVB>(f.pagina(), "cmdEXit", -1, TipoControllo::Pulsante, 13920, 10800, 1250, 495, 8.25f);
    esc->setText(QStringLiteral("Esc"));
    esc->setToolTip(QStringLiteral("Esci dal Programma"));
    esc->setColoreSfondo(Colori::RossoChiaro);
    esc->setGrafico(true);

    auto* schermo = new Schermata(f.pagina(), &f);
    f.registra(schermo, "FraSchermataFinale", -1, TipoControllo::Cornice, 12960, 8520, 15360, 11520);
    schermo->setColoreSfondo(SfondoFinale);

    auto* img = new Immagine(schermo, DimensioneImgXq, DisegnaImgXq);
    f.registra(img, "ImgXq", -1, TipoControllo::Immagine, 300, 240, 7575, 10035);

    Etichetta(f, schermo, 10, 10373, 975, 12, true, true,
              QStringLiteral("Dodici quinte che chiudono l'ottava: il circolo e il suo comma"), 293, 7575);
    Etichetta(f, schermo, 11, 160, 615, 20.25f, true, false, QStringLiteral("VelmoraKOV"));
    Etichetta(f, schermo, 12, 740, 495, 12, true, false, QStringLiteral("Studio e creazione di temperamenti musicali"));
    Etichetta(f, schermo, 13, 1320, 495, 9.75f, false, true,
              QStringLiteral("Quinte, terze e semitoni in Micro e in Cents"));
    Etichetta(f, schermo, 14, 1600, 495, 9.75f, false, true, QStringLiteral("Grazie di averlo usato"));

    auto* testo = f.crea<QPlainTextEdit>(schermo, "TxtCurriculum", -1, TipoControllo::CasellaTesto, 8160, 2160, 6855,
                                         8100, 12);
    testo->setFont(CaratterePunti(QStringLiteral("Times New Roman"), 12, true));
    testo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    testo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    testo->setReadOnly(true);

    auto* okBtn = f.crea<PulsanteVB>(schermo, "cmdEsciDalSoftware", -1, TipoControllo::Pulsante, 11160, 10560, 855, 495,
                                     9.75f);
    okBtn->setText(QStringLiteral("Ok"));
    okBtn->setFont(CaratterePunti(QStringLiteral("Arial"), 9.75, true));
    okBtn->setColoreSfondo(GialloPallido);
    okBtn->setGrafico(true);

    QObject::connect(esc, &PulsanteVB::clic, schermo, [schermo, testo] {
        testo->setPlainText(TestoCurriculum());
        schermo->apri();
    });
    QObject::connect(okBtn, &PulsanteVB::clic, schermo, [ok = std::move(ok)] {
        if (ok) ok();
    });
    return schermo;
}

namespace {

AvvisoUscita& Avviso() {
    static AvvisoUscita a;
    return a;
}

}  // namespace

void ImpostaAvvisoUscita(AvvisoUscita avviso) { Avviso() = std::move(avviso); }

void EsciDalSoftware(FinestraPrincipale& f) {
    const StatoPrincipale& s = f.stato();
    const std::filesystem::path file = PercorsoImpostazioni(s.percorsi.CartellaDati);
    std::string motivo;
    if (!SalvaImpostazioni(s, file, &motivo)) {
        const QString testo = QStringLiteral("Le impostazioni non sono state salvate nel file \"%1\":\n%2\n"
                                             "Un file gi\u00e0 presente \u00e8 rimasto com'era.")
                                  .arg(QFile::decodeName(file.c_str()), QString::fromLocal8Bit(motivo.c_str()));
        if (Avviso()) Avviso()(&f, QString::fromUtf8(TitoloUscita), testo);
        else QMessageBox::warning(&f, QString::fromUtf8(TitoloUscita), testo);
    }
    f.close();
}

}  // namespace vk
