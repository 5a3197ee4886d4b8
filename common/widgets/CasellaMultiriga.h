#pragma once
// The program's multi-line text box. It keeps to LunghezzaMassimaTesto, as
// a file's texts do, however text comes in: a key that would take it past
// the limit adds nothing, an input method's text and a paste or a drop are
// cut to what fits (SpazioTesto.h). Every paste and drop (the keys, the
// context menu, the selection's middle click, a drag) goes through
// insertFromMimeData, which inserts the text read once (Incolla.h) and
// nothing where there is no text.
//
// A text that holds a run longer than any word with no place to break (a
// pasted line of digits, say) wraps anywhere: wrapped at its words, such a
// run is laid out again to its end for each line it takes, at a cost that
// grows with the square of its length on every key. Any other text wraps
// as the box was set to.
#include <QPlainTextEdit>
#include <QTextOption>

namespace vk {

class CasellaMultiriga : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CasellaMultiriga(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The characters the box has room for, the selection's given back.
    qsizetype spazio() const;
    void adattaACapo();

    bool aCapoOvunque_ = false;
    QTextOption::WrapMode aCapoProprio_ = QTextOption::WrapAtWordBoundaryOrAnywhere;
};

}  // namespace vk
