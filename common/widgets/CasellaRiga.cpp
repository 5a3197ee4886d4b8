#include "common/widgets/CasellaRiga.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "common/widgets/Incolla.h"

namespace vk {

void CasellaRiga::incolla() {
    if (isReadOnly()) return;
    const QString testo = TestoDaIncollare(QGuiApplication::clipboard()->mimeData());
    if (!testo.isEmpty()) insert(testo);
}

void CasellaRiga::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        incolla();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
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
