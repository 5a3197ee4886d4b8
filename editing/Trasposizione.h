#pragma once
// Transposition by one fifth: every fifth with its cents, copy, name and bar
// moves one place along the circle, every third with it, every semitone
// seven places. Nothing is computed, named or redrawn.
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

// Index 0 moves everything one place to the left (fifth k takes fifth k+1),
// any other index one place to the right (fifth k takes fifth k-1). The
// position that wraps round passes through typed values: its sizes and cents
// come out in the standard number form and its two bars at whole twips.
// When one of those values is not a number nothing moves; returns false then.
bool cmdShift_Click(Temperamento& t, Istogrammi& g, int indice);

}  // namespace vk
