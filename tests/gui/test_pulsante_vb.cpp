#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <qdrawutil.h>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <ostream>

#include "common/RipetizioneAutomatica.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {
namespace {

QString Nome(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return "S";
        case Qt::RightButton: return "D";
        case Qt::MiddleButton: return "C";
        default: return "?";
    }
}

// A window with the button under test and a second control to take the focus.
class Pulsante : public ::testing::Test {
protected:
    void SetUp() override {
        finestra_.resize(200, 120);
        pulsante_ = new PulsanteVB("Ok", &finestra_);
        pulsante_->setGeometry(10, 10, 80, 30);
        altro_ = new QLineEdit(&finestra_);
        altro_->setGeometry(10, 60, 80, 25);
        QObject::connect(pulsante_, &PulsanteVB::mouseDown, [this](Qt::MouseButton b) { eventi_ << "down" + Nome(b); });
        QObject::connect(pulsante_, &PulsanteVB::clic, [this] { eventi_ << "clic"; });
        QObject::connect(pulsante_, &PulsanteVB::mouseUp, [this](Qt::MouseButton b) { eventi_ << "up" + Nome(b); });
        QObject::connect(pulsante_, &QPushButton::clicked, [this] { eventi_ << "clickedQt"; });
        finestra_.show();
        finestra_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra_));
        pulsante_->setFocus();
    }
    QString Eventi() const { return eventi_.join(' '); }

    QWidget finestra_;
    PulsanteVB* pulsante_ = nullptr;
    QLineEdit* altro_ = nullptr;
    QStringList eventi_;
    const QPoint dentro_{40, 15};
    const QPoint fuori_{150, 80};
};

TEST_F(Pulsante, SinistroRilasciatoSopra) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_TRUE(pulsante_->isDown());
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downS clic upS");
    EXPECT_FALSE(pulsante_->isDown());
    EXPECT_FALSE(pulsante_->premuto());
}

TEST_F(Pulsante, SinistroRilasciatoFuori) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, fuori_);
    EXPECT_EQ(Eventi(), "downS upS");
}

TEST_F(Pulsante, UscitaERientroNonRipetonoNulla) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    QTest::mouseMove(pulsante_, fuori_);
    EXPECT_FALSE(pulsante_->isDown());
    QTest::mouseMove(pulsante_, dentro_);
    EXPECT_TRUE(pulsante_->isDown());
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downS clic upS");
}

TEST_F(Pulsante, DoppioClicSonoDueClic) {
    // The second press comes with a double-click event as well.
    QTest::mouseClick(pulsante_, Qt::LeftButton, {}, dentro_);
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    QMouseEvent doppio(QEvent::MouseButtonDblClick, QPointF(dentro_), pulsante_->mapToGlobal(QPointF(dentro_)),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pulsante_, &doppio);
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downS clic upS downS clic upS");
}

TEST_F(Pulsante, AltriTastiSenzaClic) {
    QTest::mousePress(pulsante_, Qt::RightButton, {}, dentro_);
    QTest::mouseRelease(pulsante_, Qt::RightButton, {}, dentro_);
    QTest::mousePress(pulsante_, Qt::MiddleButton, {}, dentro_);
    QTest::mouseRelease(pulsante_, Qt::MiddleButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downD upD downC upC");
}

TEST_F(Pulsante, DaTastieraSoloIlClic) {
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        eventi_.clear();
        QTest::keyClick(pulsante_, k);
        EXPECT_EQ(Eventi(), "clic") << k;
    }
}

TEST_F(Pulsante, SpazioCliccaAlRilascio) {
    QTest::keyPress(pulsante_, Qt::Key_Space);
    EXPECT_TRUE(pulsante_->isDown());
    EXPECT_EQ(Eventi(), "");
    QTest::keyRelease(pulsante_, Qt::Key_Space);
    EXPECT_EQ(Eventi(), "clic");
}

