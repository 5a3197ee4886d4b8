// After a step only what changed is repainted, and what the screen then
// shows is what a full repaint would show.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include "app/Avvio.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"

using namespace vk;

namespace {

// Sums the areas of the paint events of every widget while it lives.
class ContaRidisegni : public QObject {
public:
    ContaRidisegni() { qApp->installEventFilter(this); }
    ~ContaRidisegni() override { qApp->removeEventFilter(this); }
    long long pixel = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType())
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixel += static_cast<long long>(r.width()) * r.height();
        return false;
    }
};

void Ridisegna() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

}  // namespace

TEST(Ridisegno, DopoUnPassoSoloQuelCheCambiaELoSchermoEGiusto) {
    ImpostaFornitoreSchermo({});
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, [](PassiCaricamento& p) { p.sondaCartelle = {}; p.caricaImpostazioni = {}; },
                                      InstallaSchermate);
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    Ridisegna();
    // The first edit redraws every bar from its computed size (the design's
    // sizes are rounded otherwise): one step there and back before counting.
    for (const char* n : {"cmdPiù_5", "cmdMeno_5"}) QTest::mouseClick(f->findChild<PulsanteVB*>(QString::fromUtf8(n)), Qt::LeftButton);
    Ridisegna();
    const QImage prima = f->screen()->grabWindow(f->winId()).toImage();
    if (prima.isNull() || prima.size() != f->size()) GTEST_SKIP() << "this platform does not give back its window";

    struct Caso {
        const char* pulsante;
        int volte;
    };
    // Up and down, a wide change (the preset) and back to small steps.
    const Caso casi[] = {{"cmdPiù_3", 3}, {"cmdMeno_7", 2}, {"cmdPitagorico", 1}, {"cmdPiù_12", 2}, {"cmdMeno_1", 1}};
    for (const Caso& c : casi) {
        auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(c.pulsante));
        ASSERT_NE(b, nullptr) << c.pulsante;
        for (int i = 0; i < c.volte; ++i) {
            ContaRidisegni conta;
            QTest::mouseClick(b, Qt::LeftButton);
            Ridisegna();
            if (std::string(c.pulsante).starts_with("cmdPiù") || std::string(c.pulsante).starts_with("cmdMeno")) {
                // One fifth and the next, their thirds and semitones: a small
                // part of the screen (a whole repaint paints it three times over).
                EXPECT_LT(conta.pixel, f->width() * f->height() / 3) << c.pulsante << " " << i;
            }
        }
        const QImage schermo = f->screen()->grabWindow(f->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage intero = f->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(schermo.size(), intero.size());
        int diversi = 0;
        for (int y = 0; y < intero.height(); ++y)
            for (int x = 0; x < intero.width(); ++x) diversi += schermo.pixel(x, y) != intero.pixel(x, y);
        EXPECT_EQ(diversi, 0) << "after " << c.pulsante;
    }
    // The bars did move.
    EXPECT_NE(f->screen()->grabWindow(f->winId()).toImage().convertToFormat(QImage::Format_RGB32),
              prima.convertToFormat(QImage::Format_RGB32));
}
