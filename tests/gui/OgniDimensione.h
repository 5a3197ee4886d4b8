#pragma once
// The program's whole window, loaded and shown at each size the re-layout
// serves, for tests of what every screen shows at every size.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/Geometria.h"
#include "programma/Schermate.h"
#include "tests/gui/AiutiGui.h"

namespace vk::test {

// From 800x600 to 1920x1080, in twips.
inline constexpr DimensioniSchermo DimensioniServite[] = {
    {12000, 9000}, {15360, 11520}, {19200, 15360}, {28800, 16200}};

inline void AOgniDimensione(const std::function<void(FinestraPrincipale&)>& corpo) {
    for (const DimensioniSchermo& d : DimensioniServite) {
        SCOPED_TRACE(testing::Message() << d.larghezza << "x" << d.altezza);
        SchermoFinto schermo(d);
        StatoPrincipale stato;
        auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
        f->resize(f->pagina()->size());
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        corpo(*f);
    }
}

}  // namespace vk::test
