#pragma once
// What the fuzz targets of the screens share: the check, the temperament an
// input begins with, and the forms a shown text may take.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/Notazione.h"
#include "common/ValoreFisso.h"
#include "model/FileTemperamento.h"
#include "tests/comune/SequenzeEditing.h"

namespace vk::fuzz {

inline void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

struct Ingresso {
    VociTemperamento voci;
    prova::Scelte azioni;
};

// Byte 0 even: bytes 1-2 give a length (times 4) and a temperament file of
// that length follows, as the reader takes it (nullopt when it refuses it);
// odd: the items near the limits the following bytes choose. The bytes left
// choose the actions.
inline std::optional<Ingresso> LeggiIngresso(const uint8_t* dati, size_t n) {
    if (n < 3) return std::nullopt;
    if (dati[0] % 2) {
        prova::Scelte s(dati + 1, n - 1);
        VociTemperamento v = prova::VociEstreme(s);
        return Ingresso{std::move(v), s};
    }
    const size_t lunghezza = std::min<size_t>(n - 3, (size_t{dati[1]} << 8 | dati[2]) * 4);
    const LetturaTemperamento l = LeggiTemperamento(std::string_view(reinterpret_cast<const char*>(dati + 3), lunghezza));
    if (!l.ok()) return std::nullopt;
    // Save writes a double quote (which only an unquoted item holds) as an
    // apostrophe: begin from the items as Save would write them.
    VociTemperamento v = *l.voci;
    for (auto& voce : v)
        for (char& c : voce)
            if (c == '"') c = '\'';
    return Ingresso{std::move(v), prova::Scelte(dati + 3 + lunghezza, n - 3 - lunghezza)};
}

// The temperament the items make, as Open puts them in.
inline Temperamento TemperamentoDi(const VociTemperamento& v) {
    Temperamento t = TemperamentoIniziale();
    ApplicaVoci(v, t);
    return t;
}

// One of the notations of the table, as the caption of cmdLingua gives it.
inline const char* Lingua(prova::Scelte& s) { return CodiceLingua(static_cast<vk::Lingua>(s.byte() % NumeroLingue)); }

// A number as the program writes and reads it back.
inline bool Leggibile(std::string_view t) { return ValoreFisso::daTesto(t).has_value(); }
inline bool VuotoOLeggibile(std::string_view t) { return t.empty() || Leggibile(t); }

// No text a user sees reads "nan", "inf" or a negative zero.
inline bool SenzaNonNumeri(std::string_view t) {
    for (size_t i = 0; i + 2 < t.size(); ++i) {
        const auto a = static_cast<char>(t[i] | 0x20), b = static_cast<char>(t[i + 1] | 0x20),
                   c = static_cast<char>(t[i + 2] | 0x20);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return false;
    }
    if (t.size() >= 2 && t[0] == '-' && t.find_first_not_of("0,", 1) == std::string_view::npos) return false;
    return true;
}

}  // namespace vk::fuzz
