#pragma once
// Moving a file aside, onto a name beside it, without replacing anything
// that holds that name.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vk {

// The calls that set a file aside, each as the system's: a second name
// (link) and the removal of the first, or else a rename that refuses to
// replace (renameat2 with RENAME_NOREPLACE). Tests stand in for a file
// system that lacks one or the other; an empty one is the system's.
struct ChiamateAccanto {
    std::function<int(const char*, const char*)> collega;
    std::function<int(const char*)> elimina;
    std::function<int(const char*, const char*)> rinomina;
};

// Whether anything, a dangling link too, holds the name.
bool NomeOccupato(const std::filesystem::path& p);

// A rename onto a free name: -1 with EEXIST when it is taken.
int RinominaSenzaSostituire(const std::filesystem::path& da, const std::filesystem::path& a,
                            const ChiamateAccanto& chiamate = {});

// The names beside a file, n from 1, with no end.
using NomiAccanto = std::function<std::filesystem::path(int n)>;

// Moves the file to `promesso` or, when that is taken, to the first free
// name of `nomi`, replacing nothing: the name; an empty one when the file is
// gone; nullopt, with the reason when asked, when it cannot be moved (it is
// then still in its place).
std::optional<std::filesystem::path> SpostaAccanto(const std::filesystem::path& file,
                                                   const std::filesystem::path& promesso, const NomiAccanto& nomi,
                                                   std::string* errore, const ChiamateAccanto& chiamate = {});

}  // namespace vk
