#pragma once
// The hidden panel FraConversione of the Vuvaz-Eza screen: twelve deviations
// in cents from the pure fifth scaled to one Pythagorean comma, rounded to
// fifths and carried into the screen's working copy.
#include <array>
#include <string>

#include "common/Colori.h"

namespace vk {

class TabellaMicroLab;

struct PannelloConversione {
    std::array<std::string, 13> TxtCents, TxtMicro, TxtQuinta, TxtQuinteArrotondate;
    ColoreVB lblTotaleMicro = Colori::FacciaPulsante;
    ColoreVB lblTotaleMicroArrotondata = Colori::FacciaPulsante;
    PannelloConversione();

    // "C" of row 1..12: the deviation of the row above (row 12 for row 1).
    void cmdCopy_Click(int indice);
    // "Somma": false, with nothing changed, when a deviation is no number or
    // they total zero.
    bool cmdSomma_Click();
    // "Riporta": the rounded fifths into rows 1..12 of the working copy;
    // false when one is no number.
    bool cmdRiporta_Click(TabellaMicroLab& tabella) const;
};

}  // namespace vk
