#include "common/widgets/Schermata.h"

#include <QVariant>

#include "common/widgets/ColoriQt.h"

namespace vk {

namespace {
// Several screens may cover one page; it comes back when the last one closes.
constexpr const char* Copertura = "vkSchermateSopra";
}  // namespace

Schermata::Schermata(QWidget* paginaCoperta, QWidget* parent) : QWidget(parent), pagina_(paginaCoperta) {
    setAutoFillBackground(true);
    Colora(this, QPalette::Window, sfondo_);
    QWidget::setVisible(false);
}

Schermata::~Schermata() { copri(false); }

void Schermata::setColoreSfondo(ColoreVB c) {
    if (c == sfondo_) return;
    sfondo_ = c;
    Colora(this, QPalette::Window, c);
}

void Schermata::setVisible(bool visibile) {
    if (visibile == !isHidden()) {
        QWidget::setVisible(visibile);
        return;
    }
    // Show the new top before hiding the one beneath, so that the focus
    // moves into what stays visible.
    if (visibile) {
        // The window's focus widget is kept even while the window is not
        // active, so the opener is known however the screen was opened.
        QWidget* prima = window()->focusWidget();
        apertaDa_ = prima && !isAncestorOf(prima) ? prima : nullptr;
        move(0, 0);
        QWidget::setVisible(true);
        raise();
        copri(true);
        if (QWidget* w = primoControllo()) w->setFocus(Qt::TabFocusReason);
        emit aperta();
    } else {
        copri(false);
        QWidget::setVisible(false);
        // Hiding moves the focus to the next control of the window; the
        // opener takes it back when it can hold it again.
        QWidget* da = apertaDa_;
        apertaDa_ = nullptr;
        if (da && da->isVisibleTo(window()) && da->isEnabled()) da->setFocus(Qt::OtherFocusReason);
        emit chiusa();
    }
}

QWidget* Schermata::primoControllo() const {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) return w;
    return nullptr;
}

void Schermata::copri(bool si) {
    if (si == copre_ || !pagina_) return;
    copre_ = si;
    const int sopra = pagina_->property(Copertura).toInt() + (si ? 1 : -1);
    pagina_->setProperty(Copertura, sopra);
    // Hidden, so nothing beneath is painted or clicked; disabled too, as a
    // hidden widget can still be given the focus by setFocus().
    pagina_->setEnabled(sopra <= 0);
    pagina_->setVisible(sopra <= 0);
}

}  // namespace vk
