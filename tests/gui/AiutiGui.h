#pragma once
// Helpers of the widget tests: a screenshot in build/screens, and a screen
// of another size for the length of a test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QString>
#include <QWidget>

#include "common/Geometria.h"
#include "common/widgets/PulsanteVB.h"

namespace vk::test {

inline void Fotografa(QWidget* w, const QString& nome) {
    const QString cartella = QStringLiteral(VK_BUILD) + QStringLiteral("/screens");
    QDir().mkpath(cartella);
    ASSERT_TRUE(w->grab().save(cartella + "/" + nome + ".png"));
}

// The program's window on screen and active, as after its start: the focus
// then sits where the program put it.
inline void MostraAttiva(QWidget* w) {
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QTest::qWait(20);
}

struct SchermoFinto {
    explicit SchermoFinto(DimensioniSchermo d) { ImpostaFornitoreSchermo([d] { return d; }); }
    ~SchermoFinto() { ImpostaFornitoreSchermo({}); }
    SchermoFinto(const SchermoFinto&) = delete;
    SchermoFinto& operator=(const SchermoFinto&) = delete;
};

// A fixture over one window: controls found by name, clicked with the mouse.
class ProvaFinestra : public ::testing::Test {
protected:
    virtual QWidget* radice() = 0;

    template <class W = QWidget>
    W* Trova(const QString& nome) {
        auto* w = radice()->findChild<W*>(nome);
        EXPECT_NE(w, nullptr) << nome.toStdString();
        return w;
    }
    QString Testo(const QString& nome) {
        auto* l = Trova<QLabel>(nome);
        return l ? l->text() : QString();
    }
    void Clic(const QString& nome) {
        if (auto* p = Trova<PulsanteVB>(nome)) QTest::mouseClick(p, Qt::LeftButton);
    }
};

// Set for a child of the widget tests that runs the program's own start
// instead of the tests (main.cpp); its value says which of these. Each ends
// the child once the main window is painted, with 0 when what it checks
// holds.
inline constexpr const char* VarAvvioDelProgramma = "VK_AVVIO_DEL_PROGRAMMA";
// Qt's texts are in Italian (test_traduzioni_gui.cpp).
inline constexpr const char* AvvioTraduzioni = "traduzioni";
int AvvioPerLeTraduzioni(int& argc, char** argv);
// Under a file-size limit set before the start, as a shell sets it, a Save
// and an "Ok" that pass it are said and the program goes on
// (test_limite_file_gui.cpp).
inline constexpr const char* AvvioLimiteFile = "limite";
int AvvioConLimiteFile(int& argc, char** argv);

}  // namespace vk::test
