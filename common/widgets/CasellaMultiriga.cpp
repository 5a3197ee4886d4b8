#include "common/widgets/CasellaMultiriga.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <algorithm>

#include "common/FileTesto.h"
#include "common/widgets/Incolla.h"
#include "common/widgets/SpazioTesto.h"

namespace vk {

namespace {

// Longer than any word: a run with no place to break past this length
// makes the box wrap anywhere.
constexpr qsizetype ParolaPiuLunga = 200;

// The longest run of the text where no line may break: a line breaks where
// the line-breaking rules allow it and after a blank.
qsizetype TrattoSenzaACapo(const QString& testo) {
    QTextBoundaryFinder rotture(QTextBoundaryFinder::Line, testo);
    qsizetype piu = 0, tratto = 0;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        rotture.setPosition(i);
        if (rotture.isAtBoundary() || (i > 0 && testo[i - 1].isSpace())) tratto = 0;
        piu = std::max(piu, ++tratto);
    }
    return piu;
}

// The text a key adds, as the box's own handling of keys takes it: a line
// break for the Enter keys; the key's text where it is typed text, not a
// shortcut (Ctrl, Ctrl+Shift), a control character other than a Tab (which
// a box that keeps the Tab key types) or a key with no text.
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

CasellaMultiriga::CasellaMultiriga(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChange, this, &CasellaMultiriga::adattaACapo);
}

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

void CasellaMultiriga::adattaACapo() {
    const QTextDocument* d = document();
    const bool ovunque = d->characterCount() > ParolaPiuLunga && TrattoSenzaACapo(d->toRawText()) > ParolaPiuLunga;
    if (ovunque == aCapoOvunque_) return;
    QTextOption o = d->defaultTextOption();
    if (ovunque) aCapoProprio_ = o.wrapMode();
    o.setWrapMode(ovunque ? QTextOption::WrapAnywhere : aCapoProprio_);
    aCapoOvunque_ = ovunque;
    document()->setDefaultTextOption(o);
}

}  // namespace vk
