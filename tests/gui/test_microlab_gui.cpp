// The Vuvaz-Eza screen in the whole program: built at its first opening,
// driven through its controls, applied to the main screen.
#include <gtest/gtest.h>

#include "tests/gui/AiutiGui.h"
#include "tests/gui/OgniDimensione.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"
#include "microlab/widgets/FraMicro.h"

namespace vk {
namespace {

class MicroLabGui : public test::ProvaFinestra {
protected:
    QWidget* radice() override { return finestra_.get(); }
    void SetUp() override {
        ASSERT_TRUE(caricata_.mostra());
        finestra_->activateWindow();
        QApplication::setActiveWindow(finestra_.get());
        lab_ = finestra_->findChild<MicroLab*>();
        ASSERT_NE(lab_, nullptr);
    }
    QString Cella(const char* nome, int r) { return Trova<QLabel>(QStringLiteral("%1_%2").arg(nome).arg(r))->text(); }
    void Fotografa(const QString& nome) {
        const QString cartella = QStringLiteral(VK_BUILD) + QStringLiteral("/screens");
        QDir().mkpath(cartella);
        ASSERT_TRUE(finestra_->grab().save(cartella + "/" + nome + ".png"));
    }
    // Where a control stands on the screen (the screen groups its controls in strips).
    QRect Su(const QString& nome, QWidget* fra) {
        QWidget* w = Trova(nome);
        return QRect(w->mapTo(fra, QPoint(0, 0)), w->size());
    }
    QColor SfondoDi(const QString& nome) { return Trova(nome)->palette().color(QPalette::Window); }

