#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>
#include <random>

#include "app/widgets/FinestraPrincipale.h"
#include "common/Micro.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Schermata.h"
#include "editing/ComandiEditing.h"
#include "editing/widgets/EditingPrincipale.h"
#include "model/Derivazioni.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"

namespace vk {
namespace {

ValoreFisso V(const std::string& s) { return *ValoreFisso::daTesto(s); }

// The main window with the editing controls, shown and active.
class EditingGui : public ::testing::Test {
protected:
    void SetUp() override {
        ImpostaFornitoreSchermo({});
        finestra_ = std::make_unique<FinestraPrincipale>(stato_);
        editing_ = &InstallaEditing(*finestra_);
        finestra_->show();
        finestra_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(finestra_.get()));
    }
    void TearDown() override { finestra_.reset(); }

    PulsanteVB* Pulsante(const QString& nome) {
        auto* p = finestra_->findChild<PulsanteVB*>(nome);
        EXPECT_NE(p, nullptr) << nome.toStdString();
        return p;
    }
    Temperamento& T() { return stato_.temperamento; }
    ComandiEditing& C() { return editing_->comandi(); }
    // One tick of the timer the press started, through its real wiring.
    void Tick(PilotaRipetizione& p) {
        ASSERT_TRUE(p.timer().abilitato());
        emit p.timer().scatto();
    }
    void Coerente() {
        ASSERT_EQ([&] {
            ValoreFisso s;
            for (int k = 1; k <= 12; ++k) s += V(T().Quinte[k]);
            return s;
        }(), Micro::SetteOttave);
        Temperamento f = T();
        ASSERT_TRUE(CalcolaSemitoniTerze(f));
        ASSERT_TRUE(CalcolaCents(f));
        EXPECT_EQ(T().Terze, f.Terze);
        EXPECT_EQ(T().Semitoni, f.Semitoni);
        EXPECT_EQ(T().QuinteCents, f.QuinteCents);
        EXPECT_EQ(T().TerzeCents, f.TerzeCents);
        EXPECT_EQ(T().SemitoniCents, f.SemitoniCents);
        EXPECT_EQ(T().CopiaQuinte, T().Quinte);
    }
    void Salva(QWidget* w, const char* nome) {
        QDir().mkpath(VK_BUILD "/screens");
        EXPECT_TRUE(w->grab().save(QStringLiteral(VK_BUILD "/screens/%1.png").arg(nome)));
    }

    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> finestra_;
    EditingPrincipale* editing_ = nullptr;
};

TEST_F(EditingGui, ControlliNominatiEPosizionati) {
    struct Caso { const char* nome; int indice; float l, t, w, h, pt; };
    const Caso casi[] = {
        {"cmdMeno", 1, 7200, 10440, 375, 375, 12},   {"cmdPiù", 1, 7680, 10440, 375, 375, 12},
        {"cmdMeno", 7, 720, 10440, 375, 375, 12},    {"cmdPiù", 12, 6600, 10440, 375, 375, 12},
        {"cmdZero", 6, 12600, 10920, 855, 375, 8.25f}, {"cmdZero", 7, 720, 10920, 855, 375, 8.25f},
        {"cmdEquabile", -1, 13920, 9600, 550, 495, 8.25f}, {"cmdPitagorico", -1, 14595, 9600, 550, 495, 8.25f},
        {"cmdShift", 0, 1000, 2760, 540, 540, 12},   {"cmdShift", 1, 1640, 2760, 540, 540, 12},
        {"FraComma", -1, 0, 0, 15360, 11520, 0},     {"lblScritteVarie", 9, 3833, 4493, 7695, 1455, 9.75f},
        {"cmdCambioComma", 0, 5753, 6413, 1695, 615, 8.25f}, {"cmdCambioComma", 1, 7913, 6413, 1695, 615, 8.25f},
        {"ShpVari", 14, 293, 293, 14775, 10935, 0},
    };
    for (const Caso& c : casi) {
        const VoceGeometria* v = stato_.geometria.trova(c.nome, c.indice);
        ASSERT_NE(v, nullptr) << c.nome << c.indice;
        EXPECT_EQ(v->sinistra, c.l);
        EXPECT_EQ(v->alto, c.t);
        EXPECT_EQ(v->larghezza, c.w);
        EXPECT_EQ(v->altezza, c.h);
        EXPECT_EQ(v->carattere, c.pt);
        QString nome = QString::fromUtf8(c.nome);
        if (c.indice >= 0) nome += "_" + QString::number(c.indice);
        QWidget* w = finestra_->findChild<QWidget*>(nome);
        ASSERT_NE(w, nullptr) << nome.toStdString();
        EXPECT_EQ(w->geometry(), QRect(qRound(c.l / 15), qRound(c.t / 15), qRound(c.w / 15), qRound(c.h / 15)))
            << nome.toStdString();
    }
    EXPECT_EQ(Pulsante("cmdPiù_4")->text(), ">");
    EXPECT_EQ(Pulsante("cmdMeno_4")->text(), "<");
    EXPECT_EQ(Pulsante("cmdZero_4")->text(), "Copy/0");
    EXPECT_EQ(Pulsante("cmdPiù_4")->coloreSfondo(), 0xFBEFDDu);
    EXPECT_EQ(Pulsante("cmdMeno_4")->coloreSfondo(), 0xD8E2F8u);
    EXPECT_EQ(Pulsante("cmdEquabile")->toolTip(), "'Reset' sui valori equabili");
    EXPECT_EQ(Pulsante("cmdPitagorico")->toolTip(), "'Reset' sui valori pitagorici");
    EXPECT_EQ(Pulsante("cmdShift_0")->toolTip(), "Sposta a sinistra gli intervalli");
    EXPECT_EQ(Pulsante("cmdShift_1")->toolTip(), "Sposta a destra gli intervalli");
    EXPECT_EQ(editing_->intervalloPiu(), stato_.IntervalloPiu);
}

TEST_F(EditingGui, FuocoInizialeEOrdineDiTabulazione) {
    EXPECT_EQ(QApplication::focusWidget(), Pulsante("cmdPiù_12"));
    QStringList attesi;
    for (const char* fila : {"cmdPiù_", "cmdZero_", "cmdMeno_"})
        for (int k = 12; k >= 1; --k) attesi << QString::fromUtf8(fila) + QString::number(k);
    QWidget* w = Pulsante("cmdPiù_12");
    for (int i = 1; i < attesi.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisible()) w = w->nextInFocusChain();
        EXPECT_EQ(w->objectName(), attesi[i]) << i;
    }
    // And with the Tab key.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Pulsante("cmdPiù_11"));
}

