// Timing of the key-table screen on the offscreen platform: the first
// opening with its construction, a later opening, one key selection with its
// histogram; and the main window's start-up with and without the screen
// installed ("senza" as the first argument installs every other screen but
// not this one, to compare the start-up and the peak memory of the two runs).
#include <QApplication>
#include <QTest>
#include <cstring>
#include <ctime>
#include <string>
#include <memory>

#include "app/Avvio.h"
#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "bench/MisuraGui.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "editing/widgets/SchermateEditing.h"
#include "frequencies/widgets/SchermataFrequenze.h"
#include "microlab/widgets/FraMicro.h"
#include "utility/widgets/SchermataUtility.h"
#include "programma/Schermate.h"

using namespace vk;
using namespace vk::misura;

namespace {

// Every screen but the key table, installed as the program does.
void InstallaSenzaTavola(FinestraPrincipale& f) {
    InstallaMicroLab(f);
    InstallaTabellaFrequenze(f);
    InstallaUtility(f);
    InstallaSchermateEditing(f);
}

std::unique_ptr<FinestraPrincipale> Carica(StatoPrincipale& s, bool conTavola) {
    return CaricaFinestraPrincipale(
        s,
        [](PassiCaricamento& p) {
            p.sondaCartelle = {};
            p.caricaImpostazioni = {};
        },
        conTavola ? InstallaSchermate : InstallaSenzaTavola);
}

void Clic(FinestraPrincipale& f, const char* nome) {
    auto* p = f.findChild<PulsanteVB*>(QString::fromUtf8(nome));
    if (!p) {
        std::fprintf(stderr, "%s missing\n", nome);
        std::exit(1);
    }
    QTest::mouseClick(p, Qt::LeftButton);
}

// Wall-clock and this thread's CPU time of one call, events it posted
// processed: on a shared machine the CPU time shows the cost apart from the
// waits for a core.
struct Tempo {
    double parete = 0, cpu = 0;  // ms
};

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

Tempo Misura(const std::function<void()>& f) {
    const double c = CpuMs();
    const double w = Millisecondi(f);
    return {w, CpuMs() - c};
}

Tempo Mediane(std::vector<Tempo> v) {
    std::vector<double> w, c;
    for (const Tempo& t : v) {
        w.push_back(t.parete);
        c.push_back(t.cpu);
    }
    std::sort(w.begin(), w.end());
    std::sort(c.begin(), c.end());
    return {w[w.size() / 2], c[c.size() / 2]};
}

void Righe(const std::string& cosa, Tempo t, const char* obiettivo) {
    Riga((cosa + ", wall").c_str(), t.parete, "ms", obiettivo);
    Riga((cosa + ", CPU").c_str(), t.cpu, "ms", "");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(vk::misura::Fuorischermo(argc), argv);
    vk::misura::StileDelProgramma();
    const bool conTavola = !(argc > 1 && std::strcmp(argv[1], "senza") == 0);

    // Start-up: the main window built, installed and loaded, then shown.
    std::vector<std::unique_ptr<StatoPrincipale>> stati;
    std::vector<Tempo> avvii;
    for (int i = 0; i < 9; ++i)
        avvii.push_back(Misura([&] {
            stati.push_back(std::make_unique<StatoPrincipale>());
            auto f = Carica(*stati.back(), conTavola);
            f->show();
            QCoreApplication::processEvents();
        }));
    StatoPrincipale stato;
    auto f = Carica(stato, conTavola);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return 1;
    QCoreApplication::processEvents();
    std::printf("%s\n", conTavola ? "with the key table" : "without the key table");
    Righe("main window built, loaded, shown (median of 9)", Mediane(avvii), "");
    Riga("peak memory after start-up", PiccoMemoriaMiB(), "MiB", "");
    if (!conTavola) return 0;

    Righe("first opening, construction included", Misura([&] { Clic(*f, "cmdTavolaScale"); }), "target < 20");
    Riga("peak memory after the first opening", PiccoMemoriaMiB(), "MiB", "");
    // The same in fresh main windows: fonts and code are warm by now.
    std::vector<Tempo> nuove;
    for (int i = 0; i < 7; ++i) {
        StatoPrincipale s2;
        auto f2 = Carica(s2, true);
        f2->show();
        QCoreApplication::processEvents();
        nuove.push_back(Misura([&] { Clic(*f2, "cmdTavolaScale"); }));
    }
    Righe("first opening in a fresh window (median of 7)", Mediane(nuove), "target < 20");

    std::vector<Tempo> aperture;
    for (int i = 0; i < 21; ++i) {
        Clic(*f, "cmdEsciSCale");
        QCoreApplication::processEvents();
        aperture.push_back(Misura([&] { Clic(*f, "cmdTavolaScale"); }));
    }
    Righe("later opening (median of 21)", Mediane(aperture), "target < 5");

    // Alternating keys: each click shows a key's histogram, index and word.
    std::vector<Tempo> tasti;
    for (int k = 0; k < 41; ++k)
        tasti.push_back(Misura([&] { Clic(*f, (k % 2) ? "cmdNotaScala_1" : "cmdNotaScala_8"); }));
    Righe("one key selection with its histogram (median of 41)", Mediane(tasti), "target < 2");

    // A temperament whose keys differ (the Pythagorean semitones): each click
    // redraws other bars in other colours.
    Clic(*f, "cmdEsciSCale");
    stato.temperamento.Semitoni = {"",       "127908", "161172", "127908", "161172", "127908", "127908",
                                   "161172", "127908", "161172", "127908", "161172", "127908"};
    Clic(*f, "cmdTavolaScale");
    std::vector<Tempo> diversi;
    for (int k = 0; k < 41; ++k)
        diversi.push_back(Misura([&] { Clic(*f, (k % 2) ? "cmdNotaScala_3" : "cmdNotaScala_8"); }));
    Righe("the same, keys whose bars differ (median of 41)", Mediane(diversi), "target < 2");
    // From the table view: the cover goes and the whole histogram appears.
    Clic(*f, "cmdNotaScala_8");
    QCoreApplication::processEvents();
    std::vector<Tempo> dallaTabella;
    for (int k = 0; k < 21; ++k) {
        dallaTabella.push_back(Misura([&] { Clic(*f, "cmdNotaScala_8"); }));
        Clic(*f, "cmdNotaScala_8");
        QCoreApplication::processEvents();
    }
    Righe("the same, from the table view (median of 21)", Mediane(dallaTabella), "target < 2");
    return 0;
}
