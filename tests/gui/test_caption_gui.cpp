// Button captions as the screens draw them: wrapped at spaces to the margin
// inside the bevel, never inside a word, a word wider than the margin whole
// on one line.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <vector>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "common/Geometria.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

using namespace vk;

namespace {

// The lines of text drawn on a button: bands of rows holding dark pixels
// inside the bevel, from the button's own picture.
int RigheDisegnate(PulsanteVB* b) {
    const QImage img = b->grab().toImage();
    int righe = 0;
    bool prima = false;
    for (int y = 2; y < img.height() - 2; ++y) {
        bool scura = false;
        for (int x = 2; x < img.width() - 2 && !scura; ++x) scura = qGray(img.pixel(x, y)) < 110;
        if (scura && !prima) ++righe;
        prima = scura;
    }
    return righe;
}

void ControllaRighe(PulsanteVB* b, const QStringList& attese) {
    EXPECT_EQ(b->righeCaption().join(u'|').toStdString(), attese.join(u'|').toStdString())
        << b->objectName().toStdString();
    EXPECT_EQ(RigheDisegnate(b), attese.size()) << b->objectName().toStdString();
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

TEST(CaptionPulsanti, UnaParolaTroppoLargaRestaSuUnaRiga) {
    struct Caso {
        const char* caption;
        int larghezza;
        QStringList righe;
    };
    const Caso casi[] = {
        {"Vuvaz-Eza", 40, {"Vuvaz-Eza"}},
        {"Temperamento", 40, {"Temperamento"}},
        {"Apri Vuvaz-Eza", 70, {"Apri", "Vuvaz-Eza"}},
        {"Apri Vuvaz-Eza", 200, {"Apri Vuvaz-Eza"}},
    };
    for (const Caso& c : casi) {
        PulsanteVB b(QString::fromUtf8(c.caption));
        b.resize(c.larghezza, 60);
        SCOPED_TRACE(c.caption);
        ControllaRighe(&b, c.righe);
    }
}
