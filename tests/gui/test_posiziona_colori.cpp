#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolTip>

#include "common/widgets/ColoriQt.h"
#include "common/widgets/Posiziona.h"

namespace vk {
namespace {

TEST(ColoriQt, ByteBluVerdeRosso) {
    struct {
        ColoreVB vb;
        QColor qt;
    } casi[] = {
        {0xC0C0FF, QColor(0xFF, 0xC0, 0xC0)},  // light red
        {0xC0FFC0, QColor(0xC0, 0xFF, 0xC0)},  // light green
        {0xE9DCD3, QColor(0xD3, 0xDC, 0xE9)},  // light grey-blue
        {0x0000FF, QColor(0xFF, 0, 0)},
        {0xFF0000, QColor(0, 0, 0xFF)},
        {0xFFFFFF, QColor(0xFF, 0xFF, 0xFF)},
        {0x000000, QColor(0, 0, 0)},
    };
    for (const auto& c : casi) EXPECT_EQ(ColoreQt(c.vb), c.qt) << std::hex << c.vb;
}

TEST(ColoriQt, CodiciDiSistemaDallaTavolozza) {
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    p.setColor(QPalette::Base, QColor(7, 8, 9));
    p.setColor(QPalette::Text, QColor(10, 11, 12));
    EXPECT_EQ(ColoreQt(0x8000000F, p), QColor(1, 2, 3));
    EXPECT_EQ(ColoreQt(0x80000012, p), QColor(4, 5, 6));
    EXPECT_EQ(ColoreQt(0x80000005, p), QColor(7, 8, 9));
    EXPECT_EQ(ColoreQt(0x80000008, p), QColor(10, 11, 12));
    EXPECT_EQ(ColoreQt(0x8000000F), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(RuoloDiSistema(0x00C0C0FF), QPalette::NoRole);
}

TEST(Caratteri, FamiglieSostituite) {
    EXPECT_EQ(FamigliaCarattere("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(FamigliaCarattere("Arial"), "Liberation Sans");
    EXPECT_EQ(FamigliaCarattere("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(FamigliaCarattere("Liberation Mono"), "Liberation Mono");
}

TEST(Caratteri, PixelComeA96Dpi) {
    for (double punti : {8.25, 9.75, 12.0, 81.0 / 7.0}) {
        const QFont f = CaratterePunti("MS Sans Serif", punti, true);
        EXPECT_NEAR(f.pointSizeF() * DpiLogici() / 72.0, punti * 96.0 / 72.0, 1e-6) << punti;
        EXPECT_TRUE(f.bold());
    }
    QLabel l;
    l.setFont(CaratterePunti("Arial", 8.25));
    EXPECT_EQ(QFontInfo(l.font()).pixelSize(), 11);
}

TEST(Caratteri, QuelloDelProgrammaPrimaDiOgniControllo) {
    // The test main starts as the program does. A text box lays out its
    // empty document as it is made: in the program's font, none other.
    const QFont programma = CarattereProgramma();
    EXPECT_EQ(QFontInfo(programma).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QApplication::font(), programma);
    QPlainTextEdit casella;
    EXPECT_EQ(casella.document()->defaultFont(), programma);
    QLabel etichetta;
    EXPECT_EQ(etichetta.font(), programma);
    // The windows that are not the program's keep the platform's font.
    const QFont sistema = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    ASSERT_NE(sistema, programma);
    EXPECT_EQ(QToolTip::font(), sistema);
    // As they are shown: polished, which takes a font for their class.
    QMenu menu;
    menu.ensurePolished();
    EXPECT_EQ(menu.font(), sistema) << menu.font().toString().toStdString();
    QMessageBox avviso(QMessageBox::Warning, QStringLiteral("Titolo"), QStringLiteral("Testo"));
    avviso.ensurePolished();
    EXPECT_EQ(avviso.font(), sistema) << avviso.font().toString().toStdString();
    for (QLabel* l : avviso.findChildren<QLabel*>()) EXPECT_EQ(l->font(), sistema) << l->objectName().toStdString();
}

TEST(Posiziona, QuindiciTwipsPerPixel) {
    VoceGeometria v;
    v.sinistra = 1200;
    v.alto = 8640;
    v.larghezza = 975;
    v.altezza = 255;
    v.carattere = 8.25f;
    QLabel l;
    Posiziona(&l, v);
    EXPECT_EQ(l.geometry(), QRect(80, 576, 65, 17));
    EXPECT_NEAR(l.font().pointSizeF() * DpiLogici() / 72.0, 11.0, 1e-6);
}

TEST(Posiziona, BordiVicini) {
    // Two cells that meet in twips meet in pixels, even at fractional twips.
    VoceGeometria a, b;
    a.sinistra = 2250;
    a.larghezza = 1828.125f;
    a.altezza = 358.59375f;
    b.sinistra = a.sinistra + a.larghezza;
    b.larghezza = 1828.125f;
    const QRect ra = RettangoloPixel(a), rb = RettangoloPixel(b);
    EXPECT_EQ(ra.right() + 1, rb.left());
    EXPECT_EQ(ra.left(), 150);
    EXPECT_EQ(ra.height(), 24);
}

TEST(Posiziona, TuttiPerNome) {
    QWidget radice;
    auto* l = new QLabel(&radice);
    l->setObjectName(NomeOggetto("lblNote", 2));
    auto* m = new QLabel(l);  // nested: a control inside a frame
    m->setObjectName(NomeOggetto("lblVelocità", -1));
    RegistroGeometria r;
    r.registra("lblNote", 2, TipoControllo::Etichetta, 150, 300, 450, 600);
    r.registra("lblVelocità", -1, TipoControllo::Etichetta, 15, 30, 45, 60);
    r.registra("TmrMeno", -1, TipoControllo::Timer, 0, 0, 0, 0);
    EXPECT_EQ(PosizionaTutti(&radice, r), 1);
    EXPECT_EQ(l->objectName(), "lblNote_2");
    EXPECT_EQ(l->geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(m->geometry(), QRect(1, 2, 3, 4));
}

}  // namespace
}  // namespace vk
