// The utility screen's timings on the offscreen platform: the first opening
// (its controls built then), a later opening, a page change; and the main
// window's start-up time and peak memory with and without the screen's
// install. Run: build/bench/gui_utility
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <cstring>
#include <memory>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "bench/MisuraGui.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/CellaTesto.h"
#include "editing/widgets/SchermateEditing.h"
#include "frequencies/widgets/SchermataFrequenze.h"
#include "keytable/widgets/SchermataTavolaScale.h"
#include "microlab/widgets/FraMicro.h"
#include "programma/Schermate.h"

using namespace vk;
using namespace vk::misura;

namespace {

// Every screen of the program but the utility screen, in the same order.
void InstallaSenzaUtility(FinestraPrincipale& f) {
    InstallaMicroLab(f);
    InstallaTavolaScale(f);
    InstallaTabellaFrequenze(f);
    InstallaSchermateEditing(f);
}

// Counts the table cells painted, so that a timing is known to include
// the repaint.
struct ContaPitture : QObject {
    int celle = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && qobject_cast<CellaTesto*>(o)) ++celle;
        return false;
    }
};

struct Programma {
    StatoPrincipale stato;
    std::unique_ptr<FinestraPrincipale> f;
    explicit Programma(bool conUtility) {
        f = CaricaFinestraPrincipale(stato, {}, conUtility ? InstallaSchermate : InstallaSenzaUtility);
        f->resize(f->pagina()->size());
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get())) std::fprintf(stderr, "window not exposed\n");
    }
    void clic(const char* nome) {
        QTest::mouseClick(f->findChild<PulsanteVB*>(QString::fromUtf8(nome)), Qt::LeftButton);
    }
};

// Peak resident memory of this process image, MiB: the kernel's high-water
// mark of the address space, which, unlike the rusage figure, does not carry
// over the parent's peak through fork and exec.
double PiccoProprioMiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return PiccoMemoriaMiB();
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return PiccoMemoriaMiB();
}

// A child process builds one window and reports its peak memory.
int SoloAvvio(bool conUtility, bool aperta = false) {
    Programma p(conUtility);
    if (aperta) p.clic("cmdUtility");
    std::printf("%.3f\n", PiccoProprioMiB());
    return 0;
}

// The median over a few children.
double PiccoFiglio(const char* argomento) {
    std::vector<double> v;
    for (int i = 0; i < 5; ++i) {
        QProcess figlio;
        figlio.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(argomento)});
        figlio.waitForFinished(60000);
        v.push_back(figlio.readAllStandardOutput().trimmed().toDouble());
    }
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(vk::misura::Fuorischermo(argc), argv);
    vk::misura::StileDelProgramma();
    if (argc > 1 && std::strcmp(argv[1], "--con") == 0) return SoloAvvio(true);
    if (argc > 1 && std::strcmp(argv[1], "--senza") == 0) return SoloAvvio(false);
    if (argc > 1 && std::strcmp(argv[1], "--aperta") == 0) return SoloAvvio(true, true);

    // Warm-up: fonts, styles and the first window cost once per process.
    { Programma p(true); p.clic("cmdUtility"); }

    std::vector<double> prima, avvioCon, avvioSenza;
    for (int i = 0; i < 15; ++i) {
        avvioSenza.push_back(Millisecondi([] { Programma p(false); }));
        avvioCon.push_back(Millisecondi([] { Programma p(true); }));
        Programma p(true);
        prima.push_back(Millisecondi([&] { p.clic("cmdUtility"); }));
    }
    auto mediana = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };

    Programma p(true);
    p.clic("cmdUtility");
    const double dopo = Mediana(51, [&] {
        p.clic("cmdEsciUtility");
        QCoreApplication::processEvents();
        p.clic("cmdUtility");
    });
    // The closing is in that figure too: time the opening alone.
    std::vector<double> aperture;
    for (int i = 0; i < 51; ++i) {
        p.clic("cmdEsciUtility");
        QCoreApplication::processEvents();
        aperture.push_back(Millisecondi([&] { p.clic("cmdUtility"); }));
    }
    ContaPitture conta;
    for (CellaTesto* c : p.f->findChildren<CellaTesto*>()) c->installEventFilter(&conta);
    const double pagina = Mediana(60, [&] { p.clic("cmdPagina"); });
    const double celleDipinte = conta.celle / 60.0;
    conta.celle = 0;
    const double tono = Mediana(60, [&] { p.clic("cmdTono_1"); });
    const double celleTono = conta.celle / 60.0;

    Riga("utility: first opening, controls built", mediana(prima), "ms", "(target < 20)");
    Riga("utility: later opening", mediana(aperture), "ms", "(target < 5)");
    Riga("utility: closing and opening", dopo, "ms", "");
    Riga("utility: page change", pagina, "ms", "(target < 2)");
    Riga("  table cells painted per page change", celleDipinte, "", "");
    Riga("utility: key step (note column)", tono, "ms", "");
    Riga("  table cells painted per key step", celleTono, "", "");
    Riga("main window load, with the utility install", mediana(avvioCon), "ms", "");
    Riga("main window load, every screen but the utility", mediana(avvioSenza), "ms", "");
    Riga("peak memory, one window with the utility install", PiccoFiglio("--con"), "MiB", "");
    Riga("peak memory, one window, every screen but the utility", PiccoFiglio("--senza"), "MiB", "");
    Riga("peak memory, one window, the utility screen opened", PiccoFiglio("--aperta"), "MiB", "");
    return 0;
}
