#pragma once
// The designed settings file, shared by the settings and start-up tests.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace vk::prova {

// The designed file, line by line, without line ends.
inline std::vector<std::string> RigheProgetto() {
    std::vector<std::string> r = {"\"Colori Quinte\"", "\"IT\"", "\"Val\"", "\"Ist Y\"", "\"2\"", "\"6\""};
    for (int i = 0; i < 5; ++i) r.push_back("12632319");
    for (int i = 0; i < 5; ++i) r.push_back("12648384");
    r.push_back("135");
    r.push_back("135");
    for (int i = 0; i < 11; ++i) r.push_back("14941951");
    return r;
}

inline std::string Unisci(const std::vector<std::string>& righe) {
    std::string s;
    for (const auto& r : righe) s += r + "\r\n";
    return s;
}

// The designed file with `cambi` (line number from 1, text) replaced.
inline std::string FileImpostazioni(std::initializer_list<std::pair<int, const char*>> cambi = {}) {
    auto r = RigheProgetto();
    for (auto [riga, testo] : cambi) r[static_cast<size_t>(riga - 1)] = testo;
    return Unisci(r);
}

}  // namespace vk::prova