// n ticks, then the release: over the button with the left button (n + 1
// steps), off it (n), with the right button (n); one compensation each.
TEST_F(EditingGui, OrdineDegliEventi) {
    struct Caso { const char* nome; Qt::MouseButton tasto; bool sopra; int tick; int passi; };
    const Caso casi[] = {
        {"sinistro sopra", Qt::LeftButton, true, 5, 6},
        {"sinistro fuori", Qt::LeftButton, false, 5, 5},
        {"destro sopra", Qt::RightButton, true, 4, 4},
        {"breve", Qt::LeftButton, true, 0, 1},
    };
    const auto& tab = TabellaFrazioni::Pitagoriche();
    for (const Caso& c : casi) {
        C().cmdEquabile_Click();
        const long passi0 = C().passi(), compl0 = C().completamenti();
        PulsanteVB* piu = Pulsante("cmdPiù_3");
        const QPoint centro = piu->rect().center();
        QTest::mousePress(piu, c.tasto, {}, centro);
        EXPECT_EQ(T().QuintaSelezionata, 3);
        for (int i = 0; i < c.tick; ++i) Tick(editing_->pilotaPiu());
        // The screen shows each step as it comes; the next fifth waits.
        EXPECT_EQ(finestra_->frazione(3)->text().toStdString(), T().Frazioni[3]);
        EXPECT_EQ(T().Quinte[4], "992376");
        QTest::mouseRelease(piu, c.tasto, {}, c.sopra ? centro : QPoint(-20, -20));
        EXPECT_FALSE(editing_->pilotaPiu().timer().abilitato()) << c.nome;
        EXPECT_EQ(C().passi() - passi0, c.passi) << c.nome;
        EXPECT_EQ(C().completamenti() - compl0, 1) << c.nome;
        const ValoreFisso nuova = tab.riga(68 + c.passi).Valore;
        EXPECT_EQ(T().Quinte[3], nuova.testo()) << c.nome;
        EXPECT_EQ(V(T().Quinte[4]), Micro::QuintaEquabile * 2 - nuova) << c.nome;
        EXPECT_EQ(C().lblIndexCopy(), 3);
        Coerente();
    }
}

