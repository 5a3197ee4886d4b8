#include "programma/Schermate.h"

#include "editing/widgets/SchermateEditing.h"
#include "frequencies/widgets/SchermataFrequenze.h"
#include "keytable/widgets/SchermataTavolaScale.h"
#include "microlab/widgets/FraMicro.h"
#include "utility/widgets/SchermataUtility.h"

namespace vk {

void InstallaSchermate(FinestraPrincipale& f) {
    // The screens' opening buttons go on first; the editing install gives
    // the initial focus last.
    InstallaMicroLab(f);
    InstallaTavolaScale(f);
    InstallaTabellaFrequenze(f);
    InstallaUtility(f);
    InstallaSchermateEditing(f);
}

}  // namespace vk
