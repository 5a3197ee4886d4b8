// The whole main window as the program builds it: every screen installed,
// then the load sequence.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"
#include "tests/gui/OgniDimensione.h"

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

    test::FinestraCaricata caricata(test::Schermo1920x1080);
    StatoPrincipale& stato = caricata.stato;
    auto& f = caricata.f;
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
    ASSERT_TRUE(caricata.mostra());
    QDir().mkpath(VK_BUILD "/screens");
    f->grab().save(VK_BUILD "/screens/programma_1920x1080.png");
}

TEST(Programma, SchermataFinaleApertaDopoIlCaricoComeSeCaricataConIlResto) {
    SchermoFinto schermo(test::Schermo1920x1080);
    auto esc = [](FinestraPrincipale& f) {
        QTest::keyClick(f.findChild<QWidget*>(QStringLiteral("cmdEXit")), Qt::Key_Space);
    };
    // Opened before the load sequence: laid out with everything else.
    StatoPrincipale caricata;
    auto f0 = CaricaFinestraPrincipale(caricata, {}, [&](FinestraPrincipale& f) {
        InstallaSchermate(f);
        esc(f);
    });
    // Opened after it, as "Esc" does in use.
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    EXPECT_EQ(f->findChild<QWidget*>(QStringLiteral("FraSchermataFinale")), nullptr);
    esc(*f);

    auto* a = f0->findChild<QWidget*>(QStringLiteral("FraSchermataFinale"));
    auto* b = f->findChild<QWidget*>(QStringLiteral("FraSchermataFinale"));
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(b->isHidden());
    // Open, it covers the page; the one opened before the load was put back
    // at its registered place by the load's re-layout.
    EXPECT_EQ(b->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(b->size(), a->size());
    EXPECT_EQ(b->font(), a->font());
    int confrontati = 0;
    for (QWidget* wa : a->findChildren<QWidget*>()) {
        if (wa->objectName().isEmpty() || wa->objectName().startsWith(QStringLiteral("qt_"))) continue;
        const std::string nome = wa->objectName().toStdString();
        auto* wb = b->findChild<QWidget*>(wa->objectName());
        ASSERT_NE(wb, nullptr) << nome;
        EXPECT_EQ(wb->geometry(), wa->geometry()) << nome;
        EXPECT_EQ(wb->font(), wa->font()) << nome << " " << wb->font().toString().toStdString();
        // The text box's own parts too (viewport, scroll bars).
        const auto parti = wa->findChildren<QWidget*>();
        const auto partiB = wb->findChildren<QWidget*>();
        ASSERT_EQ(partiB.size(), parti.size()) << nome;
        for (qsizetype i = 0; i < parti.size(); ++i) {
            EXPECT_EQ(partiB[i]->geometry(), parti[i]->geometry()) << nome << " " << i;
            EXPECT_EQ(partiB[i]->font(), parti[i]->font()) << nome << " " << i;
        }
        ++confrontati;
    }
    // Its picture, the five captions, the text and "Ok".
    EXPECT_EQ(confrontati, 8);
    for (auto [nome, indice] : std::initializer_list<std::pair<const char*, int>>{
             {"FraSchermataFinale", -1}, {"ImgXq", -1}, {"lblScritteVarie", 10}, {"lblScritteVarie", 13},
             {"TxtCurriculum", -1}, {"cmdEsciDalSoftware", -1}}) {
        const VoceGeometria* va = caricata.geometria.trova(nome, indice);
        const VoceGeometria* vb = stato.geometria.trova(nome, indice);
        ASSERT_TRUE(va && vb) << nome;
        EXPECT_EQ(vb->sinistra, va->sinistra) << nome;
        EXPECT_EQ(vb->alto, va->alto) << nome;
        EXPECT_EQ(vb->larghezza, va->larghezza) << nome;
        EXPECT_EQ(vb->altezza, va->altezza) << nome;
        EXPECT_EQ(vb->carattere, va->carattere) << nome;
    }
    // Scaled indeed: "Ok" in Arial bold at the larger size.
    const VoceGeometria* ok = stato.geometria.trova("cmdEsciDalSoftware", -1);
    EXPECT_FLOAT_EQ(ok->carattere, static_cast<float>(9.75 * (16200.0 / 11550.0)));
    EXPECT_TRUE(f->findChild<QWidget*>(QStringLiteral("cmdEsciDalSoftware"))->font().bold());
}

TEST(Programma, IlFuocoInizialeStaSulPiuDellaQuintaDodici) {
    test::FinestraCaricata caricata;
    StatoPrincipale& stato = caricata.stato;
    test::MostraAttiva(caricata.f.get());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromUtf8("cmdPiù_12"));
    // Space on it steps fifth 12 and completes the edit: the sum holds.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(stato.temperamento.Quinte[12], "992607");
    EXPECT_EQ(stato.temperamento.Quinte[1], "992145");
    EXPECT_EQ(stato.temperamento.Frazioni[1], "ND");
}
