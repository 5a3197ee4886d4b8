// Timings of the frequency table on the offscreen platform: the first
// opening with the construction of its widgets, a later opening, one tick of
// the reference with its repaint, and what the screen adds to start-up: in
// this process, and as whole child processes (time, CPU and peak memory from
// wait4), with every screen and with every screen but this one.
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <cstring>
#include <memory>
#include <string>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "bench/MisuraGui.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "editing/widgets/SchermateEditing.h"
#include "frequencies/widgets/SchermataFrequenze.h"
#include "keytable/widgets/SchermataTavolaScale.h"
#include "microlab/widgets/FraMicro.h"
#include "programma/Schermate.h"
#include "utility/widgets/SchermataUtility.h"

using namespace vk;
using namespace vk::misura;

namespace {

// Every screen of the program but the frequency table, in the same order.
void InstallaSenzaFrequenze(FinestraPrincipale& f) {
    InstallaMicroLab(f);
    InstallaTavolaScale(f);
    InstallaUtility(f);
    InstallaSchermateEditing(f);
}

double HeapMiB() { return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0); }

struct Avvio {
    double ms = 0;
    double heapMiB = 0;
};

// The main window loaded and shown, with `installa` as its screens.
Avvio Carica(void (*installa)(FinestraPrincipale&)) {
    Avvio a;
    const double prima = HeapMiB();
    StatoPrincipale stato;
    std::unique_ptr<FinestraPrincipale> f;
    a.ms = Millisecondi([&] {
        f = CaricaFinestraPrincipale(stato, {}, installa);
        f->show();
    });
    a.heapMiB = HeapMiB() - prima;
    return a;
}

// A child: the application, then the main window loaded, shown and painted;
// prints the microseconds from the start of main() and ends at once.
int AvvioFiglio(int argc, char** argv, bool conFrequenze) {
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    vk::ImpostaCarattereProgramma();
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, conFrequenze ? InstallaSchermate : InstallaSenzaFrequenze);
    f->show();
    f->repaint();
    QCoreApplication::processEvents();
    std::printf("%lld\n", static_cast<long long>(orologio.nsecsElapsed() / 1000));
    std::fflush(stdout);
    std::_Exit(0);
}

struct Processo {
    double ms = -1, cpuMs = -1, piccoMiB = -1;
};

