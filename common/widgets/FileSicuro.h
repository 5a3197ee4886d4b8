#pragma once
// Writing a whole file so that a failed write leaves the old one whole.
#include <QString>
#include <string_view>

namespace vk {

// Writes `byte` to `percorso` through a temporary file that replaces it only
// when complete. On failure returns false and, when asked, the reason.
bool ScriviFileSicuro(const QString& percorso, std::string_view byte, QString* errore = nullptr);

}  // namespace vk