TEST_F(Pulsante, TastoDiAccessoCliccaDaTastiera) {
    pulsante_->setText("&Apri");
    QTest::keyClick(&finestra_, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(Eventi(), "clic");
    EXPECT_EQ(pulsante_->text(), "&Apri");
}

// Losing the mouse in any of these ways gives the mouse-up at once, and the
// later release gives nothing.
struct CasoPerdita {
    const char* nome;
    void (*perdi)(PulsanteVB*, QWidget* altro);
};
// The case by its name in the test list, not as bytes.
void PrintTo(const CasoPerdita& c, std::ostream* os) { *os << c.nome; }

class PerditaDelMouse : public Pulsante, public ::testing::WithParamInterface<CasoPerdita> {};

TEST_P(PerditaDelMouse, DaIlMouseUp) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    GetParam().perdi(pulsante_, altro_);
    EXPECT_EQ(Eventi(), "downS upS");
    EXPECT_FALSE(pulsante_->isDown());
    pulsante_->setEnabled(true);
    pulsante_->show();
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downS upS");
}

INSTANTIATE_TEST_SUITE_P(
    Modi, PerditaDelMouse,
    ::testing::Values(CasoPerdita{"Fuoco", [](PulsanteVB*, QWidget* a) { a->setFocus(); }},
                      CasoPerdita{"Nascosto", [](PulsanteVB* p, QWidget*) { p->hide(); }},
                      CasoPerdita{"Disabilitato", [](PulsanteVB* p, QWidget*) { p->setEnabled(false); }},
                      CasoPerdita{"GenitoreDisabilitato",
                                  [](PulsanteVB* p, QWidget*) { p->parentWidget()->setEnabled(false); }}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST_F(Pulsante, ClicCheNascondeIlPulsante) {
    // A button that opens a screen over itself: still one mouse-up, after the click.
    QObject::connect(pulsante_, &PulsanteVB::clic, pulsante_, &QWidget::hide);
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downS clic upS");
}

TEST_F(Pulsante, DueTastiInsieme) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    QTest::mousePress(pulsante_, Qt::RightButton, {}, dentro_);
    QTest::mouseRelease(pulsante_, Qt::RightButton, {}, dentro_);
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(Eventi(), "downS downD upD clic upS");
}

TEST_F(Pulsante, ColoreSoloInStileGrafico) {
    const QColor faccia = ColoreQt(Colori::FacciaPulsante);
    pulsante_->setColoreSfondo(0xD8E2F8);
    EXPECT_EQ(pulsante_->palette().color(QPalette::Button), faccia);
    pulsante_->setGrafico(true);
    EXPECT_EQ(pulsante_->palette().color(QPalette::Button), QColor(0xF8, 0xE2, 0xD8));
    EXPECT_EQ(pulsante_->coloreSfondo(), 0xD8E2F8u);
    pulsante_->setColoreSfondo(Colori::FacciaPulsante);
    EXPECT_EQ(pulsante_->palette().color(QPalette::Button), faccia);
    EXPECT_TRUE(pulsante_->styleSheet().isEmpty());
}

// The bevel in filled rectangles against the style's own, raised and
// pressed, from the degenerate sizes to a wide button, in a plain palette and
// in one whose every role differs, on a rectangle away from the origin.
TEST(SmussoPulsante, ComeQuelloDelloStile) {
    QPalette colorata;
    colorata.setColor(QPalette::Light, QColor(250, 240, 200));
    colorata.setColor(QPalette::Shadow, QColor(10, 20, 30));
    colorata.setColor(QPalette::Dark, QColor(90, 80, 70));
    colorata.setColor(QPalette::Button, QColor(180, 200, 220));
    const QSize misure[] = {{1, 1}, {2, 2}, {2, 9}, {9, 2}, {3, 3}, {4, 6}, {5, 5}, {6, 4}, {7, 30}, {37, 25}, {73, 33}};
    for (const QPalette& pal : {QApplication::palette(), colorata})
        for (const QSize m : misure)
            for (bool giu : {false, true}) {
                const QRect r(QPoint(3, 2), m);
                const QBrush fondo(QColor(0xC0, 0xFF, 0xC0));
                QImage atteso(80, 40, QImage::Format_RGB32), ottenuto(80, 40, QImage::Format_RGB32);
                atteso.fill(Qt::magenta);
                ottenuto.fill(Qt::magenta);
                {
                    QPainter p(&atteso);
                    qDrawWinButton(&p, r, pal, giu, &fondo);
                }
                {
                    QPainter p(&ottenuto);
                    DisegnaSmusso(p, r, pal, giu, fondo);
                }
                EXPECT_EQ(ottenuto, atteso) << m.width() << "x" << m.height() << (giu ? " pressed" : " raised");
            }
}

TEST(TimerVB, IntervalloZeroNonScattaEIntervalloNonAbilita) {
    TimerVB t(nullptr, 0);
    QSignalSpy scatti(&t, &TimerVB::scatto);
    t.setAbilitato(true);
    EXPECT_FALSE(t.staContando());
    QTest::qWait(40);
    EXPECT_EQ(scatti.count(), 0);

    TimerVB u(nullptr, 135);
    u.setIntervallo(5);
    EXPECT_FALSE(u.abilitato());
    EXPECT_FALSE(u.staContando());
    u.setAbilitato(true);
    EXPECT_TRUE(u.staContando());
    QSignalSpy s2(&u, &TimerVB::scatto);
    EXPECT_TRUE(s2.wait(500));
    u.setAbilitato(false);
    const auto n = s2.count();
    QTest::qWait(30);
    EXPECT_EQ(s2.count(), n);
}

// The button, the timer and the repetition together.
class Ripetizione : public Pulsante {
protected:
    void SetUp() override {
        Pulsante::SetUp();
        pilota_ = std::make_unique<PilotaRipetizione>(r_);
        pilota_->collega(pulsante_);
    }
    int passi_ = 0;
    int completamenti_ = 0;
    RipetizioneAutomatica r_{[this] { ++passi_; }, [this] { ++completamenti_; }, 10};
    std::unique_ptr<PilotaRipetizione> pilota_;
};

TEST_F(Ripetizione, TenutoPremutoRipeteEIlClicAggiungeUnPasso) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_TRUE(pilota_->timer().staContando());
    EXPECT_EQ(passi_, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return passi_ >= 3; }, 2000));
    const int tenuti = passi_;
    QTest::mouseRelease(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(passi_, tenuti + 1);
    EXPECT_EQ(completamenti_, 1);
    EXPECT_FALSE(pilota_->timer().staContando());
    QTest::qWait(40);
    EXPECT_EQ(passi_, tenuti + 1);
}

