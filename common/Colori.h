#pragma once
// Colours as the program's &HBBGGRR integers; system colours keep their
// &H800000xx codes and become palette colours only when painted.
#include <cstdint>

namespace vk {

using ColoreVB = uint32_t;

namespace Colori {
inline constexpr ColoreVB RossoChiaro = 0xC0C0FF;   // selected, active, Pythagorean
inline constexpr ColoreVB VerdeChiaro = 0xC0FFC0;   // not selected, syntonic
inline constexpr ColoreVB Bianco = 0xFFFFFF;
inline constexpr ColoreVB Nero = 0x000000;
inline constexpr ColoreVB GrigioAzzurro = 0xE9DCD3;  // panels, frames and their commands
inline constexpr ColoreVB GialloPallido = 0xE3FEFF;
inline constexpr ColoreVB FacciaPulsante = 0x8000000F;  // system button face
inline constexpr ColoreVB TestoPulsante = 0x80000012;
inline constexpr ColoreVB TestoFinestra = 0x80000008;
inline constexpr ColoreVB SfondoFinestra = 0x80000005;
}  // namespace Colori

inline constexpr bool ColoreDiSistema(ColoreVB c) { return (c & 0xFF000000u) == 0x80000000u; }
inline constexpr int RossoDi(ColoreVB c) { return static_cast<int>(c & 0xFF); }
inline constexpr int VerdeDi(ColoreVB c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BluDi(ColoreVB c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace vk
