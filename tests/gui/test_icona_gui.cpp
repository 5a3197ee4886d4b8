// The program's icon and the names a desktop knows its windows by.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Icona.h"
#include "common/widgets/Immagine.h"
#include "programma/Programma.h"

using namespace vk;

TEST(Icona, EIlDisegnoDellaSchermataPrincipaleNelQuadrato) {
    StatoPrincipale stato;
    FinestraPrincipale f(stato);
    auto* img = dynamic_cast<Immagine*>(f.findChild<QWidget*>(QStringLiteral("ImgProgramma")));
    ASSERT_NE(img, nullptr);
    const QImage schermata = img->immagine();
    ASSERT_EQ(schermata.size(), QSize(242, 226));
    // At its own width the icon is the same picture, moved down to the
    // square's middle: every pixel clear of the rounded corners is the same.
    const QImage icona = ImmagineIcona(242);
    const int giu = (242 - 226) / 2, angolo = 40;
    int diversi = 0;
    for (int y = 0; y < 226; ++y)
        for (int x = 0; x < 242; ++x) {
            const int yi = y + giu;
            const bool nellAngolo = (x < angolo || x >= 242 - angolo) && (yi < angolo || yi >= 242 - angolo);
            if (!nellAngolo && icona.pixel(x, yi) != schermata.pixel(x, y)) ++diversi;
        }
    EXPECT_EQ(diversi, 0);
}

TEST(Icona, OgniTagliaHaGliAngoliTrasparentiEIlCentroPieno) {
    for (int lato : {16, 22, 32, 48, 64, 256}) {
        SCOPED_TRACE(lato);
        const QImage q = ImmagineIcona(lato);
        ASSERT_EQ(q.size(), QSize(lato, lato));
        for (QPoint angolo : {QPoint(0, 0), QPoint(lato - 1, 0), QPoint(0, lato - 1), QPoint(lato - 1, lato - 1)})
            EXPECT_LT(qAlpha(q.pixel(angolo)), 64);  // smoothed, not cut square
        // The middle of each edge and the ring's "VK" are opaque.
        for (QPoint pieno : {QPoint(lato / 2, 0), QPoint(0, lato / 2), QPoint(lato / 2, lato / 2)})
            EXPECT_EQ(qAlpha(q.pixel(pieno)), 255);
    }
    EXPECT_TRUE(ImmagineIcona(0).isNull());
}

TEST(Icona, IdentitaDelProgrammaPerIlDesktop) {
    const QString nome = QApplication::applicationName(), file = QGuiApplication::desktopFileName();
    ImpostaIdentita();
    // The class of the windows and the launcher's StartupWMClass; the
    // launcher's file name; the name shown.
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("VelmoraKOV"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.velmorakov.VelmoraKOV"));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("VelmoraKOV"));
    // Every window gets the icon, at the sizes a task bar asks for.
    QWidget w;
    const QIcon icona = w.windowIcon();
    ASSERT_FALSE(icona.isNull());
    for (int t : {16, 32, 48, 128}) EXPECT_TRUE(icona.availableSizes().contains(QSize(t, t))) << t;
    EXPECT_EQ(icona.pixmap(48).toImage().convertToFormat(QImage::Format_ARGB32), ImmagineIcona(48).convertToFormat(QImage::Format_ARGB32));
    QApplication::setApplicationName(nome);
    QGuiApplication::setDesktopFileName(file);
    QApplication::setWindowIcon(QIcon());
}
