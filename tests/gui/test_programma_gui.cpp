// The whole main window as the program builds it: every screen installed,
// then the load sequence.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

using namespace vk;

using test::SchermoFinto;

TEST(Programma, OgniSchermataSegueLaRiadattazione) {
    // Designed geometry: built, not loaded.
    StatoPrincipale progetto;
    FinestraPrincipale f0(progetto);
    InstallaSchermate(f0);
    // The Zadu-Rori screen is built at its first opening: after the load on
    // the larger screen, it comes out as if laid out with the rest.
    auto apriEasy = [](QWidget& f) {
        if (auto* easy = f.findChild<QWidget*>(QStringLiteral("cmdApriEasy"))) QTest::keyClick(easy, Qt::Key_Space);
    };
    apriEasy(f0);

    SchermoFinto schermo({28800, 16200});
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    apriEasy(*f);
    const double v = 16200.0 / 11520.0, o = 28800.0 / 15360.0;
    // One control of each screen: main page, editing, confirmation, Zadu-Rori.
    for (auto [nome, indice] : std::initializer_list<std::pair<const char*, int>>{
             {"cmdPiù", 3}, {"cmdZero", 12}, {"cmdEquabile", -1}, {"cmdCambioComma", 0},
             {"TxtCentsEasy", 5}, {"cmdApriEasy", -1}, {"txtFraz", 7}, {"cmdTerze", 4}}) {
        const VoceGeometria* a = progetto.geometria.trova(nome, indice);
        const VoceGeometria* b = stato.geometria.trova(nome, indice);
        ASSERT_NE(a, nullptr) << nome;
        ASSERT_NE(b, nullptr) << nome;
        EXPECT_FLOAT_EQ(b->alto, static_cast<float>(a->alto * v)) << nome;
        EXPECT_FLOAT_EQ(b->altezza, static_cast<float>(a->altezza * v)) << nome;
        EXPECT_FLOAT_EQ(b->sinistra, static_cast<float>(a->sinistra * o)) << nome;
        EXPECT_FLOAT_EQ(b->larghezza, static_cast<float>(a->larghezza * o)) << nome;
    }
    // Controls with a font of their own keep it at the scaled size.
    for (auto [nome, indice] : std::initializer_list<std::pair<const char*, int>>{
             {"TxtIndicazioniOperativeEasy", -1}, {"lblTabellaEasy", 9}, {"TxtCentsEasy", 5}}) {
        const VoceGeometria* a = progetto.geometria.trova(nome, indice);
        const VoceGeometria* b = stato.geometria.trova(nome, indice);
        auto* w = f->controllo(nome, indice);
        ASSERT_TRUE(a && b && w) << nome;
        EXPECT_FLOAT_EQ(b->carattere, static_cast<float>(a->carattere * (16200.0 / 11550.0))) << nome;
        QFont atteso = f0.controllo(nome, indice)->font();
        ImpostaPunti(atteso, b->carattere);
        EXPECT_EQ(w->font(), atteso) << nome << " " << w->font().toString().toStdString();
    }
    // The page that holds the controls takes the whole screen with them.
    EXPECT_EQ(f->pagina()->size(), QSize(1920, 1080));
    f->resize(f->pagina()->size());
    f->show();
    QDir().mkpath(VK_BUILD "/screens");
    f->grab().save(VK_BUILD "/screens/programma_1920x1080.png");
}

TEST(Programma, IlFuocoInizialeStaSulPiuDellaQuintaDodici) {
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    f->show();
    f->activateWindow();
    QApplication::setActiveWindow(f.get());
    QTest::qWait(20);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8("cmdPiù_12"));
    // Space on it steps fifth 12 and completes the edit: the sum holds.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(stato.temperamento.Quinte[12], "992607");
    EXPECT_EQ(stato.temperamento.Quinte[1], "992145");
    EXPECT_EQ(stato.temperamento.Frazioni[1], "ND");
}
