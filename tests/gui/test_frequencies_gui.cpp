// The frequency table as the user sees it: opened from "Hz", driven with the
// mouse and the keyboard, on the designed screen and on a larger one.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "frequencies/widgets/SchermataFrequenze.h"
#include "tests/gui/AiutiGui.h"
#include "tests/gui/OgniDimensione.h"

namespace vk {
namespace {

class FrequenzeGui : public test::ProvaFinestra {
protected:
    QWidget* radice() override { return finestra_.get(); }
    void SetUp() override {
        finestra_ = std::make_unique<FinestraPrincipale>(stato_);
        tabella_ = &InstallaTabellaFrequenze(*finestra_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    QString Cella(int i) { return Testo(QStringLiteral("lblFreq_%1").arg(i)); }
    void Fotografa(const QString& nome) { test::Fotografa(finestra_.get(), nome); }

    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> finestra_;
    TabellaFrequenzeInstallata* tabella_ = nullptr;
};

TEST_F(FrequenzeGui, ApreLaTabellaETieneIlDiapason) {
    EXPECT_EQ(finestra_->findChild<QWidget*>(QStringLiteral("FraTabellaFrequenze")), nullptr)
        << "built at the first opening, not at start-up";
    auto* hz = Trova<PulsanteVB>(QStringLiteral("cmdMostraFrequenze"));
    ASSERT_TRUE(hz);
    EXPECT_EQ(hz->text(), QStringLiteral("Hz"));
    EXPECT_EQ(hz->toolTip(), QStringLiteral("Mostra Tabella Frequenze"));
    Clic(QStringLiteral("cmdMostraFrequenze"));

    auto* fra = Trova(QStringLiteral("FraTabellaFrequenze"));
    ASSERT_TRUE(fra);
    EXPECT_TRUE(fra->isVisible());
    EXPECT_EQ(fra->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_FALSE(finestra_->pagina()->isVisible());
    EXPECT_EQ(Cella(49), QStringLiteral("261,6256"));
    EXPECT_EQ(Cella(58), QStringLiteral("440"));
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblFreq_58"))->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Placed at twips / 15: octave 5, row LA.
    EXPECT_EQ(Trova(QStringLiteral("lblFreq_58"))->geometry(), QRect(400, 264, 73, 17));
    EXPECT_EQ(Trova<QPlainTextEdit>(QStringLiteral("TxtNomeDelTemperamento"))->toPlainText(),
              QStringLiteral("TEMPERAMENTO EQUABILE\n"));
    auto* la = Trova<PulsanteVB>(QStringLiteral("cmd440_1"));
    EXPECT_EQ(la->coloreSfondo(), Colori::RossoChiaro);
    Fotografa(QStringLiteral("frequenze_440"));

    // A click shorter than one tick changes nothing.
    QTest::mouseClick(Trova<PulsanteVB>(QStringLiteral("cmd440_0")), Qt::LeftButton);
    EXPECT_EQ(Cella(58), QStringLiteral("440"));
    EXPECT_FALSE(tabella_->diapason().timer().staContando());

    // ">" held for a few ticks of 60 ms: only the reference moves.
    auto* su = Trova<PulsanteVB>(QStringLiteral("cmd440_2"));
    QTest::mousePress(su, Qt::LeftButton);
    EXPECT_TRUE(tabella_->diapason().timer().staContando());
    // A few ticks, however busy the machine.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Cella(58).toInt() >= 443; }, 10000));
    EXPECT_TRUE(tabella_->diapason().timer().staContando()) << "still held";
    const QString durante = Cella(58);
    const int rif = durante.toInt();
    EXPECT_GE(rif, 443) << durante.toStdString();
    EXPECT_EQ(Cella(70), QStringLiteral("880")) << "the table waits for the release";
    EXPECT_EQ(la->coloreSfondo(), Colori::Bianco);
    QTest::mouseRelease(su, Qt::LeftButton);
    EXPECT_FALSE(tabella_->diapason().timer().staContando());
    EXPECT_EQ(Cella(58), durante);
    EXPECT_EQ(Cella(70), QString::number(2 * rif));
    EXPECT_NE(Cella(49), QStringLiteral("261,6256"));
    Fotografa(QStringLiteral("frequenze_%1").arg(rif));

    // The keyboard does nothing with the reference buttons.
    su->setFocus();
    QTest::keyClick(su, Qt::Key_Space);
    QTest::qWait(150);
    EXPECT_EQ(Cella(58), durante);

    // "440" back at once, the table at the release.
    QTest::mousePress(la, Qt::LeftButton);
    EXPECT_EQ(Cella(58), QStringLiteral("440"));
    EXPECT_EQ(la->coloreSfondo(), Colori::RossoChiaro);
    EXPECT_EQ(Cella(70), QString::number(2 * rif));
    QTest::mouseRelease(la, Qt::LeftButton);
    EXPECT_EQ(Cella(70), QStringLiteral("880"));

    // "Esc": the main page again.
    Clic(QStringLiteral("cmdTorna"));
    EXPECT_FALSE(fra->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isVisible());
}

TEST_F(FrequenzeGui, DecimaliPassoENomi) {
    stato_.LinguaNote = "DE";
    Clic(QStringLiteral("cmdMostraFrequenze"));
    EXPECT_EQ(Testo(QStringLiteral("lblNomiNote_11")), QStringLiteral("B"));
    EXPECT_EQ(Testo(QStringLiteral("lblNomiNote_24")), QStringLiteral("H"));
    EXPECT_EQ(Testo(QStringLiteral("lblNomiNote_25")), QStringLiteral("C"));
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblNomiNote_2"))->palette().color(QPalette::Window), QColor(Qt::black));

    Clic(QStringLiteral("cmdDec2_0"));
    EXPECT_EQ(Cella(49), QStringLiteral("261,63"));
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdDec2_%1").arg(i))->coloreSfondo(), Colori::RossoChiaro) << i;
        EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdDec4_%1").arg(i))->coloreSfondo(), Colori::Bianco) << i;
    }
    Clic(QStringLiteral("cmdDefault"));
    EXPECT_EQ(Cella(85), QStringLiteral("2093"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdDec2_0"))->coloreSfondo(), Colori::Bianco);
    Fotografa(QStringLiteral("frequenze_def"));

    auto* passo = Trova<PulsanteVB>(QStringLiteral("cmdLA"));
    EXPECT_EQ(passo->text(), QStringLiteral("Interi"));
    Clic(QStringLiteral("cmdLA"));
    EXPECT_EQ(passo->text(), QStringLiteral("0.1"));

    // The main page's controls take no focus while the table covers them.
    QWidget* principale = finestra_->findChild<QWidget*>(QStringLiteral("cmdMostraFrequenze"));
    principale->setFocus();
    EXPECT_FALSE(principale->hasFocus());

    // Closed and opened again in another notation, with a name typed on the
    // main screen: names and name box anew, state kept.
    Clic(QStringLiteral("cmdTorna"));
    stato_.LinguaNote = "FR";
    Trova<QPlainTextEdit>(QStringLiteral("TxtNomeTemperamento"))->setPlainText(QStringLiteral("MIO\nsu due righe"));
    Clic(QStringLiteral("cmdMostraFrequenze"));
    EXPECT_EQ(Trova<QPlainTextEdit>(QStringLiteral("TxtNomeDelTemperamento"))->toPlainText(),
              QStringLiteral("MIO\nsu due righe"));
    EXPECT_EQ(Testo(QStringLiteral("lblNomiNote_25")), QStringLiteral("UT"));
    EXPECT_EQ(passo->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Cella(85), QStringLiteral("2093"));
}

TEST(FrequenzeRiadattate, CostruitaDopoIlCaricamentoComeSeFosseStataCaricata) {
    test::FinestraCaricata caricata(test::Schermo1920x1080);
    ASSERT_TRUE(caricata.mostra());
    const StatoPrincipale& stato = caricata.stato;
    auto& f = caricata.f;
    auto* hz = f->findChild<PulsanteVB*>(QStringLiteral("cmdMostraFrequenze"));
    ASSERT_TRUE(hz);
    EXPECT_EQ(hz->geometry(), QRect(617, 259, 67, 50)) << "scaled with the main page";
    QTest::mouseClick(hz, Qt::LeftButton);
    auto* fra = f->findChild<QWidget*>(QStringLiteral("FraTabellaFrequenze"));
    ASSERT_TRUE(fra);
    EXPECT_EQ(fra->geometry(), QRect(0, 0, 1920, 1080));
    // Octave 1 at Left 1440 x 1,875, row DO at Top 7320 x 1,40625.
    EXPECT_EQ(f->findChild<QWidget*>(QStringLiteral("lblFreq_1"))->geometry(), QRect(180, 686, 122, 24));
    const VoceGeometria* cella = stato.geometria.trova("lblFreq", 1);
    EXPECT_FLOAT_EQ(cella->carattere, static_cast<float>(9.0 * 16200.0 / 11550.0));
    test::Fotografa(f.get(), QStringLiteral("frequenze_1920x1080"));
}

}  // namespace
}  // namespace vk
