#pragma once
// The program's one-line text box. A paste with no text in it (an empty
// clipboard, data of another kind) leaves the box as it was, as in the
// multi-line box: Qt's own line edit would delete the selection and paste
// nothing. The paste keys and the context menu's Paste insert the text read
// once (Incolla.h); a middle click and a drop already insert Qt's one read
// of the text where the cursor stands, the selection dropped, so an empty
// text changes nothing there.
#include <QLineEdit>

namespace vk {

class CasellaRiga : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void incolla();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

}  // namespace vk
