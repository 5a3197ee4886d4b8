#include "programma/Programma.h"

#ifdef VK_MISURA_AVVIO
#include <cstdio>
#include <cstdlib>
#endif

int main(int argc, char** argv) {
    vk::MisuraAvvio misura;
#ifdef VK_MISURA_AVVIO
    // Start-up timing build: reports when the main window is on screen, less
    // the splash delay, and ends there.
    misura.fatto = [](long long ms, int ritardo) {
        std::fprintf(stderr, "avvio: finestra principale a %lld ms, ritardo %d ms, netto %lld ms\n", ms, ritardo,
                     ms - ritardo);
        std::fflush(stderr);
        std::_Exit(0);
    };
#endif
    return vk::EseguiProgramma(argc, argv, misura);
}
