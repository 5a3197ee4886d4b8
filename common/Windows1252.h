#pragma once
// The program's files are Windows-1252; inside the program texts are UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vk {

// Every byte has a code point: the five bytes that Windows-1252 leaves
// undefined map to U+0081, U+008D, U+008F, U+0090, U+009D, so any file
// survives a read and a write unchanged.
std::string Utf8DaWindows1252(std::string_view byte);
// A character with no Windows-1252 byte, and each byte of malformed UTF-8,
// becomes '?'.
std::string Windows1252DaUtf8(std::string_view utf8);

// A UTF-8 text cut into its characters, each with its code point; a byte of
// malformed UTF-8 is a character of its own, with no code point, as the
// conversion above takes it.
struct CarattereUtf8 {
    std::string_view byte;
    std::optional<char32_t> codice;
};
std::vector<CarattereUtf8> CaratteriUtf8(std::string_view utf8);

}  // namespace vk