// "<" held for 300 ms on the real timer at 35 ms: the ticks that arrive.
class TenutaBreve : public EditingGui {
protected:
    long tieni() {
        editing_->impostaIntervalloMeno(35);
        PulsanteVB* meno = Pulsante("cmdMeno_9");
        tick0_ = editing_->tickRicevuti();
        QTest::mousePress(meno, Qt::LeftButton, {}, meno->rect().center());
        QTest::qWait(300);
        QTest::mouseRelease(meno, Qt::LeftButton, {}, meno->rect().center());
        return editing_->tickRicevuti() - tick0_;
    }
    long tick0_ = 0;
};

TEST_F(TenutaBreve, TenutoColTimerVero) {
    const long tick = tieni();
    EXPECT_EQ(C().passi(), tick + 1);
    EXPECT_EQ(C().completamenti(), 1);
    QTest::qWait(100);
    EXPECT_EQ(editing_->tickRicevuti() - tick0_, tick);  // no tick after the release
    Coerente();
}

class TempiTenutaBreve : public TenutaBreve {};

TEST_F(TempiTenutaBreve, TenutoColTimerVero) {
    const long tick = tieni();
    EXPECT_GE(tick, 3);
    EXPECT_EQ(C().passi(), tick + 1);
}

// Space (or Enter) on a fifth button: one step and the completion at once.
TEST_F(EditingGui, TastieraFaPassoECompletamento) {
    PulsanteVB* piu = Pulsante("cmdPiù_12");
    ASSERT_TRUE(piu->hasFocus());
    QTest::keyClick(piu, Qt::Key_Space);
    EXPECT_EQ(C().passi(), 1);
    EXPECT_EQ(C().completamenti(), 1);
    EXPECT_EQ(T().Quinte[12], "992607");
    EXPECT_EQ(T().Quinte[1], "992145");
    EXPECT_EQ(T().Frazioni[1], "ND");
    EXPECT_EQ(finestra_->frazione(1)->text(), "ND");
    Coerente();
    PulsanteVB* meno = Pulsante("cmdMeno_12");
    meno->setFocus();
    QTest::keyClick(meno, Qt::Key_Return);
    EXPECT_EQ(T().Quinte[12], "992376");
    EXPECT_EQ(T().Quinte[1], "992376");
    Coerente();
}

TEST_F(EditingGui, CambioCommaConfermatoOAnnullato) {
    PulsanteVB* comma = finestra_->pulsanteComma();
    ASSERT_NE(comma, nullptr);
    Schermata* fra = editing_->fraComma();
    auto* si = Pulsante("cmdCambioComma_0");
    auto* no = Pulsante("cmdCambioComma_1");
    auto* avviso = finestra_->findChild<QLabel*>("lblScritteVarie_9");
    ASSERT_NE(avviso, nullptr);
    EXPECT_EQ(avviso->text().toStdString(), TestoAvvisoComma);
    EXPECT_EQ(si->text(), "SI', CONFERMO");
    EXPECT_EQ(no->text(), "NO, ANNULLO");

    // Cancelled: nothing changes.
    C().cmdPitagorico_Click();
    QTest::mouseClick(Pulsante("cmdPiù_2"), Qt::LeftButton);
    finestra_->aggiorna();
    const Temperamento prima = T();
    QTest::mouseClick(comma, Qt::LeftButton);
    EXPECT_TRUE(fra->isVisible());
    EXPECT_FALSE(finestra_->pagina()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), si);
    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_FALSE(fra->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), comma);
    EXPECT_EQ(T().Quinte, prima.Quinte);
    EXPECT_EQ(T().Frazioni, prima.Frazioni);
    EXPECT_EQ(T().Nome, prima.Nome);
    EXPECT_EQ(T().CommaCaption, "Comma Pitagorico");

    // Confirmed with the mouse.
    QTest::mouseClick(comma, Qt::LeftButton);
    QTest::mouseClick(si, Qt::LeftButton);
    EXPECT_FALSE(fra->isVisible());
    EXPECT_EQ(T().CommaCaption, "Comma Sintonico");
    EXPECT_EQ(comma->text(), "Comma Sintonico");
    EXPECT_EQ(comma->coloreSfondo(), 0xC0FFC0u);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(finestra_->frazione(k)->text(), "-Schisma");
    EXPECT_EQ(T().Nome, "TEMPERAMENTO EQUABILE");

    // Confirmed with Enter: the focus is on "SI', CONFERMO".
    QTest::mouseClick(comma, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), si);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(fra->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), comma);
    EXPECT_EQ(T().CommaCaption, "Comma Pitagorico");
    EXPECT_EQ(comma->coloreSfondo(), 0xC0C0FFu);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(finestra_->frazione(k)->text(), "-1/12");
    Coerente();
}

