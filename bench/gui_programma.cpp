// The whole program against a bare Qt window, in one run (offscreen
// platform; a tool, not a test):
//  - start-up: the program's own start in a child process, to the end of
//    the main window's first paint, less the splash delay; beside it a child
//    that shows a bare QWidget full screen in the same style, to the end of
//    its first paint. Whole-process
//    CPU and peak memory of each child come from wait4().
//  - in this process: the main screen's refresh after one fifth step (the
//    command, then the repaint it asked for, with the pixels repainted), and
//    the opening of every screen whose opening button exists, first and later.
//  - beside both, the bare window with one line of text: the floor of any
//    window that shows text.
//
// gui_programma [--schermo WxH] [--volte N]
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "bench/MisuraGui.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Schermata.h"
#include "programma/Programma.h"
#include "programma/Schermate.h"

namespace {

using namespace vk;

// ---- the children -------------------------------------------------------

// The program's own start; prints "ms delay" and ends at once.
int FiglioProgramma(int argc, char** argv) {
    MisuraAvvio m;
    m.fatto = [](long long ms, int ritardo) {
        std::printf("%lld %d\n", ms, ritardo);
        std::fflush(stdout);
        std::_Exit(0);
    };
    return EseguiProgramma(argc, argv, m);
}

// A bare window full screen, same style, to its first paint. With `testo`,
// one line of text in it: the floor of any window that shows text (font
// configuration, one font loaded, its glyphs drawn).
int FiglioFinestraNuda(int argc, char** argv, bool testo) {
    QElapsedTimer orologio;
    orologio.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget w;
    if (testo) {
        auto* l = new QLabel(QStringLiteral("Comma Pitagorico 701,96"), &w);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(8.25);
        l->setFont(f);
        l->move(10, 10);
    }
    DopoIlPrimoDisegno(&w, [&] {
        std::printf("%lld 0\n", static_cast<long long>(orologio.elapsed()));
        std::fflush(stdout);
        std::_Exit(0);
    });
    w.showFullScreen();
    return app.exec();
}

struct Figlio {
    double nettoMs = -1;  // start to painted main window, less the splash delay
    double cpuMs = -1;    // user + system of the whole process
    double piccoMiB = -1;
};

Figlio Esegui(const char* eseguibile, const char* modo) {
    Figlio r;
    const misura::Figlio f = misura::EseguiFiglio(eseguibile, {modo});
    long long ms = 0;
    int ritardo = 0;
    if (!f.ok || std::sscanf(f.uscita.c_str(), "%lld %d", &ms, &ritardo) != 2) return r;
    r.nettoMs = static_cast<double>(ms - ritardo);
    r.cpuMs = f.cpuMs;
    r.piccoMiB = f.piccoMiB;
    return r;
}

double Mediana(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// ---- in this process ----------------------------------------------------

// Sums the area of every paint event while it is on.
class ContaRidisegni : public QObject {
public:
    long long pixel = 0;
    int eventi = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region()) pixel += static_cast<long long>(r.width()) * r.height();
            ++eventi;
        }
        return false;
    }
};

// The repaint that is owed, now.
void Ridisegna() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

Schermata* SchermataAperta(QWidget* finestra) {
    for (Schermata* s : finestra->findChildren<Schermata*>())
        if (s->inVista()) return s;
    return nullptr;
}

