#pragma once

namespace vk {

class FinestraPrincipale;

// Adds the editing commands, the thirds editor and the Zadu-Rori screen to
// the main window, and gives the initial focus to ">" of fifth 12.
void InstallaSchermateEditing(FinestraPrincipale& f);

}  // namespace vk
