#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "editing/widgets/EditorTerzeWidget.h"
#include "editing/widgets/SchermataZaduRori.h"
#include "tests/gui/AiutiGui.h"

namespace vk {
namespace {

class ZaduRoriGui : public test::ProvaFinestra {
protected:
    QWidget* radice() override { return finestra_.get(); }
    void SetUp() override {
        finestra_ = std::make_unique<FinestraPrincipale>(stato_);
        easy_ = &InstallaZaduRori(*finestra_);
        terze_ = &InstallaEditorTerze(*finestra_);
        finestra_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra_.get()));
    }
    void Digita(int k, const QString& testo) {
        auto* e = Trova<QLineEdit>(QStringLiteral("TxtCentsEasy_%1").arg(k));
        if (!e) return;
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, testo);
    }
    void Fotografa(const QString& nome) { test::Fotografa(finestra_.get(), nome); }

    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> finestra_;
    ZaduRoriInstallato* easy_ = nullptr;
    EditorTerzeWidget* terze_ = nullptr;
};

TEST_F(ZaduRoriGui, VallottiDaiControlli) {
    stato_.LinguaNote = "DE";
    // Built at its first opening, not before.
    EXPECT_EQ(finestra_->findChild<QWidget*>(QStringLiteral("FraEasy")), nullptr);
    EXPECT_EQ(easy_->schermata(), nullptr);
    Clic(QStringLiteral("cmdApriEasy"));
    auto* fra = Trova<QWidget>(QStringLiteral("FraEasy"));
    ASSERT_TRUE(fra);
    ASSERT_TRUE(fra->isVisible());
    EXPECT_EQ(fra->pos(), QPoint(0, 0));
    EXPECT_EQ(fra->size(), QSize(1024, 768));
    EXPECT_FALSE(finestra_->pagina()->isVisible());
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblEtiQuinteEasy_5"))->text(), QStringLiteral("E - H"));
    EXPECT_FALSE(Trova<QWidget>(QStringLiteral("cmdCorreggi"))->isVisible());
    // Placed at twips / 15.
    EXPECT_EQ(Trova<QWidget>(QStringLiteral("TxtCentsEasy_1"))->geometry(), QRect(536, 136, 81, 28));

    // One "-1" copied down to row 5, a "0" copied down to row 11, "-1" in row 12.
    Digita(1, QStringLiteral("-1"));
    for (int k = 2; k <= 5; ++k) Clic(QStringLiteral("cmdCopyEasy_%1").arg(k));
    Digita(6, QStringLiteral("0"));
    for (int k = 7; k <= 11; ++k) Clic(QStringLiteral("cmdCopyEasy_%1").arg(k));
    Digita(12, QStringLiteral("-1"));
    EXPECT_EQ(easy_->modello().TxtCentsEasy[5], "-1");
    EXPECT_EQ(easy_->modello().TxtCentsEasy[11], "0");
    Fotografa(QStringLiteral("zadurori"));

    Clic(QStringLiteral("cmdSommaEasy"));
    EXPECT_FALSE(fra->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isVisible());
    const Temperamento& t = stato_.temperamento;
    for (int k = 1; k <= 12; ++k) {
        const bool temperata = k <= 5 || k == 12;
        EXPECT_EQ(t.Quinte[k], temperata ? "989604" : "995148") << k;
        EXPECT_EQ(t.Frazioni[k], temperata ? "-1/6" : "0") << k;
        EXPECT_EQ(finestra_->frazione(k)->text().toStdString(), t.Frazioni[k]) << k;
    }
    EXPECT_EQ(t.TerzeCents[1], "392,18");
    Fotografa(QStringLiteral("zadurori_vallotti"));

    // The next opening is empty again.
    Clic(QStringLiteral("cmdApriEasy"));
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("TxtCentsEasy_1"))->text(), QString());
}

TEST_F(ZaduRoriGui, PassoDiCorrezioneEMod) {
    Clic(QStringLiteral("cmdApriEasy"));
    for (int k = 1; k <= 12; ++k) Digita(k, k == 12 ? QStringLiteral("-1,96") : QStringLiteral("-1"));
    Clic(QStringLiteral("cmdSommaEasy"));
    auto* mod = Trova<QWidget>(QStringLiteral("cmdCorreggi"));
    ASSERT_TRUE(mod);
    EXPECT_TRUE(mod->isVisible());
    EXPECT_FALSE(Trova<QWidget>(QStringLiteral("ShpRiquadroEasy_0"))->isVisible());
    EXPECT_TRUE(Trova<QWidget>(QStringLiteral("ShpRiquadroEasy_1"))->isVisible());
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblCorrezione"))->text(), QStringLiteral("-0,0004"));
    EXPECT_TRUE(Trova<QPlainTextEdit>(QStringLiteral("TxtIndicazioniOperativeEasy"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("ATTENZIONE: le operazioni")));
    Fotografa(QStringLiteral("zadurori_correzione"));

    auto* rossa = Trova<QLineEdit>(QStringLiteral("TxtQuinteArrotondateEasy_2"));
    ASSERT_EQ(rossa->text(), QStringLiteral("992581,3333"));
    rossa->setFocus();
    rossa->selectAll();
    QTest::keyClicks(rossa, QStringLiteral("992581,3337"));
    Clic(QStringLiteral("cmdCorreggi"));
    EXPECT_FALSE(Trova<QWidget>(QStringLiteral("FraEasy"))->isVisible());
    EXPECT_EQ(stato_.temperamento.Quinte[2], "992581,3337");
}

TEST_F(ZaduRoriGui, PulsantiDelleTerze) {
    auto* b = Trova<PulsanteVB>(QStringLiteral("cmdTerze_1"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->text(), QStringLiteral("E"));
    EXPECT_EQ(b->geometry(), QRect(477, 512, 25, 25));
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(b->text(), QStringLiteral("P"));
    EXPECT_EQ(stato_.temperamento.Terze[1], "578160");
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdTerze_5"))->text(), QString());
    // The keyboard click acts the same.
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(b->text(), QStringLiteral("N"));
    EXPECT_EQ(terze_->modello().ciclo().NumeroClick, 2);
    Fotografa(QStringLiteral("editor_terze"));
}

}  // namespace
}  // namespace vk
