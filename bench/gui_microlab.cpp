// Timing of the Vuvaz-Eza screen on the offscreen platform: its first
// opening (construction included), a later opening, one step of a held ">"
// with its repaint, and what installing it costs the program's start-up.
#include <time.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "bench/MisuraGui.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "editing/widgets/SchermateEditing.h"
#include "microlab/widgets/FraMicro.h"
#include "programma/Schermate.h"

using namespace vk;

namespace {

// Processor time of this thread for one call with its events, ms: on a
// machine shared with other work it tells the screen's cost where the wall
// clock also counts the waits for a processor.
double Cpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}
struct Tempo {
    double parete = 0, cpu = 0;
};
Tempo Misura(const std::function<void()>& f) {
    const double c = Cpu();
    const double p = misura::Millisecondi(f);
    return {p, Cpu() - c};
}
Tempo Mediana(int n, const std::function<void()>& f, const std::function<void()>& dopo = {}) {
    std::vector<double> p, c;
    for (int i = 0; i < n; ++i) {
        const Tempo t = Misura(f);
        p.push_back(t.parete);
        c.push_back(t.cpu);
        if (dopo) dopo();
    }
    std::sort(p.begin(), p.end());
    std::sort(c.begin(), c.end());
    return {p[p.size() / 2], c[c.size() / 2]};
}

// Resident memory now, MiB.
double MemoriaMiB() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> campi = f.readAll().split(' ');
    return campi.size() > 1 ? campi[1].toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

// Peak resident memory of this process's own address space (VmHWM), MiB:
// unlike getrusage's figure it does not carry the parent's peak over exec.
double PiccoPropioMiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith("VmHWM:")) return riga.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The editing screens with the Vuvaz-Eza installed before them, as the
// program installs it: the two start-ups then differ by this screen alone.
void InstallaConMicroLab(FinestraPrincipale& f) {
    InstallaMicroLab(f);
    InstallaSchermateEditing(f);
}

// One start-up in a process of its own ("--avvio con" or "--avvio senza"):
// prints its time and the process's peak resident memory.
int AvvioSolo(bool conMicroLab) {
    StatoPrincipale s;
    std::unique_ptr<FinestraPrincipale> f;
    const double ms = misura::Millisecondi([&] {
        f = CaricaFinestraPrincipale(s, {}, conMicroLab ? InstallaConMicroLab : InstallaSchermateEditing);
        f->show();
    });
    std::printf("%f %f\n", ms, PiccoPropioMiB());
    return 0;
}

// Medians of n start-ups, each in a fresh process, alternating with and without.
void Avvii(const QString& programma, int n, double ms[2], double mib[2]) {
    std::vector<double> t[2], m[2];
    for (int i = 0; i < 2 * n; ++i) {
        const int con = i % 2;
        QProcess p;
        p.start(programma, {QStringLiteral("--avvio"), con ? QStringLiteral("con") : QStringLiteral("senza")});
        p.waitForFinished(60000);
        const QList<QByteArray> v = p.readAllStandardOutput().trimmed().split(' ');
        if (v.size() != 2) continue;
        t[con].push_back(v[0].toDouble());
        m[con].push_back(v[1].toDouble());
    }
    for (int c = 0; c < 2; ++c) {
        std::sort(t[c].begin(), t[c].end());
        std::sort(m[c].begin(), m[c].end());
        ms[c] = t[c].empty() ? 0 : t[c][t[c].size() / 2];
        mib[c] = m[c].empty() ? 0 : m[c][m[c].size() / 2];
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(vk::misura::Fuorischermo(argc), argv);
    vk::misura::StileDelProgramma();
    if (argc == 3 && std::string(argv[1]) == "--avvio") return AvvioSolo(std::string(argv[2]) == "con");

    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    f->show();
    // The main window's own first paint and start-up events, before timing.
    QTest::qWait(200);
    MicroLab* lab = f->findChild<MicroLab*>();

    const double prima = MemoriaMiB();
    const Tempo primaApertura = Misura([&] { lab->apri(); });
    const double memoriaSchermo = MemoriaMiB() - prima;
    auto chiudi = [&] {
        lab->modello().cmdAnnullaMicro_Click();
        lab->schermata()->aggiornaDaModello();
        QCoreApplication::processEvents();
    };
    chiudi();
    const Tempo apertura = Mediana(21, [&] { lab->apri(); }, chiudi);

    // Fifth 1 selected, step 1000, ">" held: each tick of TmrAumenta.
    lab->apri();
    QCoreApplication::processEvents();
    QTest::mouseClick(f->findChild<PulsanteVB*>(QStringLiteral("cmdQuintaM_1")), Qt::LeftButton);
    QTest::mouseClick(f->findChild<PulsanteVB*>(QStringLiteral("cmdScatto_8")), Qt::LeftButton);
    auto* piu = f->findChild<PulsanteVB*>(QStringLiteral("cmdAumenta"));
    QTest::mousePress(piu, Qt::LeftButton);
    TimerVB& timer = lab->schermata()->pilotaAumenta().timer();
    const Tempo passo = Mediana(201, [&] { emit timer.scatto(); });
    QTest::mouseRelease(piu, Qt::LeftButton);
    QCoreApplication::processEvents();

    double avvio[2] = {0, 0}, memoria[2] = {0, 0};
    Avvii(QCoreApplication::applicationFilePath(), 15, avvio, memoria);

    std::printf("Vuvaz-Eza, offscreen platform (ms: one call with its events and repaint)\n");
    misura::Riga("first opening, construction included", primaApertura.parete, "ms", "target < 20");
    misura::Riga("  processor time of this thread", primaApertura.cpu, "ms", "");
    misura::Riga("  memory the built screen added", memoriaSchermo, "MiB", "");
    misura::Riga("later opening (median of 21)", apertura.parete, "ms", "target < 5");
    misura::Riga("  processor time of this thread", apertura.cpu, "ms", "");
    misura::Riga("one tick of a held \">\" with repaint (median of 201)", passo.parete, "ms", "target < 2");
    misura::Riga("  processor time of this thread", passo.cpu, "ms", "");
    misura::Riga("start-up without the Vuvaz-Eza (median of 15 processes)", avvio[0], "ms", "");
    misura::Riga("start-up with it installed", avvio[1], "ms", "no measurable change");
    misura::Riga("  peak memory of a start-up process without", memoria[0], "MiB", "");
    misura::Riga("  peak memory of a start-up process with", memoria[1], "MiB", "no measurable change");
    misura::Riga("peak resident memory of this process", misura::PiccoMemoriaMiB(), "MiB", "");
    return 0;
}
