#include "common/Micro.h"

#include <cmath>

namespace vk {

ValoreFisso CentsDaMicro4(ValoreFisso x) {
    double y = x.comeDouble() / Micro::PerCent;
    return ValoreFisso::daDecimillesimi(static_cast<int64_t>(std::nearbyint(y * 10000.0)));
}

ValoreFisso CentsDaMicro(ValoreFisso x) { return CentsDaMicro4(x).arrotondato(2); }

}  // namespace vk
