#include "programma/Schermate.h"

#include "editing/widgets/SchermateEditing.h"
#include "microlab/widgets/FraMicro.h"

namespace vk {

void InstallaSchermate(FinestraPrincipale& f) {
    // The screens' opening buttons go on first; the editing install gives
    // the initial focus last.
    InstallaMicroLab(f);
    InstallaSchermateEditing(f);
}

}  // namespace vk
