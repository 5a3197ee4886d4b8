#include "editing/widgets/EditorTerzeWidget.h"

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

EditorTerzeWidget::EditorTerzeWidget(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    setObjectName(QStringLiteral("EditorTerze"));
    // The chart builds the buttons and writes their letters; this only
    // takes their clicks.
    for (int k = 1; k <= 12; ++k) {
        auto* b = qobject_cast<PulsanteVB*>(f_.controllo("cmdTerze", k));
        if (!b) continue;
        cmdTerze_[static_cast<size_t>(k)] = b;
        connect(b, &PulsanteVB::clic, this, [this, k] { clic(k); });
    }
}

void EditorTerzeWidget::clic(int k) {
    StatoPrincipale& s = f_.stato();
    editor_.clic(k, s.temperamento, s.istogrammi, s.altezzaSchermo());
    f_.aggiorna();
}

EditorTerzeWidget& InstallaEditorTerze(FinestraPrincipale& finestra) {
    return *new EditorTerzeWidget(finestra);
}

}  // namespace vk
