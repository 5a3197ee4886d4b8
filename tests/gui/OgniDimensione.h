#pragma once
// The program's whole window, loaded and shown on a screen of each size the
// re-layout serves, for tests of what every screen shows at every size, or
// at one of them.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/Geometria.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

namespace vk::test {

// From 800x600 to 1920x1080, in twips.
inline constexpr DimensioniSchermo DimensioniServite[] = {
    {12000, 9000}, {15360, 11520}, {19200, 15360}, {28800, 16200}};
inline constexpr DimensioniSchermo Schermo1280x1024 = DimensioniServite[2];
inline constexpr DimensioniSchermo Schermo1920x1080 = DimensioniServite[3];

// The window as main() loads it, every screen installed, on a screen of the
// size given (the designed one unless said), which lasts as long as the
// window. `ritocca` may change the load's steps, as CaricaFinestraPrincipale's.
struct FinestraCaricata {
    explicit FinestraCaricata(DimensioniSchermo d = {}, const std::function<void(PassiCaricamento&)>& ritocca = {})
        : schermo(d), f(CaricaFinestraPrincipale(stato, ritocca, InstallaSchermate)) {}
    // On screen at the size of its page; false when it never shows.
    bool mostra() {
        f->resize(f->pagina()->size());
        f->show();
        return QTest::qWaitForWindowExposed(f.get());
    }

    SchermoFinto schermo;
    StatoPrincipale stato;
    std::unique_ptr<FinestraPrincipale> f;
};

inline void AOgniDimensione(const std::function<void(FinestraPrincipale&)>& corpo) {
    for (const DimensioniSchermo& d : DimensioniServite) {
        SCOPED_TRACE(testing::Message() << d.larghezza << "x" << d.altezza);
        FinestraCaricata c(d);
        ASSERT_TRUE(c.mostra());
        corpo(*c.f);
    }
}

}  // namespace vk::test
