#pragma once
// Labels as designed: the text starts at the label's top edge and wraps at
// its width; the alignment only places it left, right or centre.
class QLabel;

namespace vk {

enum class Allineamento { Sinistra, Destra, Centro };

void FormaEtichetta(QLabel* l, Allineamento a = Allineamento::Sinistra);

}  // namespace vk
