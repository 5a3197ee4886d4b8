#pragma once
// Helpers of the widget tests: a screenshot in build/screens, and a screen
// of another size for the length of a test.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QWidget>

#include "common/Geometria.h"

namespace vk::test {

inline void Fotografa(QWidget* w, const QString& nome) {
    const QString cartella = QStringLiteral(VK_BUILD) + QStringLiteral("/screens");
    QDir().mkpath(cartella);
    ASSERT_TRUE(w->grab().save(cartella + "/" + nome + ".png"));
}

struct SchermoFinto {
    explicit SchermoFinto(DimensioniSchermo d) { ImpostaFornitoreSchermo([d] { return d; }); }
    ~SchermoFinto() { ImpostaFornitoreSchermo({}); }
    SchermoFinto(const SchermoFinto&) = delete;
    SchermoFinto& operator=(const SchermoFinto&) = delete;
};

}  // namespace vk::test
