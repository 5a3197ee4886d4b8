#pragma once

namespace vk {

class FinestraPrincipale;

// Adds every screen to the main window: the editing commands and their
// screens, then each further screen's own install.
void InstallaSchermate(FinestraPrincipale& f);

}  // namespace vk