TEST_F(EditingGui, PresetETrasposizione) {
    QTest::mouseClick(Pulsante("cmdPitagorico"), Qt::LeftButton);
    EXPECT_EQ(T().Nome, "PITAGORICO");
    QTest::mouseClick(Pulsante("cmdShift_1"), Qt::LeftButton);
    EXPECT_EQ(T().Quinte[7], "961884");
    EXPECT_EQ(finestra_->frazione(7)->text(), "-1");
    QTest::mouseClick(Pulsante("cmdShift_0"), Qt::LeftButton);
    EXPECT_EQ(T().Quinte[6], "961884");
    QTest::mouseClick(Pulsante("cmdEquabile"), Qt::LeftButton);
    EXPECT_EQ(T().Quinte[6], "992376");
    QTest::mouseClick(Pulsante("cmdZero_5"), Qt::LeftButton);
    QTest::mouseClick(Pulsante("cmdZero_5"), Qt::LeftButton);
    EXPECT_EQ(T().Quinte[5], "995148");
    EXPECT_EQ(finestra_->frazione(5)->text(), "0");
    Coerente();
}

// A random mix of edits through the real buttons.
TEST_F(EditingGui, SequenzaCasualeDaiPulsanti) {
    std::mt19937 caso(11);
    auto tra = [&](int a, int z) { return std::uniform_int_distribution<int>(a, z)(caso); };
    for (int i = 0; i < 250; ++i) {
        const int k = tra(1, 12);
        const int scelta = tra(0, 9);
        if (scelta <= 4) {
            const bool su = scelta % 2 == 0;
            PulsanteVB* p = Pulsante(QString::fromUtf8(su ? "cmdPiù_%1" : "cmdMeno_%1").arg(k));
            PilotaRipetizione& pilota = su ? editing_->pilotaPiu() : editing_->pilotaMeno();
            const Qt::MouseButton tasto = tra(0, 4) == 0 ? Qt::RightButton : Qt::LeftButton;
            QTest::mousePress(p, tasto, {}, p->rect().center());
            for (int n = tra(0, 6); n > 0; --n) Tick(pilota);
            QTest::mouseRelease(p, tasto, {}, tra(0, 3) ? p->rect().center() : QPoint(-5, -5));
        } else if (scelta == 5) {
            PulsanteVB* p = Pulsante(QString::fromUtf8(tra(0, 1) ? "cmdPiù_%1" : "cmdMeno_%1").arg(k));
            p->setFocus();
            QTest::keyClick(p, tra(0, 1) ? Qt::Key_Space : Qt::Key_Return);
        } else if (scelta == 6) {
            QTest::mouseClick(Pulsante(QString("cmdZero_%1").arg(k)), Qt::LeftButton);
        } else if (scelta == 7) {
            QTest::mouseClick(Pulsante(QString("cmdShift_%1").arg(tra(0, 1))), Qt::LeftButton);
        } else if (scelta == 8) {
            QTest::mouseClick(finestra_->pulsanteComma(), Qt::LeftButton);
            QTest::mouseClick(Pulsante(QString("cmdCambioComma_%1").arg(tra(0, 1))), Qt::LeftButton);
        } else {
            QTest::mouseClick(Pulsante(tra(0, 1) ? "cmdEquabile" : "cmdPitagorico"), Qt::LeftButton);
        }
        ASSERT_NO_FATAL_FAILURE(Coerente()) << "passo " << i;
        if (HasFailure()) return;
    }
}

