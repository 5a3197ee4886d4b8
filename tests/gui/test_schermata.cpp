#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Schermata.h"

namespace vk {
namespace {

// A window holding a main page and two screens laid over it.
class Schermate : public ::testing::Test {
protected:
    void SetUp() override {
        finestra_.resize(400, 300);
        pagina_ = new QWidget(&finestra_);
        pagina_->setGeometry(0, 0, 400, 300);
        sotto_ = new PulsanteVB("sotto", pagina_);
        sotto_->setGeometry(10, 10, 80, 30);
        new PulsanteVB("sotto2", pagina_);
        a_ = new Schermata(pagina_, &finestra_);
        a_->setGeometry(50, 60, 400, 300);  // a designed place that opening ignores
        dentroA_ = new PulsanteVB("in A", a_);
        dentroA_->setGeometry(100, 100, 80, 30);
        b_ = new Schermata(pagina_, &finestra_);
        b_->resize(400, 300);
        new PulsanteVB("in B", b_);
        finestra_.show();
        finestra_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra_));
        sotto_->setFocus();
    }
    bool FuocoSullaPagina() const {
        QWidget* f = QApplication::focusWidget();
        return f && pagina_->isAncestorOf(f);
    }

    QWidget finestra_;
    QWidget* pagina_ = nullptr;
    PulsanteVB* sotto_ = nullptr;
    PulsanteVB* dentroA_ = nullptr;
    Schermata* a_ = nullptr;
    Schermata* b_ = nullptr;
};

TEST_F(Schermate, ChiuseAllInizio) {
    EXPECT_FALSE(a_->inVista());
    EXPECT_FALSE(a_->isVisible());
    EXPECT_TRUE(sotto_->isVisible());
}

TEST_F(Schermate, AprireCopreLaPaginaPrincipale) {
    a_->apri();
    EXPECT_TRUE(a_->isVisible());
    EXPECT_EQ(a_->pos(), QPoint(0, 0));
    EXPECT_FALSE(sotto_->isVisible());
    EXPECT_FALSE(FuocoSullaPagina());
    // Tab never reaches a covered control.
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &finestra_, Qt::Key_Tab);
        EXPECT_FALSE(FuocoSullaPagina());
    }
    sotto_->setFocus();
    EXPECT_FALSE(sotto_->hasFocus());
}

TEST_F(Schermate, ChiudereRendeLaPagina) {
    a_->apri();
    a_->chiudi();
    EXPECT_FALSE(a_->isVisible());
    EXPECT_TRUE(sotto_->isVisible());
    sotto_->setFocus();
    EXPECT_TRUE(sotto_->hasFocus());
}

TEST_F(Schermate, LaPaginaTornaQuandoSiChiudeLUltima) {
    a_->apri();
    b_->apri();
    b_->chiudi();
    EXPECT_FALSE(sotto_->isVisible());
    EXPECT_TRUE(a_->isVisible());
    a_->hide();  // hiding it directly closes it as well
    EXPECT_TRUE(sotto_->isVisible());
}

TEST_F(Schermate, AprireDueVolteContaUnaVolta) {
    a_->apri();
    a_->apri();
    a_->chiudi();
    EXPECT_TRUE(sotto_->isVisible());
}

TEST_F(Schermate, IlPulsanteCheApreRiceveIlSuoMouseUp) {
    QStringList eventi;
    QObject::connect(sotto_, &PulsanteVB::clic, a_, &Schermata::apri);
    QObject::connect(sotto_, &PulsanteVB::clic, [&] { eventi << "clic"; });
    QObject::connect(sotto_, &PulsanteVB::mouseUp, [&] { eventi << "up"; });
    QTest::mousePress(sotto_, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(sotto_, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(eventi.join(' '), "clic up");
    EXPECT_TRUE(a_->isVisible());
}

TEST_F(Schermate, SegnaliDiAperturaEChiusura) {
    int aperte = 0, chiuse = 0;
    QObject::connect(a_, &Schermata::aperta, [&] { ++aperte; });
    QObject::connect(a_, &Schermata::chiusa, [&] { ++chiuse; });
    a_->apri();
    a_->apri();
    a_->chiudi();
    a_->chiudi();
    EXPECT_EQ(aperte, 1);
    EXPECT_EQ(chiuse, 1);
}

TEST_F(Schermate, AprireDaIlFuocoAlPrimoControlloNellOrdineDiTab) {
    // Created after dentroA_, but placed before it in the tab order; a
    // disabled control before both is passed over.
    auto* primo = new PulsanteVB("primo", a_);
    auto* spento = new PulsanteVB("spento", a_);
    spento->setEnabled(false);
    QWidget::setTabOrder(spento, primo);
    QWidget::setTabOrder(primo, dentroA_);
    a_->apri();
    EXPECT_EQ(QApplication::focusWidget(), primo);
    EXPECT_EQ(a_->primoControllo(), primo);
}

TEST_F(Schermate, ChiudereRendeIlFuocoAlControlloCheLAvevaAllApertura) {
    auto* sotto2 = pagina_->findChildren<PulsanteVB*>()[1];
    sotto2->setFocus();
    a_->apri();
    EXPECT_EQ(QApplication::focusWidget(), dentroA_);
    // One screen over another: each gives the focus back to its own opener.
    b_->apri();
    EXPECT_TRUE(b_->isAncestorOf(QApplication::focusWidget()));
    b_->chiudi();
    EXPECT_EQ(QApplication::focusWidget(), dentroA_);
    a_->chiudi();
    EXPECT_EQ(QApplication::focusWidget(), sotto2);
}

}  // namespace
}  // namespace vk
