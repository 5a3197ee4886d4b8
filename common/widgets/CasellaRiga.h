#pragma once
// The program's one-line text box. It keeps to LunghezzaMassimaVoce, as a
// file's items do, however text comes in: an edit that would take it past
// the limit is refused whole, an input method's text, a paste and a drop
// are cut to what fits (SpazioTesto.h).
//
// A paste with no text in it (an empty clipboard, data of another kind)
// leaves the box as it was, as in the multi-line box: Qt's own line edit
// would delete the selection and paste nothing. The paste keys, the context
// menu's Paste, the selection's middle click and a drop insert the text read
// once (Incolla.h); the middle click and the drop where the cursor stands,
// the selection dropped.
#include <QLineEdit>

namespace vk {

class CasellaRiga : public QLineEdit {
    Q_OBJECT
public:
    explicit CasellaRiga(QWidget* parent = nullptr);

    void incolla();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // The characters the box has room for, the selection's given back.
    qsizetype spazio() const;
    // Inserts what fits of testo in place of the selection.
    void inserisci(const QString& testo);
};

}  // namespace vk
