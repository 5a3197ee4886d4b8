#include "common/Micro.h"

namespace vk {

ValoreFisso CentsDaMicro(ValoreFisso x) { return CentsDaMicro4(x).arrotondato(2); }

std::optional<ValoreFisso> CentsDaTestoMicro(std::string_view micro) { return ProporzioneDiTesto(micro, 100, Micro::CentesimiPerCent); }

std::optional<ValoreFisso> MicroDaTestoCents(std::string_view cents) { return ProporzioneDiTesto(cents, Micro::CentesimiPerCent, 100); }

}  // namespace vk
