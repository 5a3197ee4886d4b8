// The program's own start under a file-size limit, as a shell's ulimit -f
// sets it before the program runs: a write past it is said as a full disk
// is, and the program goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/SchermataFinale.h"
#include "app/widgets/SezioneFile.h"
#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"
#include "common/widgets/PulsanteVB.h"
#include "programma/Programma.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/LimiteFile.h"
#include "tests/gui/AiutiGui.h"

namespace vk {
namespace {

namespace fs = std::filesystem;

// Smaller than the settings file and than any temperament file.
constexpr rlim_t Limite = 64;

// The file the Save dialog is answered with, in the parent's test folder.
fs::path FileSalvato() { return prova::CartellaDelTest() / "Mio.txt"; }

// What the program told the user, in place of its message boxes.
std::vector<QString>& Detti() {
    static std::vector<QString> detti;
    return detti;
}

class AvvisiVisti : public Avvisi {
public:
    void avviso(QWidget*, const QString&, const QString& testo) override { Detti().push_back(testo); }
    // The temperament saved holds only what the file keeps: no question is asked.
    bool domanda(QWidget*, const QString&, const QString& testo) override {
        Detti().push_back(testo);
        return false;
    }
};

class SceltaFissa : public DialogoFile {
public:
    std::optional<QString> apri(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> salva(QWidget*, const QString&, const QString&, const QString&) override {
        return QString::fromStdString(FileSalvato().string());
    }
};

// The one thing said since `prima` names the file and the limit's reason
// (the C library's, in the tests' C locale), and holds `resto`.
bool DettoDelFile(std::size_t prima, const std::string& file, const char* resto = "") {
    if (Detti().size() != prima + 1) return false;
    const QString& testo = Detti().back();
    return testo.contains(QString::fromStdString(file)) && testo.contains(QStringLiteral("File too large")) &&
           testo.contains(QString::fromUtf8(resto));
}

// In the started program: Save, then "Esc" and "Ok".
int SalvaEdEsci() {
    FinestraPrincipale* f = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<FinestraPrincipale*>(w)) f = p;
    if (!f) return 1;
    auto* file = f->findChild<SezioneFile*>(QStringLiteral("SezioneFile"));
    if (!file) return 2;
    file->impostaDialogo(std::make_unique<SceltaFissa>());
    file->impostaAvvisi(std::make_unique<AvvisiVisti>());
    auto clic = [&](const char* nome) {
        auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(nome));
        if (b) QTest::mouseClick(b, Qt::LeftButton);
        return b != nullptr;
    };

    std::size_t prima = Detti().size();
    if (!clic("Command1")) return 3;
    if (!DettoDelFile(prima, FileSalvato().string(), "rimasto com'era")) return 4;
    // Still running, with the work on screen: the user may save elsewhere.
    if (!f->isVisible()) return 5;

    prima = Detti().size();
    if (!clic("cmdEXit") || !clic("cmdEsciDalSoftware")) return 6;
    return DettoDelFile(prima, f->stato().percorsi.CartellaDati + "Impostazioni.txt") ? 0 : 7;
}

// Every file under a folder with its bytes.
std::map<fs::path, std::string> Contenuto(const fs::path& cartella) {
    std::map<fs::path, std::string> c;
    for (const auto& e : fs::recursive_directory_iterator(cartella))
        c[e.path()] = e.is_regular_file() ? LeggiByte(e.path()).value_or("?") : std::string("<cartella>");
    return c;
}

}  // namespace

namespace test {

int AvvioConLimiteFile(int& argc, char** argv) {
    // Set before the program runs, and with SIGXFSZ at its default action,
    // as a shell leaves both.
    if (!prova::ImponiLimiteFile(Limite, false)) return 100;
    ImpostaAvvisoUscita([](QWidget*, const QString&, const QString& testo) { Detti().push_back(testo); });
    MisuraAvvio m;
    m.fatto = [](long long, int) {
        const int esito = SalvaEdEsci();
        std::fflush(nullptr);
        std::_Exit(esito);
    };
    return EseguiProgramma(argc, argv, m);
}

}  // namespace test

TEST(LimiteFile, IlProgrammaDiceLeScrittureOltreIlLimiteEVaAvanti) {
    ASSERT_TRUE(ScriviByte(FileSalvato(), "vecchio"));
    const char* dati = std::getenv("XDG_DATA_HOME");
    ASSERT_TRUE(dati && *dati);
    const fs::path utente = fs::path(dati) / "VelmoraKOV";
    const auto primaUtente = Contenuto(utente);
    ASSERT_TRUE(primaUtente.contains(utente / "Dati/Impostazioni.txt"));

    // A child killed by the limit ends abnormally: -1.
    const std::string avvio = std::string(test::VarAvvioDelProgramma) + "=" + test::AvvioLimiteFile;
    const std::string cartella = std::string(prova::VarCartellaDelTest) + "=" + prova::CartellaDelTest().string();
    EXPECT_EQ(prova::EseguiDiNuovo({}, {avvio, cartella}), 0);
    // The old files whole, nothing half-written beside them.
    EXPECT_EQ(Contenuto(prova::CartellaDelTest()), (std::map<fs::path, std::string>{{FileSalvato(), "vecchio"}}));
    EXPECT_EQ(Contenuto(utente), primaUtente);
}

}  // namespace vk
