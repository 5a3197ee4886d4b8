#pragma once
// The program's multi-line text box. Every paste and drop (the keys, the
// context menu, the selection's middle click, a drag) goes through
// insertFromMimeData, which inserts the text read once (Incolla.h) and
// nothing where there is no text. The box keeps to LunghezzaMassimaTesto,
// as a file's texts do: a longer text is cut to what fits.
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
