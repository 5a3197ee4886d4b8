#pragma once
// The thirds editor on the main screen: the buttons cmdTerze(1..12) under
// the thirds chart. Their clicks go to EditorTerze; the window repaints after.
#include <QObject>
#include <array>

#include "editing/EditorTerze.h"

class QAbstractButton;

namespace vk {

class FinestraPrincipale;

class EditorTerzeWidget : public QObject {
    Q_OBJECT
public:
    // Takes the buttons "cmdTerze_k" that the bar charts hold.
    explicit EditorTerzeWidget(FinestraPrincipale& finestra);

    EditorTerze& modello() { return editor_; }
    QAbstractButton* pulsante(int k) const { return cmdTerze_[static_cast<size_t>(k)]; }
    // cmdTerze_Click(k), as the button's click does it.
    void clic(int k);

private:
    FinestraPrincipale& f_;
    EditorTerze editor_;
    std::array<QAbstractButton*, 13> cmdTerze_{};
};

// Installs the thirds editor on the main window, which owns the result.
// Call it after the bar charts, so that their buttons are reused.
EditorTerzeWidget& InstallaEditorTerze(FinestraPrincipale& finestra);

}  // namespace vk
