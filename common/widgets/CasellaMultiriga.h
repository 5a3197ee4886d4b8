#pragma once
// The program's multi-line text box. A paste or a drop of clipboard data
// with no text in it (an empty clipboard, data of another kind) is refused
// here: Qt's own insertion can crash on such data.
#include <QPlainTextEdit>

namespace vk {

class CasellaMultiriga : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace vk