// The two pictures and what they are for: after a run of edits the main
// screen shows the model's temperament in every cell, and the confirmation
// screen covers it with its warning and answers; "NO, ANNULLO" leaves all
// as it was.
TEST_F(EditingGui, Schermate) {
    QTest::mouseClick(Pulsante("cmdPitagorico"), Qt::LeftButton);
    QTest::mouseClick(Pulsante("cmdShift_1"), Qt::LeftButton);
    PulsanteVB* piu = Pulsante("cmdPiù_3");
    QTest::mousePress(piu, Qt::LeftButton, {}, piu->rect().center());
    for (int i = 0; i < 3; ++i) Tick(editing_->pilotaPiu());
    QTest::mouseRelease(piu, Qt::LeftButton, {}, piu->rect().center());
    QTest::mouseClick(Pulsante("cmdMeno_10"), Qt::LeftButton);
    QTest::mouseClick(Pulsante("cmdZero_11"), Qt::LeftButton);
    ASSERT_NO_FATAL_FAILURE(Coerente());
    Salva(finestra_.get(), "editing_principale");

    // What the picture shows is the model: names, cents and letters.
    auto testo = [this](const char* nome, int k) {
        auto* l = finestra_->findChild<QLabel*>(QStringLiteral("%1_%2").arg(QString::fromUtf8(nome)).arg(k));
        EXPECT_NE(l, nullptr) << nome << k;
        return l ? l->text().toStdString() : std::string();
    };
    int diverse = 0;
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(finestra_->frazione(k)->text().toStdString(), T().Frazioni[k]) << k;
        EXPECT_EQ(testo("lblQuinteC", k), T().QuinteCents[k]) << k;
        EXPECT_EQ(testo("lblTerzeC", k), T().TerzeCents[k]) << k;
        EXPECT_EQ(testo("lblSemitoniC", k), T().SemitoniCents[k]) << k;
        EXPECT_EQ(Pulsante(QStringLiteral("cmdTerze_%1").arg(k))->text().toStdString(), T().SigleTerze[k]) << k;
        diverse += T().Frazioni[k] != "0";
    }
    // The edits moved several fifths off the preset; fifth 3 went four rows up.
    EXPECT_GE(diverse, 4);
    EXPECT_EQ(T().Quinte[3], TabellaFrazioni::Pitagoriche().riga(118 + 4).Valore.testo());
    EXPECT_EQ(finestra_->pulsanteComma()->text(), "Comma Pitagorico");

    const Temperamento prima = T();
    QTest::mouseClick(finestra_->pulsanteComma(), Qt::LeftButton);
    auto* fraComma = finestra_->findChild<Schermata*>(QStringLiteral("FraComma"));
    ASSERT_NE(fraComma, nullptr);
    EXPECT_TRUE(fraComma->isVisible());
    EXPECT_EQ(fraComma->geometry(), finestra_->rect());
    EXPECT_FALSE(finestra_->pagina()->isVisible());
    EXPECT_FALSE(Pulsante("cmdPiù_3")->isVisible());
    auto* avviso = fraComma->findChild<QLabel*>(QStringLiteral("lblScritteVarie_9"));
    ASSERT_NE(avviso, nullptr);
    EXPECT_TRUE(avviso->isVisible());
    EXPECT_EQ(avviso->text(), QString::fromUtf8(TestoAvvisoComma));
    EXPECT_EQ(Pulsante("cmdCambioComma_0")->text(), "SI', CONFERMO");
    EXPECT_EQ(Pulsante("cmdCambioComma_1")->text(), "NO, ANNULLO");
    EXPECT_TRUE(Pulsante("cmdCambioComma_0")->isVisible());
    // The whole warning fits its box above the answers.
    const QRect testoOccupato =
        avviso->fontMetrics().boundingRect(avviso->contentsRect(), Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop,
                                           avviso->text());
    EXPECT_LE(testoOccupato.bottom(), avviso->height());
    EXPECT_LT(avviso->geometry().bottom(), Pulsante("cmdCambioComma_0")->geometry().top());
    Salva(finestra_.get(), "editing_fracomma");

    QTest::mouseClick(Pulsante("cmdCambioComma_1"), Qt::LeftButton);
    EXPECT_FALSE(fraComma->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isVisible());
    EXPECT_EQ(T().Quinte, prima.Quinte);
    EXPECT_EQ(T().Frazioni, prima.Frazioni);
    EXPECT_EQ(finestra_->pulsanteComma()->text(), "Comma Pitagorico");
}

