#pragma once
// The utility screen FraUtility as a model: the interval table's grid
// (captions, back colours, the note cells' alignment), the page, the key and
// the spelling preference of the note column, the converter, and whether the
// screen is open. Nothing of it is reset by closing or saved.
#include <array>
#include <string>
#include <string_view>

#include "common/Colori.h"
#include "utility/Convertitore.h"
#include "utility/TabellaIntervalli.h"

namespace vk {

class Utility {
public:
    Utility();

    // The main screen's "Utility": renders the page in force, then the note
    // column in the notation `lingua` (the caption of cmdLingua), and opens.
    void cmdUtility_Click(std::string_view lingua);
    void cmdEsciUtility_Click() { aperta = false; }
    void cmdPagina_Click(std::string_view lingua);
    // Index 0 "<", any other ">": the key one down or up, wrapping 1..12.
    void cmdTono_Click(int indice, std::string_view lingua);
    void cmdAlterazioni_Click(std::string_view lingua);

    void MostraPaginaIntervalli();
    void MostraNoteNelTono(std::string_view lingua);

    // Column c (0 note .. 7 formula), row r (0 header, 1..23).
    std::string& testo(int c, int r) { return testi[static_cast<size_t>(c)][static_cast<size_t>(r)]; }
    ColoreVB sfondo(int c, int r) const { return sfondi[static_cast<size_t>(c)][static_cast<size_t>(r)]; }

    std::array<std::array<std::string, 24>, ColonneIntervalli> testi;
    // Rows 1..23; the header cells are transparent.
    std::array<std::array<ColoreVB, 24>, ColonneIntervalli> sfondi;
    std::array<AllineamentoCella, 24> allineamentoNota;

    // The page 1..3, the key 1..12 and the spelling, held as values; the
    // captions are written from them.
    int Pagina = 1;
    int Tono = 1;
    bool Diesis = false;
    std::string cmdPagina() const { return "Pag. " + std::to_string(Pagina); }
    std::string lblTono() const { return std::to_string(Tono); }
    std::string lblAlterazioni() const { return Diesis ? "#" : "b"; }
    std::string cmdAlterazioni() const { return lblAlterazioni(); }
    Convertitore convertitore;
    bool aperta = false;
};

}  // namespace vk
