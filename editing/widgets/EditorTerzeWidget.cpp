#include "editing/widgets/EditorTerzeWidget.h"

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

EditorTerzeWidget::EditorTerzeWidget(FinestraPrincipale& finestra) : QObject(&finestra), f_(finestra) {
    setObjectName(QStringLiteral("EditorTerze"));
    bool creati = false;
    for (int k = 1; k <= 12; ++k) {
        const QString nome = QStringLiteral("cmdTerze_%1").arg(k);
        auto* b = qobject_cast<QAbstractButton*>(f_.controllo("cmdTerze", k));
        if (!b) b = f_.findChild<QAbstractButton*>(nome);
        if (!b) {
            // Columns run from thirds 7..12 on the left to 1..6 on the right.
            const float sinistra = k <= 6 ? 7160.0f + 1080.0f * static_cast<float>(k - 1)
                                          : 680.0f + 1080.0f * static_cast<float>(k - 7);
            auto* p = f_.crea<PulsanteVB>(f_.pagina(), "cmdTerze", k, TipoControllo::Pulsante, sinistra, 7680,
                                          375, 375, 8.25f);
            p->setGrafico(true);
            p->setColoreSfondo(0xE0E0E0);
            p->setText(QString::fromStdString(f_.temperamento().SigleTerze[k]));
            b = p;
            creati = true;
        }
        cmdTerze_[static_cast<size_t>(k)] = b;
        if (auto* p = qobject_cast<PulsanteVB*>(b)) connect(p, &PulsanteVB::clic, this, [this, k] { clic(k); });
        else connect(b, &QAbstractButton::clicked, this, [this, k] { clic(k); });
    }
    if (creati) {
        f_.aggiungiAggiornamento([this] {
            for (int k = 1; k <= 12; ++k)
                cmdTerze_[static_cast<size_t>(k)]->setText(
                    QString::fromStdString(f_.temperamento().SigleTerze[k]));
        });
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