// ">" held for two seconds at level 11 (35 ms), then 20 ticks more, each
// with a repaint of the whole window, and the release.
class TenutaLunga : public EditingGui {
protected:
    struct Misure {
        long ricevuti;       // ticks during the two seconds
        double attesi;       // ticks the timer owes in that time
        double msPerTick;    // one tick with the repaint of the whole window
    };
    static constexpr int Prove = 20;

    Misure tieni() {
        editing_->impostaIntervalloPiu(35);
        T().Quinte[5] = "961884";  // room for well over 57 steps up
        T().CopiaQuinte[5] = "961884";
        T().Quinte[6] = "1022868";
        T().CopiaQuinte[6] = "1022868";
        PulsanteVB* piu = Pulsante("cmdPiù_5");
        QElapsedTimer orologio;
        const long tick0 = editing_->tickRicevuti();
        std::vector<qint64> istanti;
        auto conta = QObject::connect(&editing_->pilotaPiu().timer(), &TimerVB::scatto, [&] {
            istanti.push_back(orologio.nsecsElapsed());
        });
        QTest::mousePress(piu, Qt::LeftButton, {}, piu->rect().center());
        orologio.start();
        while (orologio.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 5);
        const double trascorsi = static_cast<double>(orologio.elapsed());
        const long ricevuti = editing_->tickRicevuti() - tick0;
        QObject::disconnect(conta);
        qint64 salto = 0;
        for (size_t i = 1; i < istanti.size(); ++i) salto = std::max(salto, istanti[i] - istanti[i - 1]);
        QElapsedTimer costo;
        costo.start();
        for (int i = 0; i < Prove; ++i) {
            Tick(editing_->pilotaPiu());
            finestra_->repaint();
        }
        const double msPerTick = static_cast<double>(costo.nsecsElapsed()) / 1e6 / Prove;
        QTest::mouseRelease(piu, Qt::LeftButton, {}, piu->rect().center());
        const double attesi = std::floor(trascorsi / 35.0);
        std::printf("[ misura ] tenuta %.0f ms a 35 ms (%s): tick ricevuti %ld, attesi %.0f, rapporto %.3f; "
                    "intervallo massimo %.1f ms; un tick col ridisegno %.2f ms\n",
                    trascorsi, qPrintable(QGuiApplication::platformName()), ricevuti, attesi, ricevuti / attesi,
                    static_cast<double>(salto) / 1e6, msPerTick);
        return {ricevuti, attesi, msPerTick};
    }
};

// Every tick that arrives makes its step, and the screen shows the last one.
TEST_F(TenutaLunga, TenutaDiDueSecondiAlLivelloUndici) {
    const Misure m = tieni();
    EXPECT_EQ(C().passi(), m.ricevuti + Prove + 1);
    EXPECT_EQ(T().Quinte[5], TabellaFrazioni::Pitagoriche().riga(1 + m.ricevuti + Prove + 1).Valore.testo());
    EXPECT_EQ(finestra_->frazione(5)->text().toStdString(), T().Frazioni[5]);
}

// Every tick the timer owes arrives, and one with its repaint fits the interval.
class TempiTenutaLunga : public TenutaLunga {};

TEST_F(TempiTenutaLunga, TenutaDiDueSecondiAlLivelloUndici) {
    const Misure m = tieni();
    EXPECT_GE(m.ricevuti, m.attesi - 1);
    EXPECT_LT(m.msPerTick, 35.0);
    EXPECT_EQ(C().passi(), m.ricevuti + Prove + 1);
}

}  // namespace
}  // namespace vk
