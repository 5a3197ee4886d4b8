#pragma once
// The note column of the interval table: the tonic of each key under a flat
// or sharp preference, the note a row's interval reaches above it, and the
// column writer, a pure function of the four captions it reads.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/Notazione.h"
#include "utility/TabellaIntervalli.h"

namespace vk {

enum class PreferenzaAlterazioni { Bemolle, Diesis };

// Tonic of key 1..12 (chromatic from DO); nullopt outside 1..12.
std::optional<NotaScritta> TonicaDelTono(int tono, PreferenzaAlterazioni p);

// The written interval of a note-bearing row; nullopt for the 16 rows without
// a note and for pages or rows out of range.
std::optional<IntervalloDiRiga> IntervalloDellaRiga(int pagina, int riga);

// The note the interval reaches above the tonic, spelled on the interval's
// letter.
NotaScritta NotaNelTono(NotaScritta tonica, IntervalloDiRiga i);

// Accidentals as signed steps: -2 "bb" .. +2 "x".
int PassiAlterazione(Alterazione a);
Alterazione AlterazioneDaPassi(int passi);

// What the writer writes into lblScalaDoInterv(0..23): the header at 0, the
// note-bearing rows of the page; nullopt leaves a cell as it is.
using ColonnaNote = std::array<std::optional<std::string>, 24>;

// The writer, from the captions of cmdLingua, lblTono, lblAlterazioni and
// cmdPagina, each compared whole and case-sensitively. An unknown notation
// or key writes nothing; an unknown page writes the header only. Key 2 is
// flat only for "b", keys 7 and 12 sharp only for "#".
ColonnaNote ScriviColonnaNote(std::string_view lingua, std::string_view tono, std::string_view alterazioni,
                              std::string_view pagina);

}  // namespace vk
