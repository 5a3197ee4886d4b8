#pragma once
// Timing helpers of the screen benchmarks (offscreen platform, not tests).
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace vk::misura {

// Milliseconds of one call of f, events it posted processed.
inline double Millisecondi(const std::function<void()>& f) {
    QElapsedTimer t;
    t.start();
    f();
    QCoreApplication::processEvents();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Median of n timed calls.
inline double Mediana(int n, const std::function<void()>& f) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(Millisecondi(f));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Peak resident memory of the process, MiB.
inline double PiccoMemoriaMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

inline void Riga(const char* cosa, double valore, const char* unita, const char* obiettivo) {
    std::printf("%-48s %10.3f %-4s %s\n", cosa, valore, unita, obiettivo);
}

}  // namespace vk::misura
