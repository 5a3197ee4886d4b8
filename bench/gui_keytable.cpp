// Timing of the key-table screen on the offscreen platform: the first
// opening with its construction, a later opening, one key selection with its
// histogram; and the main window's start-up with and without the screen
// installed ("senza" as the first argument leaves it out, to compare the
// peak memory of the two runs).
#include <QApplication>
#include <QTest>
#include <cstring>
#include <memory>

#include "app/Avvio.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "bench/MisuraGui.h"
#include "common/widgets/PulsanteVB.h"
#include "editing/widgets/SchermateEditing.h"
#include "programma/Schermate.h"

using namespace vk;
using namespace vk::misura;

namespace {

std::unique_ptr<FinestraPrincipale> Carica(StatoPrincipale& s, bool conTavola) {
    return CaricaFinestraPrincipale(
        s,
        [](PassiCaricamento& p) {
            p.sondaCartelle = {};
            p.caricaImpostazioni = {};
        },
        conTavola ? InstallaSchermate : InstallaSchermateEditing);
}

void Clic(FinestraPrincipale& f, const char* nome) {
    auto* p = f.findChild<PulsanteVB*>(QString::fromUtf8(nome));
    if (!p) {
        std::fprintf(stderr, "%s missing\n", nome);
        std::exit(1);
    }
    QTest::mouseClick(p, Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const bool conTavola = !(argc > 1 && std::strcmp(argv[1], "senza") == 0);

    // Start-up: the main window built, installed and loaded, then shown.
    std::vector<std::unique_ptr<StatoPrincipale>> stati;
    const double avvio = Mediana(9, [&] {
        stati.push_back(std::make_unique<StatoPrincipale>());
        auto f = Carica(*stati.back(), conTavola);
        f->show();
        QCoreApplication::processEvents();
    });
    StatoPrincipale stato;
    auto f = Carica(stato, conTavola);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return 1;
    QCoreApplication::processEvents();
    std::printf("%s\n", conTavola ? "with the key table" : "without the key table");
    Riga("main window built, loaded and shown (median of 9)", avvio, "ms", "");
    Riga("peak memory after start-up", PiccoMemoriaMiB(), "MiB", "");
    if (!conTavola) return 0;

    const double prima = Millisecondi([&] { Clic(*f, "cmdTavolaScale"); });
    Riga("first opening, construction included", prima, "ms", "target < 20");
    Riga("peak memory after the first opening", PiccoMemoriaMiB(), "MiB", "");
    // The same in fresh main windows: the fonts are loaded by now.
    std::vector<double> nuove;
    for (int i = 0; i < 7; ++i) {
        StatoPrincipale s2;
        auto f2 = Carica(s2, true);
        f2->show();
        QCoreApplication::processEvents();
        nuove.push_back(Millisecondi([&] { Clic(*f2, "cmdTavolaScale"); }));
    }
    std::sort(nuove.begin(), nuove.end());
    Riga("first opening in a fresh window (median of 7)", nuove[nuove.size() / 2], "ms", "target < 20");

    std::vector<double> aperture;
    for (int i = 0; i < 21; ++i) {
        Clic(*f, "cmdEsciSCale");
        QCoreApplication::processEvents();
        aperture.push_back(Millisecondi([&] { Clic(*f, "cmdTavolaScale"); }));
    }
    std::sort(aperture.begin(), aperture.end());
    Riga("later opening (median of 21)", aperture[aperture.size() / 2], "ms", "target < 5");

    // Alternating keys: each click shows a key's histogram, index and word.
    int k = 0;
    const double tasto = Mediana(41, [&] {
        Clic(*f, (k++ % 2) ? "cmdNotaScala_1" : "cmdNotaScala_8");
    });
    Riga("one key selection with its histogram (median of 41)", tasto, "ms", "target < 2");
    return 0;
}