Processo Esegui(const char* eseguibile, const char* modo) {
    Processo r;
    const misura::Figlio f = misura::EseguiFiglio(eseguibile, {"--avvio", modo});
    long long us = 0;
    if (!f.ok || std::sscanf(f.uscita.c_str(), "%lld", &us) != 1) return r;
    r.ms = static_cast<double>(us) / 1000.0;
    r.cpuMs = f.cpuMs;
    r.piccoMiB = f.piccoMiB;
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && std::strcmp(argv[1], "--avvio") == 0) return AvvioFiglio(argc, argv, std::strcmp(argv[2], "con") == 0);

    // Whole processes, alternated so both see the same machine.
    std::vector<double> pCon[3], pSenza[3];
    for (int i = 0; i < 9; ++i) {
        const Processo a = Esegui(argv[0], "con");
        const Processo b = Esegui(argv[0], "senza");
        if (a.ms < 0 || b.ms < 0) {
            std::fprintf(stderr, "a child process failed\n");
            return 1;
        }
        pCon[0].push_back(a.ms), pCon[1].push_back(a.cpuMs), pCon[2].push_back(a.piccoMiB);
        pSenza[0].push_back(b.ms), pSenza[1].push_back(b.cpuMs), pSenza[2].push_back(b.piccoMiB);
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    vk::ImpostaCarattereProgramma();

    // Start-up with every screen, and without this one: alternated, medians.
    std::vector<double> con, senza, heapCon, heapSenza;
    Carica(InstallaSchermate);  // warm-up: fonts, style, data files
    for (int i = 0; i < 15; ++i) {
        const Avvio a = Carica(InstallaSchermate);
        const Avvio b = Carica(InstallaSenzaFrequenze);
        con.push_back(a.ms);
        senza.push_back(b.ms);
        heapCon.push_back(a.heapMiB);
        heapSenza.push_back(b.heapMiB);
    }
    auto mediana = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };

    // The first opening of each of 11 fresh windows; the last one stays.
    std::vector<double> prime, heapPrime;
    std::unique_ptr<StatoPrincipale> stato;
    std::unique_ptr<FinestraPrincipale> f;
    PulsanteVB* hz = nullptr;
    TabellaFrequenzeInstallata* tab = nullptr;
    for (int i = 0; i < 11; ++i) {
        f.reset();
        stato = std::make_unique<StatoPrincipale>();
        f = CaricaFinestraPrincipale(*stato, {}, InstallaSchermate);
        f->show();
        QCoreApplication::processEvents();
        hz = f->findChild<PulsanteVB*>(QStringLiteral("cmdMostraFrequenze"));
        tab = f->findChild<TabellaFrequenzeInstallata*>(QStringLiteral("TabellaFrequenze"));
        if (!hz || !tab) return 1;
        const double heapPrima = HeapMiB();
        prime.push_back(Millisecondi([&] { emit hz->clic(); }));
        heapPrime.push_back(HeapMiB() - heapPrima);
    }
    const double prima = mediana(prime);
    const double heapSchermata = mediana(heapPrime);
    SchermataFrequenze* s = tab->schermata();
    auto* esc = s->findChild<PulsanteVB*>(QStringLiteral("cmdTorna"));
    std::vector<double> aperture;
    for (int i = 0; i < 21; ++i) {
        emit esc->clic();
        QCoreApplication::processEvents();
        aperture.push_back(Millisecondi([&] { emit hz->clic(); }));
    }
    const double dopo = mediana(aperture);

    // One reference tick while ">" is held: the step, then its repaint.
    TabellaFrequenze& m = tab->modello();
    m.cmd440_MouseDown(2);
    tab->diapason().sincronizza();
    tab->diapason().timer().setAbilitato(false);  // the ticks come from here
    QWidget* riferimento = s->findChild<QWidget*>(QStringLiteral("lblFreq_58"));
    QWidget* la = s->findChild<QWidget*>(QStringLiteral("cmd440_1"));
    const double tick = Mediana(101, [&] {
        emit tab->diapason().timer().scatto();
        riferimento->repaint();
        la->repaint();
    });
    const double rilascio = Mediana(21, [&] {
        m.cmd440_MouseUp(2);
        s->aggiornaDaModello();
        s->repaint();
    });

    std::printf("Frequency table (offscreen, Fusion), milliseconds unless stated\n");
    Riga("first opening, construction included (median of 11)", prima, "ms", "target < 20");
    Riga("later opening (median of 21)", dopo, "ms", "target < 5");
    Riga("one reference tick with its repaint (median)", tick, "ms", "target < 2");
    Riga("release: 121 cells recomputed, screen repainted", rilascio, "ms", "");
    Riga("heap taken by the screen at its first opening", heapSchermata, "MiB", "");
    Riga("start-up with every screen (median of 15)", mediana(con), "ms", "");
    Riga("start-up without the frequency table", mediana(senza), "ms", "");
    Riga("heap at start-up with every screen", mediana(heapCon), "MiB", "");
    Riga("heap at start-up without the frequency table", mediana(heapSenza), "MiB", "");
    Riga("peak resident memory of this process", PiccoMemoriaMiB(), "MiB", "");
    std::printf("Whole process to the main window painted (medians of 9 of each)\n");
    Riga("start-up with every screen", mediana(pCon[0]), "ms", "");
    Riga("start-up without the frequency table", mediana(pSenza[0]), "ms", "");
    Riga("CPU, user + system, with every screen", mediana(pCon[1]), "ms", "");
    Riga("CPU, user + system, without the frequency table", mediana(pSenza[1]), "ms", "");
    Riga("peak resident memory with every screen", mediana(pCon[2]), "MiB", "");
    Riga("peak resident memory without the frequency table", mediana(pSenza[2]), "MiB", "");
    return 0;
}
