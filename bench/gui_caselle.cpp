// How long a full text box keeps the window from answering while keys
// arrive at a user's pace, on the offscreen platform. Each box is filled by
// pasting 100,000 digits (one unbroken line, cut to what the box takes);
// the paste and one edit of the full box are timed; then another thread
// posts keys at their times, as the window system queues them whatever the
// window is doing, and the window's own timer measures the longest wait
// between two turns of its event loop.
// Run: build/bench/gui_caselle
#include <time.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "app/StatoPrincipale.h"
#include "app/widgets/FinestraPrincipale.h"
#include "bench/MisuraGui.h"
#include "common/widgets/ColoriQt.h"
#include "programma/Schermate.h"

using namespace vk;
using namespace std::chrono_literals;

namespace {

// One key event due at a time from the start.
struct Evento {
    std::chrono::microseconds quando;
    QEvent::Type tipo;
    Qt::Key tasto;
    QString testo;
    bool ripetuto;
};
using Sequenza = std::vector<Evento>;

void Tocco(Sequenza& s, std::chrono::microseconds t, Qt::Key k, const QString& testo, bool ripetuto = false) {
    s.push_back({t, QEvent::KeyPress, k, testo, ripetuto});
    s.push_back({t, QEvent::KeyRelease, k, testo, ripetuto});
}

// n keys, one every `passo`.
Sequenza Battute(int n, std::chrono::microseconds passo, Qt::Key k, const QString& testo) {
    Sequenza s;
    for (int i = 0; i < n; ++i) Tocco(s, passo * i, k, testo);
    return s;
}

// A key held for `durata`: the press, then the platform's repeats (a pair of
// release and press, both marked as repeats) after `attesa`, one every
// `passo`, then the release.
Sequenza Tenuto(std::chrono::microseconds durata, std::chrono::microseconds attesa, std::chrono::microseconds passo,
                Qt::Key k, const QString& testo) {
    Sequenza s{{0us, QEvent::KeyPress, k, testo, false}};
    for (auto t = attesa; t < durata; t += passo) {
        s.push_back({t, QEvent::KeyRelease, k, testo, true});
        s.push_back({t, QEvent::KeyPress, k, testo, true});
    }
    s.push_back({durata, QEvent::KeyRelease, k, testo, false});
    return s;
}

// Marks the end of a sequence: posted after its last key, so it arrives
// after every key has been handled.
class Fine : public QObject {
public:
    bool arrivata = false;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        arrivata = true;
        return true;
    }
};

struct Risultato {
    double stallo = 0;   // longest wait between two turns of the event loop, ms
    double durata = 0;   // from the first key until the last was handled, ms
};

// Posts the sequence to w from another thread, each event at its time, while
// this thread runs the event loop with a timer that notes every turn.
Risultato Esegui(QWidget* w, const Sequenza& s) {
    QElapsedTimer orologio;
    orologio.start();
    qint64 ultimo = orologio.nsecsElapsed(), stallo = 0;
    QTimer battito;
    battito.setTimerType(Qt::PreciseTimer);
    battito.setInterval(1);
    QObject::connect(&battito, &QTimer::timeout, [&] {
        const qint64 ora = orologio.nsecsElapsed();
        stallo = std::max(stallo, ora - ultimo);
        ultimo = ora;
    });
    QCoreApplication::processEvents();
    Fine fine;
    battito.start();
    ultimo = orologio.nsecsElapsed();
    const auto inizio = std::chrono::steady_clock::now();
    std::thread invio([&] {
        for (const Evento& e : s) {
            std::this_thread::sleep_until(inizio + e.quando);
            QCoreApplication::postEvent(w, new QKeyEvent(e.tipo, e.tasto, Qt::NoModifier, e.testo, e.ripetuto));
        }
        QCoreApplication::postEvent(&fine, new QEvent(QEvent::User));
    });
    while (!fine.arrivata) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double durata = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
    invio.join();
    // The paint after the last key.
    QTest::qWait(30);
    battito.stop();
    return {static_cast<double>(stallo) / 1e6, durata};
}

qsizetype Lunghezza(QWidget* w) {
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->document()->characterCount() - 1;
    return static_cast<QLineEdit*>(w)->text().size();
}

