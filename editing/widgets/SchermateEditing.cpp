#include "editing/widgets/SchermateEditing.h"

#include "editing/widgets/EditingPrincipale.h"
#include "editing/widgets/EditorTerzeWidget.h"
#include "editing/widgets/SchermataZaduRori.h"

namespace vk {

void InstallaSchermateEditing(FinestraPrincipale& f) {
    EditingPrincipale& editing = InstallaEditing(f);
    // Takes over the charts' third buttons.
    InstallaEditorTerze(f);
    InstallaZaduRori(f);
    editing.fuocoIniziale();
}

}  // namespace vk
