#pragma once
// A full-window page over the main page. Opening moves it to Left 0, Top 0
// and shows it on top; closing hides it. While any Schermata covers the main
// page, that page is hidden and disabled, so none of its controls can take
// the focus or be clicked. As a dialog does, opening puts the keyboard focus
// on the screen's first control in the tab order, and closing gives it back
// to the control that held it when the screen opened.
#include <QPointer>
#include <QWidget>

#include "common/Colori.h"

namespace vk {

class Schermata : public QWidget {
    Q_OBJECT
public:
    // `paginaCoperta` is the main page it covers (may be null); `parent` is
    // the window that holds both.
    Schermata(QWidget* paginaCoperta, QWidget* parent);
    ~Schermata() override;

    void apri() { show(); }
    void chiudi() { hide(); }
    bool inVista() const { return !isHidden(); }
    // Opens or closes it as its model says; nothing when it already is so.
    void mostraSe(bool aperta) {
        if (aperta && !inVista()) apri();
        else if (!aperta && inVista()) chiudi();
    }

    ColoreVB coloreSfondo() const { return sfondo_; }
    void setColoreSfondo(ColoreVB c);

    // Catches show() and hide() too, so the page follows however it is done.
    void setVisible(bool visibile) override;

    // The first control inside the screen that Tab would reach, or null.
    QWidget* primoControllo() const;

signals:
    void aperta();
    void chiusa();

private:
    void copri(bool si);
    QPointer<QWidget> pagina_;  // may go first when siblings are destroyed
    QPointer<QWidget> apertaDa_;
    bool copre_ = false;
    ColoreVB sfondo_ = Colori::FacciaPulsante;
};

}  // namespace vk
