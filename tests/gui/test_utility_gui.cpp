// The utility screen as the program builds it: opened from the main screen,
// paged, typed into, and photographed in two notations.
#include <gtest/gtest.h>

#include "tests/gui/AiutiGui.h"
#include "tests/gui/OgniDimensione.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/Adattamento.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/CellaTesto.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vk {
namespace {

class UtilityGui : public test::ProvaFinestra {
protected:
    QWidget* radice() override { return f_; }
    void SetUp() override { Carica(); }
    void Carica(DimensioniSchermo schermo = {}) {
        caricata_.reset();
        caricata_ = std::make_unique<test::FinestraCaricata>(schermo);
        stato_ = &caricata_->stato;
        f_ = caricata_->f.get();
        ASSERT_TRUE(caricata_->mostra());
    }
    QColor Sfondo(const QString& nome) { return Trova(nome)->palette().color(QPalette::Window); }
    void Fotografa(const QString& nome) {
        QDir().mkpath(QStringLiteral(VK_BUILD "/screens"));
        ASSERT_TRUE(f_->grab().save(QStringLiteral(VK_BUILD "/screens/") + nome + ".png"));
    }

    std::unique_ptr<test::FinestraCaricata> caricata_;
    StatoPrincipale* stato_ = nullptr;
    FinestraPrincipale* f_ = nullptr;
};

TEST_F(UtilityGui, ApriSfogliaConvertiCambiaTono) {
    auto* apri = Trova<PulsanteVB>(QStringLiteral("cmdUtility"));
    ASSERT_TRUE(apri);
    EXPECT_EQ(apri->text(), QStringLiteral("Utility"));
    EXPECT_EQ(apri->palette().color(QPalette::Button), ColoreQt(Colori::VerdeChiaro));
    EXPECT_EQ(apri->geometry(), QRect(928, 680, 37, 33));
    EXPECT_EQ(apri->toolTip(), QStringLiteral("Apri la schermata delle 'Utilility'"));
    // Nothing of the screen exists before its first opening.
    EXPECT_EQ(f_->findChild<QWidget*>(QStringLiteral("lblNomeInterv_1")), nullptr);
    EXPECT_EQ(f_->findChild<QWidget*>(QStringLiteral("FraUtility")), nullptr);

    Clic(QStringLiteral("cmdUtility"));
    auto* fra = Trova(QStringLiteral("FraUtility"));
    ASSERT_TRUE(fra);
    ASSERT_TRUE(fra->isVisible());
    EXPECT_EQ(fra->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_FALSE(f_->pagina()->isVisible());
    // No control of the main page can hold the focus while the screen shows.
    if (QWidget* w = QApplication::focusWidget()) {
        EXPECT_FALSE(f_->pagina()->isAncestorOf(w)) << w->objectName().toStdString();
    }
    EXPECT_FALSE(f_->pagina()->isEnabled());

    EXPECT_EQ(Testo(QStringLiteral("lblScritteUtility_2")),
              QStringLiteral("Elenco intervalli musicali (pitagorici, naturali, equabili)"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_0")), QStringLiteral("DO"));
    EXPECT_FALSE(Trova<CellaTesto>(QStringLiteral("lblScalaDoInterv_0"))->opaca()) << "transparent header";
    EXPECT_TRUE(Trova<CellaTesto>(QStringLiteral("lblScalaDoInterv_1"))->opaca());
    EXPECT_EQ(Testo(QStringLiteral("lblNomeInterv_1")), QStringLiteral("Unisono"));
    EXPECT_EQ(Sfondo(QStringLiteral("lblFormulaInterv_1")), QColor(0xC0, 0xFF, 0xFF));
    EXPECT_EQ(Testo(QStringLiteral("lblMicroInterv_2")), QStringLiteral("2772 (d)"));
    EXPECT_EQ(Sfondo(QStringLiteral("lblMicroInterv_2")), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_EQ(Sfondo(QStringLiteral("lblMicroInterv_4")), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(Sfondo(QStringLiteral("lblMicroInterv_5")), QColor(Qt::white));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_4")), QStringLiteral("SI#"));
    EXPECT_TRUE(Trova<QLabel>(QStringLiteral("lblScalaDoInterv_4"))->alignment() & Qt::AlignRight);
    EXPECT_TRUE(Trova<QLabel>(QStringLiteral("lblScalaDoInterv_7"))->alignment() & Qt::AlignLeft);
    // At twips / 15: row 1 of the name column, the keypad's "C".
    EXPECT_EQ(Trova(QStringLiteral("lblNomeInterv_1"))->geometry(), QRect(64, 72, 225, 17));
    EXPECT_EQ(Trova(QStringLiteral("cmdNumero_11"))->geometry(), QRect(16, 728, 25, 25));
    // 12 and 17 are values of the keypad state, not buttons.
    EXPECT_EQ(f_->findChild<QWidget*>(QStringLiteral("cmdNumero_12")), nullptr);
    EXPECT_EQ(f_->findChild<QWidget*>(QStringLiteral("cmdNumero_17")), nullptr);
    auto* info = Trova<QPlainTextEdit>(QStringLiteral("TxtSpiegazioni"));
    EXPECT_TRUE(info->isReadOnly());
    EXPECT_TRUE(info->toPlainText().startsWith(QStringLiteral("I valori 'Decimali', 'Cents' e 'Micro'")));
    Fotografa(QStringLiteral("utility_IT_pag1"));

    // Three pages and back.
    const char* primi[] = {"Quarta diminuita greca", "Sesta minore greca", "Unisono"};
    const char* pagine[] = {"Pag. 2", "Pag. 3", "Pag. 1"};
    for (int i = 0; i < 3; ++i) {
        Clic(QStringLiteral("cmdPagina"));
        EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdPagina"))->text(), QString::fromLatin1(pagine[i]));
        EXPECT_EQ(Testo(QStringLiteral("lblNomeInterv_1")), QString::fromLatin1(primi[i]));
        if (i < 2) Fotografa(QStringLiteral("utility_IT_pag%1").arg(i + 2));
    }
    EXPECT_EQ(Sfondo(QStringLiteral("lblMicroInterv_2")), QColor(0xC0, 0xFF, 0xC0));

    // 3 / 2 on the keypad.
    for (int i : {13, 3, 13, 2, 13}) Clic(QStringLiteral("cmdNumero_%1").arg(i));
    EXPECT_EQ(Testo(QStringLiteral("lblConvertiFraz1")), QStringLiteral("3"));
    EXPECT_EQ(Testo(QStringLiteral("lblConvertiFraz2")), QStringLiteral("2"));
    EXPECT_EQ(Testo(QStringLiteral("lblConvertiDecimali")), QStringLiteral("1,5"));
    EXPECT_EQ(Testo(QStringLiteral("lblConvertiCents")), QStringLiteral("701,955"));
    EXPECT_EQ(Testo(QStringLiteral("lblConvertiMicro")), QStringLiteral("995147,5656"));
    EXPECT_EQ(Testo(QStringLiteral("lblScritteUtility_1")),
              QString::fromUtf8("Clicca il pulsante della nuova unità che vuoi convertire"));
    Fotografa(QStringLiteral("utility_convertitore_3_2"));
    // A unit chosen: light red button and receiving label.
    Clic(QStringLiteral("cmdNumero_15"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdNumero_15"))->palette().color(QPalette::Button),
              ColoreQt(Colori::RossoChiaro));
    EXPECT_EQ(Sfondo(QStringLiteral("lblConvertiCents")), ColoreQt(Colori::RossoChiaro));
    EXPECT_EQ(Testo(QStringLiteral("lblConvertiDecimali")), QStringLiteral("-"));
    Clic(QStringLiteral("cmdRadice"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdRadice"))->palette().color(QPalette::Button),
              QColor(0xFF, 0xE0, 0xC0));

    // The key one up, then the sharp spelling.
    Clic(QStringLiteral("cmdTono_1"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_0")), QStringLiteral("REb"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_7")), QStringLiteral("MIbb"));
    EXPECT_TRUE(Trova<QLabel>(QStringLiteral("lblScalaDoInterv_7"))->alignment() & Qt::AlignLeft);
    Clic(QStringLiteral("cmdAlterazioni"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdAlterazioni"))->text(), QStringLiteral("#"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_0")), QStringLiteral("DO#"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_4")), QStringLiteral("SIx"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_2")), QString()) << "no note in the schisma row";
    EXPECT_EQ(Testo(QStringLiteral("lblTono")), QStringLiteral("2"));
    EXPECT_EQ(Testo(QStringLiteral("lblAlterazioni")), QStringLiteral("#"));
    EXPECT_FALSE(Trova(QStringLiteral("lblTono"))->isVisible());

    // Esc, a new notation on the main screen, and the screen again: key,
    // spelling, half-typed unit and page kept.
    Clic(QStringLiteral("cmdEsciUtility"));
    EXPECT_FALSE(fra->isVisible());
    EXPECT_TRUE(f_->pagina()->isVisible());
    Clic(QStringLiteral("cmdLingua"));
    Clic(QStringLiteral("cmdLingua"));
    ASSERT_EQ(stato_->LinguaNote, "DE");
    Clic(QStringLiteral("cmdUtility"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_0")), QStringLiteral("C#"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_4")), QStringLiteral("Hx"));
    EXPECT_EQ(Sfondo(QStringLiteral("lblConvertiCents")), ColoreQt(Colori::RossoChiaro));
    // Key 11 in German: B, its notes with H.
    for (int i = 0; i < 3; ++i) Clic(QStringLiteral("cmdTono_0"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_0")), QStringLiteral("B"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_6")), QStringLiteral("H"));
    Fotografa(QStringLiteral("utility_DE_pag1"));
    for (int i = 2; i <= 3; ++i) {
        Clic(QStringLiteral("cmdPagina"));
        Fotografa(QStringLiteral("utility_DE_pag%1").arg(i));
    }
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_11")), QStringLiteral("Ab"));
    EXPECT_EQ(Testo(QStringLiteral("lblScalaDoInterv_16")), QStringLiteral("Bb")) << "SI double flat";
}

TEST_F(UtilityGui, CostruitaDopoLaRiadattazioneComeIlResto) {
    Carica(test::Schermo1280x1024);
    ASSERT_TRUE(stato_->fattoriAdattamento);
    Clic(QStringLiteral("cmdUtility"));
    // Scaled by 1.25 across and 4/3 down, as if laid out at load.
    const VoceGeometria* v = stato_->geometria.trova("lblNomeInterv", 1);
    ASSERT_TRUE(v);
    EXPECT_FLOAT_EQ(v->sinistra, 1200.0f);
    EXPECT_FLOAT_EQ(v->alto, 1440.0f);
    EXPECT_FLOAT_EQ(v->larghezza, 4218.75f);
    EXPECT_FLOAT_EQ(v->altezza, 340.0f);
    EXPECT_EQ(Trova(QStringLiteral("lblNomeInterv_1"))->geometry(), QRect(80, 96, 281, 23));
    EXPECT_EQ(Trova(QStringLiteral("FraUtility"))->size(), QSize(1280, 1024));
    const QFont cella = Trova(QStringLiteral("lblNomeInterv_1"))->font();
    const double punti = 9.75 * 15360.0 / 11550.0;
    EXPECT_NEAR(cella.pointSizeF(), CaratterePunti(QStringLiteral("MS Sans Serif"), punti).pointSizeF(), 0.01);
    EXPECT_EQ(cella.family(), CaratterePunti(QStringLiteral("MS Sans Serif"), 9.75).family());
    // The keypad keeps its designed font size; its own place is scaled.
    EXPECT_NEAR(Trova(QStringLiteral("cmdNumero_7"))->font().pointSizeF(),
                CaratterePunti(QStringLiteral("MS Sans Serif"), 8.25).pointSizeF(), 0.01);
    EXPECT_FLOAT_EQ(stato_->geometria.trova("cmdNumero", 7)->alto, 9480.0f * 4.0f / 3.0f);
    EXPECT_TRUE(Trova(QStringLiteral("lblScritteUtility_2"))->font().bold());
    f_->resize(1280, 1024);
    Fotografa(QStringLiteral("utility_1280x1024"));
}

}  // namespace
}  // namespace vk
