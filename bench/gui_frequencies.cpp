// Timings of the frequency table on the offscreen platform: the first
// opening with the construction of its widgets, a later opening, one tick of
// the reference with its repaint, and what the screen adds to start-up.
#include <malloc.h>

#include <QApplication>
#include <QLabel>
#include <memory>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/Splash.h"
#include "bench/MisuraGui.h"
#include "common/widgets/PulsanteVB.h"
#include "editing/widgets/SchermateEditing.h"
#include "frequencies/widgets/SchermataFrequenze.h"
#include "programma/Schermate.h"

using namespace vk;
using namespace vk::misura;

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    // Start-up with every screen, and without this one: alternated, medians.
    std::vector<double> con, senza, heapCon, heapSenza;
    Carica(InstallaSchermate);  // warm-up: fonts, style, data files
    for (int i = 0; i < 15; ++i) {
        const Avvio a = Carica(InstallaSchermate);
        const Avvio b = Carica(InstallaSchermateEditing);
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
    return 0;
}
