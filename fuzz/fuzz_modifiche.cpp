// Edit sequences on a fuzzed temperament file: the first two bytes give the
// length of the file, the rest chooses the edits. After every edit, what Save
// writes opens again to the same temperament.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tests/comune/SequenzeEditing.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    if (n < 2) return 0;
    const size_t lunghezza = std::min<size_t>(n - 2, (size_t{dati[0]} << 8 | dati[1]) * 4);
    const std::string_view file(reinterpret_cast<const char*>(dati + 2), lunghezza);
    const vk::LetturaTemperamento l = vk::LeggiTemperamento(file);
    if (!l.ok()) return 0;
    // Save writes a double quote (which only an unquoted item holds) as an
    // apostrophe: begin from the items as Save would write them.
    vk::VociTemperamento voci = *l.voci;
    for (auto& v : voci)
        for (char& c : v)
            if (c == '"') c = '\'';
    vk::prova::Banco b(voci);
    vk::prova::Scelte s(dati + 2 + lunghezza, n - 2 - lunghezza);
    Verifica(vk::prova::SalvaERiapre(b.t));
    while (!s.finite()) {
        vk::prova::UnaModifica(b, s);
        Verifica(vk::prova::SalvaERiapre(b.t));
    }
    return 0;
}
