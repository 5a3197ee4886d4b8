// The registry of the main window with every screen built: each control
// under its own name and index, and each in the re-layout's list, since a
// control missing there keeps its designed size on any other screen.
#include <gtest/gtest.h>

#include <QTest>
#include <string>
#include <vector>

#include "app/Adattamento.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Schermate.h"

namespace vk {
namespace {

class RegistroGui : public ::testing::Test {
protected:
    void SetUp() override {
        f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    }
    void clic(const char* nome) {
        auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(nome));
        ASSERT_NE(b, nullptr) << nome;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Every screen built at its first opening, opened and closed again; the
    // closing screen, which has no way back, last.
    void ApriOgniSchermata() {
        const std::vector<std::pair<const char*, const char*>> schermate = {
            {"cmdApriEasy", "cmdEsciEasyMode"}, {"cmdLab", "cmdAnnullaMicro"},
            {"cmdTavolaScale", "cmdEsciSCale"}, {"cmdMostraFrequenze", "cmdTorna"},
            {"cmdUtility", "cmdEsciUtility"}, {"cmdEXit", nullptr},
        };
        for (const auto& [apri, chiudi] : schermate) {
            clic(apri);
            if (chiudi) clic(chiudi);
        }
    }

    StatoPrincipale stato;
    std::unique_ptr<FinestraPrincipale> f;
};

// The controls of the window that keep their designed geometry, since none
// is ever shown: the window itself (its page takes the screen's size), rows
// 37..48 of the Vuvaz-Eza table's last two columns, the Vuvaz-Eza panel
// that is never opened and the utility screen's two hidden labels.
bool FuoriElenco(const VoceGeometria& v) {
    if (v.nome == "lblQuintaFraz" || v.nome == "lblQuintaCent") return v.indice >= 37 && v.indice <= 48;
    return v.indice == -1 && (v.nome == "vivUDO15" || v.nome == "FraConversione" || v.nome == "lblTono" ||
                              v.nome == "lblAlterazioni");
}

TEST_F(RegistroGui, OgniControlloUnaVoltaENellElencoDellAdattamento) {
    const std::size_t allaCarica = stato.geometria.size();
    ApriOgniSchermata();
    // A name and index registered twice would have stopped the program.
    EXPECT_GT(stato.geometria.size(), allaCarica);
    for (const auto& v : stato.geometria)
        EXPECT_NE(InElencoAdattamento(v.nome, v.indice), FuoriElenco(v))
            << NomeOggetto(v.nome, v.indice).toStdString()
            << (FuoriElenco(v) ? " is scaled, yet never shown" : " is never scaled to the screen");
}

TEST_F(RegistroGui, UnNomeGiaPresoFermaIlProgrammaENominaIlControllo) {
    // A fault of the code, met while a window is built inside the event
    // loop: the program stops there. The child that dies is this binary
    // run afresh, as a fork beside Qt's threads could hang.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_NE(f->controllo("cmdLab"), nullptr);
    EXPECT_DEATH(f->registra(new QWidget(f->pagina()), "cmdLab", -1, TipoControllo::Pulsante, 0, 0, 10, 10),
                 "control registered twice: cmdLab");
    // A chart's painted element, under a control's name.
    EXPECT_DEATH(f->registra(new QWidget(f->pagina()), "ShpCopri", 1, TipoControllo::Forma, 0, 0, 10, 10),
                 "control registered twice: ShpCopri_1");
    ApriOgniSchermata();
    ASSERT_NE(f->controllo("lblFreq", 5), nullptr);
    EXPECT_DEATH(f->registraTardivo(new QWidget(f->pagina()), "lblFreq", 5, TipoControllo::Etichetta, {0, 0, 10, 10}),
                 "control registered twice: lblFreq_5");
    // A screen's painted shape registered again.
    EXPECT_DEATH(f->registraDisegnato("ShpScale", 2, TipoControllo::Forma, {0, 0, 10, 10}),
                 "control registered twice: ShpScale_2");
}

}  // namespace
}  // namespace vk
