#include "programma/Schermate.h"

#include "editing/widgets/SchermateEditing.h"
#include "frequencies/widgets/SchermataFrequenze.h"

namespace vk {

void InstallaSchermate(FinestraPrincipale& f) {
    // The screens' opening buttons go on first; the editing install gives
    // the initial focus last.
    InstallaTabellaFrequenze(f);
    InstallaSchermateEditing(f);
}

}  // namespace vk
