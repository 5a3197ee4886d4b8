// A table cell keeps its laid-out text between paints: whatever it showed
// before, it must look as a new cell showing the same thing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>

#include "common/widgets/ColoriQt.h"
#include "common/widgets/CellaTesto.h"

namespace vk {
namespace {

struct Aspetto {
    const char* testo;
    QColor sfondo;
    Qt::Alignment allineamento;
    int larghezza;
};

QImage Foto(CellaTesto& c, const Aspetto& a) {
    c.resize(a.larghezza, 17);
    c.setText(QString::fromUtf8(a.testo));
    QPalette p = c.palette();
    p.setColor(QPalette::Window, a.sfondo);
    p.setColor(QPalette::WindowText, Qt::black);
    c.setPalette(p);
    c.setAlignment(a.allineamento | Qt::AlignTop);
    return c.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(CellaTesto, OgniAspettoComeInUnaCellaNuova) {
    const QColor rosa(0xFF, 0xC0, 0xC0), verde(0xC0, 0xFF, 0xC0);
    // Texts, colours, alignments and widths coming back in turn, more than
    // the cell keeps, and texts wider than the cell on either side.
    const Aspetto sequenza[] = {
        {"1,8020324707", rosa, Qt::AlignHCenter, 81},   {"1,8", rosa, Qt::AlignHCenter, 81},
        {"1,8020324707", verde, Qt::AlignHCenter, 81},  {"1,8020324707", rosa, Qt::AlignHCenter, 81},
        {"Sesta eccedente greca", rosa, Qt::AlignRight, 60}, {"1,8", verde, Qt::AlignLeft, 81},
        {"1,8", verde, Qt::AlignRight, 81},             {"1,8", verde, Qt::AlignRight, 50},
        {"", rosa, Qt::AlignHCenter, 81},               {"1,8020324707", rosa, Qt::AlignHCenter, 81},
        {"Sesta eccedente greca", rosa, Qt::AlignHCenter, 60}, {"1,8", rosa, Qt::AlignHCenter, 81},
    };
    const QFont f = CaratterePunti(QStringLiteral("MS Sans Serif"), 9.75);
    CellaTesto usata;
    usata.setFont(f);
    usata.setOpaca(true);
    for (const Aspetto& a : sequenza) {
        CellaTesto nuova;
        nuova.setFont(f);
        nuova.setOpaca(true);
        EXPECT_EQ(Foto(usata, a), Foto(nuova, a)) << a.testo << " " << a.sfondo.name().toStdString() << " "
                                                  << a.larghezza;
    }
}

TEST(CellaTesto, UnaCellaDopoMoltiAltriCaratteri) {
    // A cell laid out in one font, then cells in many other fonts (screens
    // rescaled, other tables): the first cell still lays out its new texts.
    const QFont f = CaratterePunti(QStringLiteral("MS Sans Serif"), 9.75);
    const Aspetto prima{"1,5", QColor(Qt::white), Qt::AlignHCenter, 81};
    const Aspetto dopo{"701,955", QColor(Qt::white), Qt::AlignHCenter, 81};
    CellaTesto prima1;
    prima1.setFont(f);
    prima1.setOpaca(true);
    Foto(prima1, prima);
    for (int i = 0; i < 80; ++i) {
        CellaTesto altra;
        altra.setFont(CaratterePunti(QStringLiteral("Arial"), 6.0 + 0.25 * i, i % 2 == 0));
        Foto(altra, prima);
    }
    CellaTesto nuova;
    nuova.setFont(f);
    nuova.setOpaca(true);
    EXPECT_EQ(Foto(prima1, dopo), Foto(nuova, dopo));
}

}  // namespace
}  // namespace vk
