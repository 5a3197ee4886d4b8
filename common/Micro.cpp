#include "common/Micro.h"

namespace vk {

ValoreFisso CentsDaMicro4(ValoreFisso x) {
    // Any int64 count of ten-thousandths gives cents well below 2^53 of them.
    return ValoreFisso::daDecimillesimi(*ArrotondaPari(x.comeDouble() / Micro::PerCent, 4));
}

ValoreFisso CentsDaMicro(ValoreFisso x) { return CentsDaMicro4(x).arrotondato(2); }

}  // namespace vk
