#include "common/widgets/CasellaRiga.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include "common/FileTesto.h"
#include "common/widgets/Incolla.h"
#include "common/widgets/SpazioTesto.h"

namespace vk {

namespace {

// Qt's line edit hands every edit of the user's to its validator and takes
// the edit back when the validator refuses it: the one check that no way
// of typing goes round.
class LimiteVoce : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int&) const override {
        return CaratteriNelFile(testo, ACapo::ComeSono) <= static_cast<qsizetype>(LunghezzaMassimaVoce)
                   ? Acceptable
                   : Invalid;
    }
};

}  // namespace

CasellaRiga::CasellaRiga(QWidget* parent) : QLineEdit(parent) { setValidator(new LimiteVoce(this)); }

qsizetype CasellaRiga::spazio() const {
    return static_cast<qsizetype>(LunghezzaMassimaVoce) - CaratteriNelFile(text(), ACapo::ComeSono) +
           CaratteriNelFile(selectedText(), ACapo::ComeSono);
}

void CasellaRiga::inserisci(const QString& testo) {
    if (testo.isEmpty()) return;
    const QString entra = InizioCheEntra(testo, spazio(), ACapo::ComeSono);
    if (!entra.isEmpty()) insert(entra);
}

void CasellaRiga::incolla() {
    if (isReadOnly()) return;
    inserisci(TestoDaIncollare(QGuiApplication::clipboard()->mimeData()));
}

void CasellaRiga::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        incolla();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void CasellaRiga::inputMethodEvent(QInputMethodEvent* e) {
    ImmettiCheEntra(e, spazio(), ACapo::ComeSono, [this](QInputMethodEvent* d) { QLineEdit::inputMethodEvent(d); });
}

void CasellaRiga::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        inserisci(TestoDaIncollare(QGuiApplication::clipboard()->mimeData(QClipboard::Selection)));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void CasellaRiga::dropEvent(QDropEvent* e) {
    if (isReadOnly()) {
        QLineEdit::dropEvent(e);
        return;
    }
    // Qt's drop inserts the text it is handed where it falls, the selection
    // dropped: it is handed what fits.
    deselect();
    QMimeData entra;
    entra.setText(InizioCheEntra(TestoDaIncollare(e->mimeData()), spazio(), ACapo::ComeSono));
    if (entra.text().isEmpty()) {
        e->ignore();
        return;
    }
    QDropEvent d(e->position(), e->possibleActions(), &entra, e->buttons(), e->modifiers(), e->type());
    d.setDropAction(e->dropAction());
    QLineEdit::dropEvent(&d);
    e->setDropAction(d.dropAction());
    e->setAccepted(d.isAccepted());
}

void CasellaRiga::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste is the action tied to paste(), by name in this Qt.
    for (QAction* a : menu->actions()) {
        const bool perNome = disconnect(a, SIGNAL(triggered()), this, SLOT(paste()));
        if (disconnect(a, &QAction::triggered, this, &QLineEdit::paste) || perNome)
            connect(a, &QAction::triggered, this, &CasellaRiga::incolla);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(e->globalPos());
}

}  // namespace vk
