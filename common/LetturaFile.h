#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vk {

// Reading a whole file without waiting on it: the path is opened without
// blocking (a FIFO or a device put in its place answers at once) and only a
// regular file of at most `massimo` bytes is read.
enum class EsitoFile { Ok, Mancante, Illeggibile, TroppoGrande };
struct LetturaFile {
    EsitoFile esito = EsitoFile::Illeggibile;
    std::string byte;
};
// Far larger than any file of the program.
inline constexpr std::uintmax_t DimensioneMassimaFile = 16 * 1024 * 1024;
LetturaFile LeggiFile(const std::filesystem::path& percorso, std::uintmax_t massimo = DimensioneMassimaFile);
// All the bytes of a file; nullopt when it cannot be read as above.
std::optional<std::string> LeggiByte(const std::filesystem::path& percorso,
                                     std::uintmax_t massimo = DimensioneMassimaFile);

}  // namespace vk
