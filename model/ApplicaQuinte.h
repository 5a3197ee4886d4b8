#pragma once
// New fifths into the temperament, with everything derived from them: every
// path that changes the fifths commits them here, each with its own options.
#include <array>
#include <optional>
#include <string>

#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

// What a path brings. An empty item keeps what the temperament holds (a
// fifth, the name, the comma) or, for a group of twelve, lets the options
// decide: derived from the fifths or left as it was.
struct QuinteNuove {
    // Fifth k's new text, held exactly as given.
    std::array<std::optional<std::string>, 13> Quinte{};
    std::optional<std::string> Nome, Descrizione;
    // The comma button's caption; its colour follows it.
    std::optional<std::string> CommaCaption;
    // Groups a screen or a file supplies, held as given.
    std::optional<Dodici> Terze, Semitoni;
    std::optional<Dodici> QuinteCents, TerzeCents, SemitoniCents;
    std::optional<Dodici> Frazioni, CopiaQuinte, SigleTerze;
};

struct OpzioniQuinte {
    // Fifth k (1..12) whose change since its committed copy the next fifth
    // takes (its opposite); 0 for none. The next fifth counts as new.
    int Compensa = 0;
    // Change nothing unless the fifths and all that derives from them are
    // sizes a file keeps (and the compensation's texts are numbers).
    bool SoloLeggibili = false;
    // Groups not supplied: derived from the fifths, or left as they are.
    bool Deriva = true;
    // Rule of the derived cents: CentsDaMicro of the size, or the Zadu-Rori
    // screen's single precision from the size's text ("" for no number).
    enum class Cents { DaMicro, SingolaPrecisione } RegolaCents = Cents::DaMicro;
    // Derived fifth cents for every fifth, or for the new ones only.
    bool CentsSoloQuinteNuove = false;
    // Committed copies (unless supplied): of every fifth, of the new ones and
    // the compensated one, or none (a step that the release completes).
    enum class Copie { Tutte, Nuove, Nessuna } CopiaQuinte = Copie::Tutte;
    // Which fifths are named afterwards (unless Frazioni is supplied), by the
    // comma button's caption or colour, and whether the Pythagorean naming
    // refreshes the fifth's cents.
    enum class Nomi { Tutte, Nuove, Nessuna } Nomina = Nomi::Tutte;
    enum class Prova { Caption, Colore } ModoDa = Prova::Caption;
    bool NomeConCents = true;
    // The sum of the fifths less seven octaves, and the semitone spread;
    // false leaves each as it was.
    bool ErroreChiusura = true;
    bool ScartoSemitonale = true;
    // QuintaSelezionata back to 0 afterwards (the applies of whole tables).
    bool AzzeraSelezione = false;
    // Redraws every bar before the naming, when given.
    Istogrammi* Ridisegna = nullptr;
    double AltezzaSchermo = 0;
};

// The commit of an edit of fifth k on the main screen: the next fifth takes
// the opposite change and is named, both copies are committed, thirds,
// semitones, every cents value, the spread and the closure error derived,
// without redrawing.
OpzioniQuinte OpzioniCompletamento(int k);

// Commits `nuove` by `o`. When a value that the options need is not a number
// (or, with SoloLeggibili, not a size a file keeps) nothing changes: false.
bool ApplicaQuinte(Temperamento& t, QuinteNuove nuove, const OpzioniQuinte& o);

}  // namespace vk