    test::FinestraCaricata caricata_;
    StatoPrincipale& stato_ = caricata_.stato;
    std::unique_ptr<FinestraPrincipale>& finestra_ = caricata_.f;
    MicroLab* lab_ = nullptr;
};

TEST_F(MicroLabGui, TenereMaggioreEApplicare) {
    // Nothing of the screen exists before its first opening.
    EXPECT_EQ(lab_->schermata(), nullptr);
    EXPECT_EQ(finestra_->findChild<QWidget*>(QStringLiteral("FraMicro")), nullptr);
    Clic(QStringLiteral("cmdLab"));
    auto* fra = Trova(QStringLiteral("FraMicro"));
    ASSERT_TRUE(fra && fra->isVisible());
    EXPECT_EQ(fra->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_FALSE(finestra_->pagina()->isVisible());
    // Nothing beneath can take the focus.
    QWidget* fuoco = QApplication::focusWidget();
    EXPECT_TRUE(!fuoco || !finestra_->pagina()->isAncestorOf(fuoco));
    EXPECT_FALSE(finestra_->pagina()->isEnabled());
    EXPECT_EQ(Cella("lblQuintaPrecisa", 1), "992376");
    EXPECT_EQ(Cella("lblQuintaScarto", 1), "-1,9553");
    EXPECT_EQ(Cella("lblQuintaFraz", 13), "1,25992");
    EXPECT_EQ(Cella("lblQuintaPrecisa", 0), "-----");
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdQuintaM_7"))->text(), "FA# - DO#");
    // Columns follow the circle from FA#: fifth 7 first, fifth 1 in column 7.
    EXPECT_EQ(Su(QStringLiteral("cmdQuintaM_7"), fra), QRect(56, 536, 73, 33));
    EXPECT_EQ(Su(QStringLiteral("cmdQuintaM_1"), fra).x(), 56 + 6 * 80);
    EXPECT_EQ(Su(QStringLiteral("lblQuintaPrecisa_0"), fra), QRect(448, 688, 129, 25));

    // Select fifth 3 (RE - LA): light red, its linked rows in their colours.
    Clic(QStringLiteral("cmdQuintaM_3"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdQuintaM_3"))->coloreSfondo(), Colori::RossoChiaro);
    EXPECT_EQ(SfondoDi(QStringLiteral("lblQuintaPrecisa_3")), ColoreQt(Colori::RossoChiaro));
    EXPECT_EQ(SfondoDi(QStringLiteral("lblQuintaPrecisa_4")), ColoreQt(ColoriMicro::Quinte));
    EXPECT_EQ(SfondoDi(QStringLiteral("lblQuintaScarto_46")), ColoreQt(ColoriMicro::Note));
    EXPECT_EQ(SfondoDi(QStringLiteral("lblEtiQuinta_1")), ColoreQt(Colori::RossoChiaro));
    Clic(QStringLiteral("cmdScatto_6"));  // 10 Micro
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdScatto_6"))->coloreSfondo(), Colori::RossoChiaro);
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdScatto_5"))->coloreSfondo(), Colori::VerdeChiaro);

    // Hold ">" for some ticks of its 100 ms timer, then release over it.
    auto* piu = Trova<PulsanteVB>(QStringLiteral("cmdAumenta"));
    auto* timer = Trova<TimerVB>(QStringLiteral("TmrAumenta"));
    QTest::mousePress(piu, Qt::LeftButton);
    EXPECT_TRUE(timer->staContando());
    EXPECT_EQ(timer->intervallo(), 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Cella("lblQuintaPrecisa", 3) == "992406"; }, 5000));
    QTest::mouseRelease(piu, Qt::LeftButton);
    EXPECT_FALSE(timer->staContando());
    // Three ticks or more, and the click's step.
    const int passi = (Cella("lblQuintaPrecisa", 3).toInt() - 992376) / 10;
    EXPECT_GE(passi, 4);
    const int d = passi * 10;
    EXPECT_EQ(Cella("lblQuintaPrecisa", 4).toInt(), 992376 - d);
    EXPECT_EQ(Cella("lblQuintaPrecisa", 24).toInt(), 567072 + d);
    EXPECT_EQ(Cella("lblQuintaPrecisa", 46).toInt(), d);
    EXPECT_EQ(Cella("lblQuintaPrecisa", 0), Cella("lblQuintaPrecisa", 3));
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblClickN"))->text(), "1");
    Fotografa(QStringLiteral("microlab_it"));

    Clic(QStringLiteral("CmdApplicaMicro"));
    EXPECT_FALSE(fra->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isVisible());
    EXPECT_TRUE(finestra_->pagina()->isEnabled());
    // The main screen shows the new fifths and their names.
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblQuinta_3"))->text().toInt(), 992376 + d);
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblQuinta_4"))->text().toInt(), 992376 - d);
    EXPECT_EQ(stato_.temperamento.Frazioni[3], "ND");
    EXPECT_EQ(stato_.temperamento.Frazioni[1], "-1/12");
    EXPECT_EQ(stato_.temperamento.Terze[12], std::to_string(567072 + d));
    EXPECT_EQ(stato_.temperamento.QuintaSelezionata, 0);
}

TEST_F(MicroLabGui, NotazioneTastieraEAnnulla) {
    stato_.LinguaNote = "DE";
    const std::string prima = stato_.temperamento.Quinte[5];
    Clic(QStringLiteral("cmdLab"));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdQuintaM_10"))->text(), "Eb - B");
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdQuintaM_48"))->text(), "H");
    // A click from the keyboard is a click: the cycle of the third DO - MI.
    auto* terza = Trova<PulsanteVB>(QStringLiteral("cmdQuintaM_13"));
    terza->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(terza, Qt::Key_Space);
    EXPECT_EQ(Cella("lblQuintaPrecisa", 13), "547668");
    EXPECT_EQ(Cella("lblQuintaCent", 13), "386,3137");
    EXPECT_EQ(SfondoDi(QStringLiteral("lblEtiTerze_3")), ColoreQt(Colori::RossoChiaro));
    // ">" from the keyboard: one step, the cycle left as it is.
    auto* piu = Trova<PulsanteVB>(QStringLiteral("cmdAumenta"));
    piu->setFocus();
    QTest::keyClick(piu, Qt::Key_Space);
    EXPECT_EQ(Cella("lblQuintaPrecisa", 13), "547669");
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblClickN"))->text(), "3");
    Fotografa(QStringLiteral("microlab_de"));
    // A press shorter than one tick, released over ">": the click's one step.
    Clic(QStringLiteral("cmdScatto_1"));
    QTest::mouseClick(piu, Qt::LeftButton);
    EXPECT_EQ(Cella("lblQuintaPrecisa", 13), "547669,0001");
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblClickN"))->text(), "1");
    EXPECT_EQ(SfondoDi(QStringLiteral("lblEtiTerze_1")), ColoreQt(Colori::RossoChiaro));
    Clic(QStringLiteral("cmdAnnullaMicro"));
    EXPECT_FALSE(Trova(QStringLiteral("FraMicro"))->isVisible());
    EXPECT_EQ(stato_.temperamento.Quinte[5], prima);
    EXPECT_EQ(stato_.temperamento.Terze[1], "567072");
    // Reopened: the temperament again, nothing lit, the step kept.
    Clic(QStringLiteral("cmdLab"));
    EXPECT_EQ(Cella("lblQuintaPrecisa", 13), "567072");
    EXPECT_EQ(SfondoDi(QStringLiteral("lblEtiTerze_3")), ColoreQt(Colori::Bianco));
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdQuintaM_13"))->coloreSfondo(), ColoriMicro::Terze);
    EXPECT_EQ(Trova<PulsanteVB>(QStringLiteral("cmdScatto_1"))->coloreSfondo(), Colori::RossoChiaro);
    EXPECT_EQ(Trova<QLabel>(QStringLiteral("lblIndexScattoM"))->text(), "1");
    EXPECT_FALSE(Trova(QStringLiteral("FraConversione"))->isVisible());
}

// The hidden state labels show their captions at every step of a cycle.
TEST_F(MicroLabGui, LeEtichetteNascosteMostranoLoStato) {
    Clic(QStringLiteral("cmdLab"));
    auto testo = [this](const char* nome) { return Trova<QLabel>(QString::fromUtf8(nome))->text().toStdString(); };
    struct Atteso {
        const char *index, *click, *ritorno, *seq1, *seq7;
    };
    auto verifica = [&](const Atteso& a, const char* passo) {
        EXPECT_EQ(testo("lblIndexM"), a.index) << passo;
        EXPECT_EQ(testo("lblClickN"), a.click) << passo;
        EXPECT_EQ(testo("lblRitornoQuintaIniziale"), a.ritorno) << passo;
        EXPECT_EQ(testo("lblSeqInt_1"), a.seq1) << passo;
        EXPECT_EQ(testo("lblSeqInt_7"), a.seq7) << passo;
    };
    verifica({"0", "0", "No", "", ""}, "aperta");
    EXPECT_EQ(testo("lblIndexScattoM"), "5");
    EXPECT_EQ(testo("lblMemValore"), "");
    // Fifth 3 (RE - LA, up to LA): clicks 1..4, then back to its first value.
    const Atteso cicli[5] = {{"3", "1", "No", "3", "34"}, {"3", "2", "No", "3", "34"}, {"3", "3", "No", "3", "34"},
                             {"3", "4", "No", "3", "34"}, {"3", "1", "S\xC3\xAC", "3", "34"}};
    for (int i = 0; i < 5; ++i) {
        Clic(QStringLiteral("cmdQuintaM_3"));
        verifica(cicli[i], std::to_string(i + 1).c_str());
        if (i == 1) {
            EXPECT_EQ(testo("lblMemValore"), "992376");
        }
    }
    EXPECT_EQ(Cella("lblQuintaPrecisa", 3), "992376");
    Clic(QStringLiteral("cmdQuintaM_40"));  // a note: no cycle
    verifica({"40", "0", "S\xC3\xAC", "3", "34"}, "nota");
    Clic(QStringLiteral("cmdAnnullaMicro"));
    verifica({"0", "0", "No", "", ""}, "annullata");
    EXPECT_EQ(testo("lblMemValore"), "");
}

TEST_F(MicroLabGui, IlPannelloNascostoFunzionaSeMostrato) {
    Clic(QStringLiteral("cmdLab"));
    auto* pannello = Trova(QStringLiteral("FraConversione"));
    ASSERT_TRUE(pannello && !pannello->isVisible());
    EXPECT_EQ(finestra_->findChild<QWidget*>(QStringLiteral("cmdSomma")), nullptr);
    // Nothing in the program shows it; shown by hand, its controls come.
    pannello->show();
    auto* cents = Trova<QLineEdit>(QStringLiteral("TxtCents_1"));
    ASSERT_TRUE(cents);
    EXPECT_EQ(cents->text(), "-1,96");
    Clic(QStringLiteral("cmdSomma"));
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("TxtCents_0"))->text(), "-23,52");
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("TxtQuinteArrotondate_7"))->text(), "992376");
    // A typed deviation goes to the model; "C" copies the row above.
    cents->setFocus();
    cents->selectAll();
    QTest::keyClicks(cents, QStringLiteral("-3"));
    Clic(QStringLiteral("cmdCopy_2"));
    EXPECT_EQ(Trova<QLineEdit>(QStringLiteral("TxtCents_2"))->text(), "-3");
    EXPECT_EQ(lab_->modello().conversione.TxtCents[2], "-3");
}