void Riempi(QWidget* w, const QString& testo) {
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        e->setPlainText(testo);
        e->moveCursor(QTextCursor::End);
    } else {
        static_cast<QLineEdit*>(w)->setText(testo);
        static_cast<QLineEdit*>(w)->end(false);
    }
    QCoreApplication::processEvents();
}

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// One edit of a full box with its repaint, Backspace and a key in turn:
// the medians of 101 of the wall clock and of this thread's processor time,
// which a machine busy with other work leaves as it is.
std::pair<double, double> UnaModifica(QWidget* w) {
    std::vector<double> parete, cpu;
    for (int i = 0; i < 101; ++i) {
        QElapsedTimer t;
        t.start();
        const double c = CpuMs();
        if (i % 2) QTest::keyClick(w, Qt::Key_8);
        else QTest::keyClick(w, Qt::Key_Backspace);
        w->repaint();
        QCoreApplication::processEvents();
        cpu.push_back(CpuMs() - c);
        parete.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(parete.begin(), parete.end());
    std::sort(cpu.begin(), cpu.end());
    return {parete[50], cpu[50]};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(vk::misura::Fuorischermo(argc), argv);
    vk::misura::StileDelProgramma();

    StatoPrincipale stato;
    auto f = CaricaFinestraPrincipale(stato, {}, InstallaSchermate);
    f->resize(f->pagina()->size());
    f->show();
    f->activateWindow();
    QApplication::setActiveWindow(f.get());
    if (!QTest::qWaitForWindowExposed(f.get())) std::fprintf(stderr, "window not exposed\n");
    QTest::qWait(200);

    const QString otto = QStringLiteral("8");
    const Sequenza digitati = Battute(300, 3ms, Qt::Key_8, otto);
    // GNOME's repeat: after half a second, 30 a second.
    const Sequenza tenuto = Tenuto(2s, 500ms, 33333us, Qt::Key_8, otto);
    const Sequenza cancellati = Battute(40, 3ms, Qt::Key_Backspace, QStringLiteral("\b"));

    std::printf("Text boxes filled by a paste of 100,000 digits, offscreen platform\n");
    std::printf("(ms: the paste's and one edit's time; for keys arriving, the longest main-thread stall\n");
    std::printf("and the time until the last was handled; characters in the box after)\n");
    std::printf("%-22s %-44s %10s %10s %8s\n", "box", "input", "ms", "total ms", "chars");
    for (const char* nome : {"TxtNomeTemperamento", "TxtDescrizione", "txtFraz_1"}) {
        QWidget* w = f->findChild<QWidget*>(QString::fromUtf8(nome));
        if (!w) {
            std::fprintf(stderr, "missing: %s\n", nome);
            return 1;
        }
        w->setFocus();
        QGuiApplication::clipboard()->setText(QString(100000, u'7'));
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QElapsedTimer t;
        t.start();
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        f->repaint();
        QCoreApplication::processEvents();
        const double incolla = static_cast<double>(t.nsecsElapsed()) / 1e6;
        const qsizetype pieno = Lunghezza(w);
        std::printf("%-22s %-44s %10.1f %10s %8lld\n", nome, "the paste itself (with its repaint)", incolla, "",
                    static_cast<long long>(pieno));
        Riempi(w, QString(pieno, u'7'));
        const auto [parete, cpu] = UnaModifica(w);
        std::printf("%-22s %-44s %10.1f %10s %8lld\n", nome, "one edit with its repaint (median of 101)", parete,
                    "", static_cast<long long>(Lunghezza(w)));
        std::printf("%-22s %-44s %10.1f\n", "", "  processor time of this thread", cpu);
        const struct {
            const char* cosa;
            const Sequenza* s;
            bool spazio;  // 300 characters short of the paste's length first
        } prove[] = {
            {"300 keys typed 3 ms apart", &digitati, false},
            {"a key held 2 s (repeats 30/s after 0.5 s)", &tenuto, false},
            {"40 Backspaces 3 ms apart", &cancellati, false},
            {"300 keys typed, 300 characters short of it", &digitati, true},
        };
        for (const auto& p : prove) {
            Riempi(w, QString(pieno - (p.spazio ? 300 : 0), u'7'));
            const Risultato r = Esegui(w, *p.s);
            std::printf("%-22s %-44s %10.1f %10.1f %8lld\n", nome, p.cosa, r.stallo, r.durata,
                        static_cast<long long>(Lunghezza(w)));
        }
    }
    return 0;
}
