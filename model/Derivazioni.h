#pragma once
// Thirds, semitones and cents derived from the fifths.
#include <array>
#include <optional>

#include "model/Temperamento.h"

namespace vk {

// Semitones 1..12 and thirds 1..12 in Micro of fifths given as numbers
// (element 0 unused; fifth 12 enters none of them).
struct DerivatiMicro {
    std::array<ValoreFisso, 13> semitoni{}, terze{};
};
DerivatiMicro DerivaDaQuinte(const std::array<ValoreFisso, 13>& quinte);
// Whether twelve fifths and everything derived from them can be saved and
// read back: an edit that would leave this range is not carried out.
bool DerivatiLeggibili(const std::array<ValoreFisso, 13>& quinte);
// Fields 1..fino of twelve as numbers (element 0 unused); nullopt when one
// is not.
std::optional<std::array<ValoreFisso, 13>> Numeri(const Dodici& d, int fino);
// The twelve fifths as numbers; nullopt when one is not.
std::optional<std::array<ValoreFisso, 13>> QuinteNumeri(const Temperamento& t);

// Largest (from 0) minus smallest (from 200) of the twelve semitone cents as
// held; nullopt when one of them is not a number.
std::optional<ValoreFisso> ScartoDaCents(const Dodici& semitoniCents);
// The same of the twelve values 1..12.
ValoreFisso ScartoDaCents(const std::array<ValoreFisso, 13>& semitoniCents);

}  // namespace vk
