#include "programma/Schermate.h"

#include "editing/widgets/SchermateEditing.h"
#include "keytable/widgets/SchermataTavolaScale.h"

namespace vk {

void InstallaSchermate(FinestraPrincipale& f) {
    // The screens' opening buttons go on first; the editing install gives
    // the initial focus last.
    InstallaTavolaScale(f);
    InstallaSchermateEditing(f);
}

}  // namespace vk
