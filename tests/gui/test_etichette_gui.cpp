// Labels as designed: the text starts at the top edge of its box, the
// alignment only places it across; and the program's picture.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTest>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "common/widgets/Immagine.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/Schermata.h"
#include "programma/Schermate.h"

using namespace vk;

namespace {

// First and last row of a label's rendering that hold ink (any pixel much
// darker than the label's own background), or {-1, -1}.
std::pair<int, int> RigheInchiostro(QLabel* l) {
    QImage img(l->size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    l->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    p.end();
    const int fondo = qGray(img.pixel(0, 0));
    int primo = -1, ultimo = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < fondo - 80) {
                if (primo < 0) primo = y;
                ultimo = y;
                break;
            }
    return {primo, ultimo};
}

class Etichette : public ::testing::Test {
protected:
    void SetUp() override {
        ImpostaFornitoreSchermo({});
        finestra_ = std::make_unique<FinestraPrincipale>(stato_);
        InstallaSchermate(*finestra_);
        // The Zadu-Rori screen is built at its first opening: opened and
        // closed, its labels are there with the rest.
        for (const char* nome : {"cmdApriEasy", "cmdEsciEasyMode"})
            if (auto* b = finestra_->findChild<QWidget*>(QString::fromUtf8(nome))) QTest::keyClick(b, Qt::Key_Space);
    }
    QLabel* Etichetta(const char* nome) {
        auto* l = finestra_->findChild<QLabel*>(QString::fromUtf8(nome));
        EXPECT_NE(l, nullptr) << nome;
        return l;
    }
    StatoPrincipale stato_;
    std::unique_ptr<FinestraPrincipale> finestra_;
};

TEST_F(Etichette, OgniTestoParteDalBordoAlto) {
    // Every label of every screen, and the splash lines. The closing screen
    // is built when "Esc" first opens it; it has no way back, so the test
    // closes it to give the main page back.
    QTest::keyClick(finestra_->findChild<QWidget*>(QStringLiteral("cmdEXit")), Qt::Key_Space);
    auto* finale = finestra_->findChild<Schermata*>(QStringLiteral("FraSchermataFinale"));
    ASSERT_NE(finale, nullptr);
    finale->chiudi();
    Splash splash;
    QList<QLabel*> tutte = finestra_->findChildren<QLabel*>() + splash.findChildren<QLabel*>();
    ASSERT_GT(tutte.size(), 100);
    for (QLabel* l : tutte) {
        EXPECT_TRUE(l->alignment() & Qt::AlignTop) << l->objectName().toStdString();
        EXPECT_TRUE(l->wordWrap()) << l->objectName().toStdString();
    }

    // Across, as designed; down, the ink begins within the font's own
    // leading of the top edge, in boxes much taller than their text too.
    struct Caso {
        const char* nome;
        Qt::Alignment across;
    };
    const Caso casi[] = {
        {"lblVarie_0", Qt::AlignRight},         // "Scarto semitonale:"
        {"lblVarie_1", Qt::AlignLeft},          // "Cents"
        {"lblVarie_9", Qt::AlignHCenter},       // the limma
        {"lblScritteVarie_10", Qt::AlignHCenter},  // 975 twips high, 12 pt
        {"lblScritteVarie_9", Qt::AlignHCenter},   // the comma warning
        {"lblTabellaEasy_0", Qt::AlignHCenter},    // three lines in 615 twips
        {"lblVelocità", Qt::AlignHCenter},         // 495 twips high
    };
    for (const Caso& c : casi) {
        QLabel* l = Etichetta(c.nome);
        if (!l) continue;
        EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, c.across) << c.nome;
        if (l->text().isEmpty()) l->setText(QStringLiteral("6"));
        const auto [primo, ultimo] = RigheInchiostro(l);
        const QFontMetrics fm(l->font());
        ASSERT_GE(primo, 0) << c.nome;
        EXPECT_LE(primo, fm.ascent() - fm.capHeight() + 1) << c.nome << " ink from row " << primo;
        EXPECT_LT(ultimo, l->height()) << c.nome;
    }
}

TEST_F(Etichette, IlLimmaStaSopraLaSuaLinea) {
    // The limma's reference line runs at Top 1950; the text above it keeps
    // clear of it (centred in its box, the line box reached the line).
    QLabel* limma = Etichetta("lblVarie_9");
    ASSERT_NE(limma, nullptr);
    const int linea = Pixel(1950);
    const QFontMetrics fm(limma->font());
    EXPECT_LE(limma->y() + fm.height(), linea);
    const auto [primo, ultimo] = RigheInchiostro(limma);
    ASSERT_GE(ultimo, 0);
    EXPECT_LT(limma->y() + ultimo, linea - 1);
}

TEST_F(Etichette, ImgProgrammaDisegnataNelSuoRiquadro) {
    const VoceGeometria* v = stato_.geometria.trova("ImgProgramma");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(RettangoloPixel(*v), QRect(24, 24, 121, 113));
    auto* img = dynamic_cast<Immagine*>(finestra_->findChild<QWidget*>(QStringLiteral("ImgProgramma")));
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(img->geometry(), QRect(24, 24, 121, 113));
    EXPECT_FALSE(img->isHidden());
    // A picture of its own: not blank, many colours, stretched to the box.
    const QImage q = img->immagine();
    ASSERT_FALSE(q.isNull());
    EXPECT_NEAR(static_cast<double>(q.width()) / q.height(), 121.0 / 113.0, 0.02);
    QSet<QRgb> colori;
    for (int y = 0; y < q.height(); y += 3)
        for (int x = 0; x < q.width(); x += 3) colori.insert(q.pixel(x, y));
    EXPECT_GT(colori.size(), 50);
    const QImage schermo = img->grab().toImage();
    EXPECT_EQ(schermo.size(), QSize(121, 113));
    EXPECT_NE(schermo.pixel(60, 56), schermo.pixel(2, 2));
}

}  // namespace
