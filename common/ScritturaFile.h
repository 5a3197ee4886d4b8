#pragma once
// The program's one way to write a file: whole or not at all.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vk {

// Writes a whole file; false when it could not (tests pass their own).
using ScrittoreFile = std::function<bool(const std::filesystem::path&, std::string_view)>;
// The file a path names once its links are followed (at most 40 of them):
// the one a write through the path replaces.
std::filesystem::path FileCollegato(std::filesystem::path percorso);

// Writes the bytes beside the target, checks every byte written and flushed
// to the disk, and only then renames them over the target, so a failed
// write (a full disk, a size limit) leaves the old file whole. A link is
// followed: the file it names is replaced, or made where its folder is;
// links that lead round in a circle are refused. On failure returns false
// and, when asked, the reason.
//
// Where the file system allows it the bytes go to a file with no name
// (O_TMPFILE), which a write killed before it is whole leaves nowhere; it
// gets a name only for the rename onto the target. Elsewhere (vfat, many
// network mounts) the temporary has its name from the start. The name is
// NomeTemporaneo's.
bool ScriviByte(const std::filesystem::path& percorso, std::string_view byte, std::string* errore = nullptr);

// From here on a write past the file-size limit (ulimit -f, a quota of that
// kind) fails with EFBIG, and so is said like a full disk, instead of ending
// the whole process with SIGXFSZ and the user's unsaved work with it. The
// program's start calls it first of all.
void LimiteFileComeDiscoPieno();

// The name of a temporary of `nome` written by the process `processo` of
// this system:
//     .<nome>.velmorakov-<system>-<process id>-<attempt 0..99>.tmp
// <nome> cut to fit a file name; <system> 16 hex digits standing for this
// boot of the machine and this process-id namespace, so that the id is known
// to be one of this system's ("0000000000000000" where they cannot be read).
std::string NomeTemporaneo(std::string_view nome, long processo, int tentativo);

// Past this age a temporary is no longer being written by anyone.
inline constexpr std::chrono::hours EtaAvanzo{1};

// Removes from a folder what a write of this program cut short (killed, a
// power cut) left behind, and only what is certainly that: a regular file
// named exactly as NomeTemporaneo names them, of this system, owned by this
// user, untouched for EtaAvanzo, whose process is gone. Any other name (the
// "<name>.<digits>-<n>.tmp~" of earlier versions too) is never removed: it
// may be the user's, or a writer's on another machine or in a container.
void RimuoviTemporaneiAvanzati(const std::filesystem::path& cartella);

}  // namespace vk