TEST(MicroLabRiadattato, CostruitoDopoIlCaricamentoComeSeFossePresenteAllAvvio) {
    test::FinestraCaricata caricata(test::Schermo1920x1080);
    const StatoPrincipale& stato = caricata.stato;
    auto& f = caricata.f;
    f->findChild<MicroLab*>()->apri();
    const double v = 16200.0 / 11520.0, o = 28800.0 / 15360.0;
    struct Voce {
        const char* nome;
        int indice;
        float l, t, w, h;
    } voci[] = {{"cmdLab", -1, 13680, 240, 855, 375},          {"FraMicro", -1, 0, 0, 15360, 11520},
                {"cmdQuintaM", 1, 8040, 8040, 1095, 495},       {"lblQuintaPrecisa", 0, 6720, 10320, 1935, 375},
                {"cmdScatto", 8, 5760, 9000, 735, 375},          {"lblEtiQuinta", 0, 10200, 9510, 990, 255},
                {"lblDiciture", 42, 5400, 180, 4575, 330}};
    for (const auto& x : voci) {
        const VoceGeometria* g = stato.geometria.trova(x.nome, x.indice);
        ASSERT_NE(g, nullptr) << x.nome;
        EXPECT_FLOAT_EQ(g->sinistra, static_cast<float>(x.l * o)) << x.nome;
        EXPECT_FLOAT_EQ(g->alto, static_cast<float>(x.t * v)) << x.nome;
        EXPECT_FLOAT_EQ(g->larghezza, static_cast<float>(x.w * o)) << x.nome;
        EXPECT_FLOAT_EQ(g->altezza, static_cast<float>(x.h * v)) << x.nome;
    }
    // The widgets stand where their registry says, the screen over the whole window.
    EXPECT_EQ(f->findChild<QWidget*>(QStringLiteral("FraMicro"))->size(), QSize(1920, 1080));
    for (const char* nome : {"cmdQuintaM_1", "lblQuintaPrecisa_0", "lblDiciture_42"}) {
        const QString n = QString::fromUtf8(nome);
        const int sep = static_cast<int>(n.lastIndexOf('_'));
        const VoceGeometria* g = stato.geometria.trova(n.left(sep).toStdString(), n.mid(sep + 1).toInt());
        QWidget* w = f->findChild<QWidget*>(n);
        EXPECT_EQ(QRect(w->mapTo(f->findChild<QWidget*>(QStringLiteral("FraMicro")), QPoint(0, 0)), w->size()),
                  RettangoloPixel(*g))
            << nome;
    }
}