TEST_F(Ripetizione, PressioneBreveEUnPasso) {
    r_.impostaIntervallo(100000);
    QTest::mouseClick(pulsante_, Qt::LeftButton, {}, dentro_);
    EXPECT_EQ(passi_, 1);
    EXPECT_EQ(completamenti_, 1);
}

TEST_F(Ripetizione, IntervalloZeroNonRipete) {
    r_.impostaIntervallo(0);
    QTest::mousePress(pulsante_, Qt::RightButton, {}, dentro_);
    EXPECT_TRUE(r_.attivo());
    EXPECT_FALSE(pilota_->timer().staContando());
    QTest::qWait(40);
    QTest::mouseRelease(pulsante_, Qt::RightButton, {}, dentro_);
    EXPECT_EQ(passi_, 0);
    EXPECT_EQ(completamenti_, 1);
}

TEST_F(Ripetizione, FuocoPersoFermaIlTimer) {
    QTest::mousePress(pulsante_, Qt::LeftButton, {}, dentro_);
    altro_->setFocus();
    EXPECT_FALSE(pilota_->timer().staContando());
    EXPECT_EQ(completamenti_, 1);
    const int n = passi_;
    QTest::qWait(40);
    EXPECT_EQ(passi_, n);
}

TEST_F(Ripetizione, TastieraSenzaCompletamento) {
    QTest::keyClick(pulsante_, Qt::Key_Space);
    EXPECT_EQ(passi_, 1);
    EXPECT_EQ(completamenti_, 0);
    EXPECT_FALSE(pilota_->timer().staContando());
}

}  // namespace
}  // namespace vk
