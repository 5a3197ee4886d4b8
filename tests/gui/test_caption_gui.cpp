// Button captions as the screens draw them: wrapped at spaces to the margin
// inside the bevel; a word wider than the margin broken at its hyphen where
// the lines then fit, else drawn smaller, never over the bevel.
#include <gtest/gtest.h>

#include <QTest>
#include <optional>
#include <vector>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "common/Geometria.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"
#include "tests/gui/OgniDimensione.h"
#include "tests/gui/TestoIntero.h"

using namespace vk;

namespace {

// The caption drawn whole on the face in exactly these lines, raised and
// held down; the font it is drawn at.
std::optional<QFont> ControllaRighe(PulsanteVB* b, const QStringList& attese) {
    std::optional<QFont> carattere;
    for (bool giu : {false, true}) {
        const auto t = test::CaptionIntera(b, giu, {attese.join(u'\n')});
        EXPECT_TRUE(t) << b->objectName().toStdString() << (giu ? " held" : "") << ": not drawn whole as "
                       << attese.join(u'|').toStdString();
        if (t) carattere = t->carattere;
    }
    return carattere;
}

}  // namespace

TEST(CaptionPulsanti, SulloSchermoACapoAgliSpaziMaiInUnaParola) {
    struct Pulsante {
        const char* nome;
        QStringList righe;
    };
    struct Schermo {
        DimensioniSchermo dimensioni;
        bool noColori;  // Command9 clicked once: "No Colori Quinte"
        std::vector<Pulsante> pulsanti;
    };
    const QStringList vuvazEza{QStringLiteral("Vuvaz-Eza")};
    const Schermo schermi[] = {
        // "Vuvaz-Eza" is wider than the margin at the designed size: whole, over it.
        {{LarghezzaProgetto, AltezzaProgetto}, false,
         {{"cmdLab", vuvazEza}, {"cmdComma", {"Comma", "Pitagorico"}}, {"Command9", {"Colori", "Quinte"}},
          {"cmdEquabile", {"EQ"}}}},
        {{LarghezzaProgetto, AltezzaProgetto}, true, {{"Command9", {"No Colori", "Quinte"}}}},
        // Narrower than the button, wider than its margin: still wrapped.
        {{28800, 16200}, true, {{"Command9", {"No Colori", "Quinte"}}, {"cmdLab", vuvazEza}}},
        // Two lines fit: broken at its hyphen.
        {{19200, 15360}, false, {{"cmdLab", {"Vuvaz-", "Eza"}}}},
        {{12000, 9000}, false, {{"cmdLab", vuvazEza}}},
    };
    for (const Schermo& s : schermi) {
        SCOPED_TRACE(testing::Message() << s.dimensioni.larghezza << "x" << s.dimensioni.altezza);
        test::SchermoFinto schermo(s.dimensioni);
        StatoPrincipale stato;
        auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
        f->resize(f->pagina()->size());
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        if (s.noColori) QTest::mouseClick(f->findChild<PulsanteVB*>(QStringLiteral("Command9")), Qt::LeftButton);
        for (const Pulsante& p : s.pulsanti) {
            auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(p.nome));
            ASSERT_NE(b, nullptr) << p.nome;
            ControllaRighe(b, p.righe);
        }
    }
}

TEST(CaptionPulsanti, UnaParolaTroppoLargaSpezzataAlTrattinoOppurePiuPiccola) {
    struct Caso {
        const char* caption;
        int larghezza, altezza;
        QStringList righe;
        bool piuPiccola;
    };
    const Caso casi[] = {
        {"Vuvaz-Eza", 40, 60, {"Vuvaz-", "Eza"}, false},
        // Two lines would not fit in its height: whole, smaller.
        {"Vuvaz-Eza", 40, 20, {"Vuvaz-Eza"}, true},
        {"Temperamento", 40, 60, {"Temperamento"}, true},
        {"Apri Vuvaz-Eza", 70, 60, {"Apri", "Vuvaz-Eza"}, false},
        {"Apri Vuvaz-Eza", 200, 60, {"Apri Vuvaz-Eza"}, false},
    };
    for (const Caso& c : casi) {
        PulsanteVB b(QString::fromUtf8(c.caption));
        b.resize(c.larghezza, c.altezza);
        SCOPED_TRACE(testing::Message() << c.caption << " " << c.larghezza << "x" << c.altezza);
        if (const auto carattere = ControllaRighe(&b, c.righe)) {
            EXPECT_EQ(*carattere != b.font(), c.piuPiccola);
        }
    }
}

TEST(CaptionPulsanti, DentroLaFacciaAdOgniDimensioneAncheTenutoPremuto) {
    test::AOgniDimensione([](FinestraPrincipale& f) {
        QTest::mouseClick(f.findChild<PulsanteVB*>(QStringLiteral("cmdUtility")), Qt::LeftButton);
        for (const char* nome : {"cmdLab", "cmdNumero_13"}) {
            auto* b = f.findChild<PulsanteVB*>(QString::fromUtf8(nome));
            ASSERT_NE(b, nullptr) << nome;
            for (bool premuto : {false, true})
                EXPECT_TRUE(test::CaptionIntera(b, premuto, test::FormeDellaCaption(b->text()))) << nome << " " << premuto;
        }
    });
}