void Riga(const char* cosa, double v, const char* unita, const char* nota = "") {
    std::printf("  %-46s %9.3f %-4s %s\n", cosa, v, unita, nota);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--programma") == 0) return FiglioProgramma(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--finestra-nuda") == 0) return FiglioFinestraNuda(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--finestra-con-testo") == 0) return FiglioFinestraNuda(argc, argv, true);

    int larghezza = 1024, altezza = 768, volte = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--schermo") == 0) std::sscanf(argv[i + 1], "%dx%d", &larghezza, &altezza);
        if (std::strcmp(argv[i], "--volte") == 0) volte = std::max(1, std::atoi(argv[i + 1]));
    }
    // One offscreen screen of the asked size for the children and for us.
    const std::string config = QDir::tempPath().toStdString() + "/vk-bench-schermo-" + std::to_string(getpid()) + ".json";
    {
        std::ofstream f(config);
        f << "{\"screens\":[{\"name\":\"bench\",\"x\":0,\"y\":0,\"width\":" << larghezza << ",\"height\":" << altezza
          << ",\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}]}";
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QByteArray::fromStdString(config));

    // Start-up, alternating the two children so both see the same machine.
    std::vector<double> pNetto, pCpu, pMem, nNetto, nCpu, nMem, tNetto, tCpu, tMem;
    for (int i = 0; i < volte; ++i) {
        const Figlio p = Esegui(argv[0], "--programma");
        const Figlio n = Esegui(argv[0], "--finestra-nuda");
        const Figlio t = Esegui(argv[0], "--finestra-con-testo");
        if (p.cpuMs < 0 || n.cpuMs < 0 || t.cpuMs < 0) {
            std::fprintf(stderr, "a child process failed\n");
            return 1;
        }
        pNetto.push_back(p.nettoMs), pCpu.push_back(p.cpuMs), pMem.push_back(p.piccoMiB);
        nNetto.push_back(n.nettoMs), nCpu.push_back(n.cpuMs), nMem.push_back(n.piccoMiB);
        tNetto.push_back(t.nettoMs), tCpu.push_back(t.cpuMs), tMem.push_back(t.piccoMiB);
    }
    std::printf("Screen %dx%d, offscreen, Fusion; medians of %d starts of each.\n\n", larghezza, altezza, volte);
    std::printf("  %-46s %9s %9s %7s  %-15s %9s\n", "start-up", "program", "bare", "ratio", "target",
                "bare+text");
    auto confronto = [](const char* cosa, double p, double n, double t, const char* unita, const char* obiettivo) {
        std::printf("  %-46s %9.1f %9.1f %6.2fx  %-15s %9.1f\n", cosa, p, n, p / n,
                    (std::string(obiettivo) + " (" + unita + ")").c_str(), t);
    };
    confronto("wall, to the main window painted, less splash", Mediana(pNetto), Mediana(nNetto), Mediana(tNetto), "ms",
              "-");
    confronto("whole-process CPU, user + system", Mediana(pCpu), Mediana(nCpu), Mediana(tCpu), "ms", "<= 2x");
    confronto("peak resident memory", Mediana(pMem), Mediana(nMem), Mediana(tMem), "MiB", "<= 1.3x");

    // ---- in this process: the main window as the program builds it.
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    vk::ImpostaCarattereProgramma();
    ImpostaFornitoreSchermo([] {
        const QSize z = QGuiApplication::primaryScreen()->size();
        return DimensioniSchermo{static_cast<float>(z.width()) * TwipsPerPixel,
                                 static_cast<float>(z.height()) * TwipsPerPixel};
    });
    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    f->setGeometry(QGuiApplication::primaryScreen()->geometry());
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return 1;
    Ridisegna();

    ContaRidisegni conta;
    app.installEventFilter(&conta);
    std::printf("\n  %-46s %9s %-4s %s\n", "main screen, after one fifth step", "median", "", "target");
    {
        std::vector<double> comando, ridisegno, pixel;
        const char* nomi[2] = {"cmdPiù_3", "cmdMeno_3"};
        for (int i = 0; i < 41; ++i) {
            auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(nomi[i % 2]));
            if (!b) return 1;
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(b, Qt::LeftButton);
            comando.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            conta.pixel = 0;
            t.restart();
            Ridisegna();
            ridisegno.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            pixel.push_back(static_cast<double>(conta.pixel));
        }
        Riga("the step: command, model and widgets", Mediana(comando), "ms");
        Riga("the refresh: repaint of what changed", Mediana(ridisegno), "ms", "< 1 ms");
        Riga("pixels repainted (widgets' paint areas summed)", Mediana(pixel), "px",
             QStringLiteral("of %1 on screen").arg(larghezza * altezza).toUtf8().constData());
    }

    // The opening of each screen, first and later, by its opening button.
    struct Apertura {
        const char* nome;
        const char* pulsante;
    };
    const Apertura aperture[] = {
        {"Zadu-Rori", "cmdApriEasy"},         {"thirds editor (a third's click)", "cmdTerze_1"},
        {"Vuvaz-Eza", "cmdLab"},              {"key table", "cmdTavolaScale"},
        {"frequency table", "cmdMostraFrequenze"}, {"utility", "cmdUtility"},
    };
    std::printf("\n  %-46s %9s %9s  %s\n", "opening (click to painted)", "first", "later", "");
    for (const Apertura& a : aperture) {
        auto* b = f->findChild<PulsanteVB*>(QString::fromUtf8(a.pulsante));
        if (!b) {
            std::printf("  %-46s %9s %9s  (no %s yet)\n", a.nome, "-", "-", a.pulsante);
            continue;
        }
        std::vector<double> tempi;
        for (int i = 0; i < 6; ++i) {
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(b, Qt::LeftButton);
            Ridisegna();
            tempi.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            if (Schermata* s = SchermataAperta(f.get())) {
                s->chiudi();
                Ridisegna();
            }
        }
        const double prima = tempi.front();
        tempi.erase(tempi.begin());
        std::printf("  %-46s %9.3f %9.3f  ms\n", a.nome, prima, Mediana(tempi));
    }
    std::printf("\n  peak resident memory of this process            %9.1f MiB\n", misura::PiccoMemoriaMiB());
    std::remove(config.c_str());
    return 0;
}
