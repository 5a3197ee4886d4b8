// Button captions as the screens draw them: wrapped at spaces to the margin
// inside the bevel; a word wider than the margin broken at its hyphen where
// the lines then fit, else drawn smaller, never over the bevel.
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
#include "tests/gui/OgniDimensione.h"

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

// Whether any pixel of the bevel (the two outer rings) differs from the same
// button's with no caption: the caption has drawn over it.
bool CaptionSulloSmusso(PulsanteVB* b, bool premuto) {
    b->setDown(premuto);
    const QImage con = b->grab().toImage();
    const QString caption = b->text();
    b->setText({});
    const QImage senza = b->grab().toImage();
    b->setText(caption);
    b->setDown(false);
    for (int y = 0; y < con.height(); ++y)
        for (int x = 0; x < con.width(); ++x) {
            const bool smusso = x < 2 || y < 2 || x >= con.width() - 2 || y >= con.height() - 2;
            if (smusso && con.pixel(x, y) != senza.pixel(x, y)) return true;
        }
    return false;
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
        ControllaRighe(&b, c.righe);
        EXPECT_EQ(b.carattereCaption().pointSizeF() < b.font().pointSizeF(), c.piuPiccola);
        for (bool premuto : {false, true}) EXPECT_FALSE(CaptionSulloSmusso(&b, premuto)) << premuto;
    }
}

TEST(CaptionPulsanti, DentroLaFacciaAdOgniDimensioneAncheTenutoPremuto) {
    test::AOgniDimensione([](FinestraPrincipale& f) {
        QTest::mouseClick(f.findChild<PulsanteVB*>(QStringLiteral("cmdUtility")), Qt::LeftButton);
        for (const char* nome : {"cmdLab", "cmdNumero_13"}) {
            auto* b = f.findChild<PulsanteVB*>(QString::fromUtf8(nome));
            ASSERT_NE(b, nullptr) << nome;
            for (bool premuto : {false, true}) EXPECT_FALSE(CaptionSulloSmusso(b, premuto)) << nome << " " << premuto;
        }
    });
}