// Every control of the screen stands at the twips of its registration, the
// strips it lies in notwithstanding, so that placing the window again from
// its registry (a re-layout) moves nothing and shows the same screen.
TEST(MicroLabRiadattato, RiposizionatoDalRegistroRestaComEra) {
    test::FinestraCaricata caricata(test::Schermo1920x1080);
    ASSERT_TRUE(caricata.mostra());
    const StatoPrincipale& stato = caricata.stato;
    auto& f = caricata.f;
    f->findChild<MicroLab*>()->apri();
    QWidget* fra = f->findChild<QWidget*>(QStringLiteral("FraMicro"));
    ASSERT_NE(fra, nullptr);
    ASSERT_TRUE(fra->isVisible());
    auto controlla = [&](const char* quando) {
        int controllati = 0;
        for (const VoceGeometria& g : stato.geometria) {
            QWidget* w = f->controllo(g.nome, g.indice);
            if (!w || !fra->isAncestorOf(w)) continue;
            ++controllati;
            EXPECT_EQ(QRect(w->mapTo(fra, QPoint(0, 0)), w->size()), RettangoloPixel(g))
                << quando << ": " << g.nome << "_" << g.indice;
        }
        EXPECT_GT(controllati, 300) << quando;
    };
    controlla("built");
    const QImage prima = f->grab().toImage();
    f->posizionaTutto();
    controlla("placed again");
    EXPECT_EQ(f->grab().toImage(), prima);
}

}  // namespace
}  // namespace vk
