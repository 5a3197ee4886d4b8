// Button captions as the main screen draws them: on one line when the
// caption fits the button, wrapped only when it does not.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

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

}  // namespace

TEST(CaptionPulsanti, SuUnaRigaQuandoCapeAcapoSoloQuandoNonCape) {
    test::SchermoFinto schermo({LarghezzaProgetto, AltezzaProgetto});
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    f->resize(1024, 768);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    struct Caso {
        const char* pulsante;
        int righe;
    };
    const Caso casi[] = {
        {"cmdLab", 1},        // "Vuvaz-Eza": wider than the margin, narrower than the button
        {"cmdComma", 2},      // "Comma Pitagorico"
        {"Command9", 2},      // "Colori Quinte"
        {"cmdEquabile", 1},   // "EQ"
    };
    for (const Caso& c : casi) {
        auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(c.pulsante));
        ASSERT_NE(b, nullptr) << c.pulsante;
        EXPECT_EQ(RigheDisegnate(b), c.righe) << c.pulsante << " \"" << b->text().toStdString() << "\"";
        EXPECT_EQ(b->captionSuUnaRiga(), c.righe == 1) << c.pulsante;
    }
}
