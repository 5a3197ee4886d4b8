#include "common/Windows1252.h"

#include <array>
#include <optional>

namespace vk {

namespace {

// Code points of the bytes 0x80..0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char32_t, 32> Alti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodiceDi(unsigned char b) { return (b >= 0x80 && b <= 0x9F) ? Alti[b - 0x80] : b; }

void AggiungiUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<unsigned char> ByteDi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < Alti.size(); ++i)
        if (Alti[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Decodes one UTF-8 character at s[i]; nullopt for a malformed sequence,
// of which one byte is consumed.
std::optional<char32_t> Decodifica(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int seguito = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        seguito = 1;
        c = b0 & 0x1F;
        minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        seguito = 2;
        c = b0 & 0x0F;
        minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        seguito = 3;
        c = b0 & 0x07;
        minimo = 0x10000;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + seguito >= s.size()) {
        ++i;
        return std::nullopt;
    }
    for (int k = 1; k <= seguito; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return std::nullopt;
    }
    i += seguito + 1;
    return c;
}

}  // namespace

std::string Utf8DaWindows1252(std::string_view byte) {
    std::string s;
    s.reserve(byte.size());
    for (char b : byte) AggiungiUtf8(s, CodiceDi(static_cast<unsigned char>(b)));
    return s;
}

std::string Windows1252DaUtf8(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = Decodifica(utf8, i);
        const auto b = c ? ByteDi(*c) : std::nullopt;
        s += b ? static_cast<char>(*b) : '?';
    }
    return s;
}

std::vector<CarattereUtf8> CaratteriUtf8(std::string_view utf8) {
    std::vector<CarattereUtf8> r;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t inizio = i;
        const auto c = Decodifica(utf8, i);
        r.push_back({utf8.substr(inizio, i - inizio), c});
    }
    return r;
}

}  // namespace vk
