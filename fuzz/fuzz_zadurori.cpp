// The Zadu-Rori screen on any typed boxes: the lines of the input fill the
// twelve green boxes for "OK" and then the twelve red ones for "MOD". An
// applied temperament closes the circle exactly and saves and opens again
// to itself; one not applied leaves the temperament as it was.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/ZaduRori.h"
#include "tests/comune/SequenzeEditing.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

// The next line of the input (without its LF).
std::string Riga(std::string_view& resto) {
    const size_t lf = resto.find('\n');
    std::string r(resto.substr(0, lf));
    resto.remove_prefix(lf == std::string_view::npos ? resto.size() : lf + 1);
    return r;
}

void Controlla(const vk::Temperamento& prima, const vk::Temperamento& t, vk::ZaduRori::Esito e) {
    if (e == vk::ZaduRori::Esito::Applicato) {
        vk::ValoreFisso somma;
        for (int k = 1; k <= 12; ++k) somma += *vk::Numero(t.Quinte[static_cast<size_t>(k)]);
        Verifica(somma == vk::Micro::SetteOttave);
        Verifica(vk::prova::SalvaERiapre(t));
    } else {
        Verifica(vk::VociDi(t) == vk::VociDi(prima));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    std::string_view resto(reinterpret_cast<const char*>(dati), n);
    vk::Temperamento t = vk::TemperamentoIniziale();
    vk::Istogrammi g = vk::IstogrammiIniziali();
    vk::ZaduRori z;
    z.apri("IT");
    for (int k = 1; k <= 12; ++k) z.TxtCentsEasy[static_cast<size_t>(k)] = Riga(resto);
    const vk::Temperamento prima = t;
    const auto esito = z.ok(t, g, 11520);
    Controlla(prima, t, esito);
    if (esito != vk::ZaduRori::Esito::Correzione) return 0;
    Verifica(z.passoCorrezione);
    // Red boxes typed over those shown, an empty line keeping a box as it is.
    for (int k = 1; k <= 12; ++k) {
        std::string r = Riga(resto);
        if (!r.empty()) z.TxtQuinteArrotondateEasy[static_cast<size_t>(k)] = r;
    }
    Controlla(prima, t, z.mod(t, g, 11520));
    return 0;
}
