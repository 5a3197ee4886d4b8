#include "common/widgets/CasellaMultiriga.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "common/FileTesto.h"
#include "common/widgets/Incolla.h"
#include "common/widgets/SpazioTesto.h"

namespace vk {

namespace {

// The text a key adds, as the box's own handling of keys takes it: a line
// break for the Enter keys; the key's text where it is typed text, not a
// shortcut (Ctrl, Ctrl+Shift), a control character or a key with no text.
QString TestoDelTasto(const QKeyEvent* e) {
    if (e->matches(QKeySequence::InsertParagraphSeparator) || e->matches(QKeySequence::InsertLineSeparator))
        return QStringLiteral("\n");
    const QString t = e->text();
    if (t.isEmpty()) return {};
    const QChar c = t.front();
    if (c.category() == QChar::Other_Format) return t;
    const Qt::KeyboardModifiers m = e->modifiers();
    if (m == Qt::ControlModifier || m == (Qt::ShiftModifier | Qt::ControlModifier)) return {};
    if (c.category() == QChar::Other_Control && c != u'\t') return {};
    return t;
}

}  // namespace

qsizetype CasellaMultiriga::spazio() const {
    return static_cast<qsizetype>(LunghezzaMassimaTesto) - CaratteriNelFile(toPlainText(), ACapo::InCRLF) +
           CaratteriNelFile(textCursor().selectedText(), ACapo::InCRLF);
}

void CasellaMultiriga::keyPressEvent(QKeyEvent* e) {
    if (!isReadOnly()) {
        const QString testo = TestoDelTasto(e);
        if (!testo.isEmpty() && CaratteriNelFile(testo, ACapo::InCRLF) > spazio()) {
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void CasellaMultiriga::inputMethodEvent(QInputMethodEvent* e) {
    ImmettiCheEntra(e, spazio(), ACapo::InCRLF,
                    [this](QInputMethodEvent* d) { QPlainTextEdit::inputMethodEvent(d); });
}

bool CasellaMultiriga::canInsertFromMimeData(const QMimeData* source) const {
    // Asked at every move of a drag and for the context menu's Paste: the
    // kind of data only, so that nothing is fetched before the insertion.
    return source && source->hasText();
}

void CasellaMultiriga::insertFromMimeData(const QMimeData* source) {
    const QString testo = TestoDaIncollare(source);
    if (testo.isEmpty()) return;
    const QString entra = InizioCheEntra(testo, spazio(), ACapo::InCRLF);
    if (!entra.isEmpty()) insertPlainText(entra);
}

}  // namespace vk
