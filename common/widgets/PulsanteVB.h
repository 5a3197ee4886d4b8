#pragma once
// A command button with the event order of the program: a mouse press gives
// mouseDown(button), the left button released over it gives clic(), then
// every release gives mouseUp(button). Space and Enter give clic() alone.
// QPushButton's own pressed/released/clicked are not used: they come in
// another order and fire again when the pointer leaves and re-enters.
// Painted flat in its own colour with a plain bevel, as the style would
// tint and shade the state colours the program relies on.
#include <QPushButton>
#include <QStringList>
#include <QFont>
#include <functional>
#include <optional>

#include "common/Colori.h"

class QBrush;
class QPainter;
class QTimer;

namespace vk {

// The plain Windows bevel of a button, raised or pressed, filled with
// `fondo`: what qDrawWinButton draws, pixel for pixel, in filled rectangles
// rather than lines, which a screen of some dozens of buttons paints several
// times faster.
void DisegnaSmusso(QPainter& p, const QRect& r, const QPalette& pal, bool giu, const QBrush& fondo);

class PulsanteVB : public QPushButton {
    Q_OBJECT
public:
    explicit PulsanteVB(QWidget* parent = nullptr);
    PulsanteVB(const QString& caption, QWidget* parent = nullptr);

    // The back colour as the program holds it; shown only in graphical style,
    // as a standard button always shows the system face.
    ColoreVB coloreSfondo() const { return sfondo_; }
    void setColoreSfondo(ColoreVB c);
    bool grafico() const { return grafico_; }
    void setGrafico(bool g);

    // Whether a mouse button pressed on this button is still held.
    bool premuto() const { return premuti_ != Qt::NoButton; }

    // Where the caption of a button of this rectangle lies, raised.
    static QRect AreaCaption(const QRect& r) { return r.adjusted(3, 3, -3, -3); }

signals:
    void mouseDown(Qt::MouseButton button);
    void clic();
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void applicaColore();
    // The caption's lines as drawn: wrapped at spaces to the margin inside
    // the bevel. A word wider than the margin breaks at its hyphen where the
    // lines then fit, else the caption is drawn at the largest size that
    // fits, so that it stays inside the face, pressed too. Laid out once per
    // caption, size and font, not at every paint.
    struct Disposizione {
        QString testo;
        QSize dimensione;
        QFont chiesto;
        QStringList righe;
        QFont carattere;
    };
    const Disposizione& disposizione() const;
    // The grab is gone: every held button gets its mouse-up, with no click.
    void rilasciaTutti();

    Qt::MouseButtons premuti_ = Qt::NoButton;
    bool spazio_ = false;
    bool inClic_ = false;
    bool perso_ = false;
    ColoreVB sfondo_ = Colori::FacciaPulsante;
    bool grafico_ = false;
    mutable std::optional<Disposizione> disposizione_;
};

// A timer as the program's windows use it: Interval in ms and Enabled;
// an interval below 1 never ticks, and setting the interval does not enable.
class TimerVB : public QObject {
    Q_OBJECT
public:
    explicit TimerVB(QObject* parent = nullptr, int intervallo = 0);

    int intervallo() const { return intervallo_; }
    // While enabled, a new interval restarts the count.
    void setIntervallo(int ms);
    bool abilitato() const { return abilitato_; }
    void setAbilitato(bool a);
    bool staContando() const;

signals:
    void scatto();

private:
    void aggiorna(bool riparti);
    QTimer* timer_;
    int intervallo_;
    bool abilitato_ = false;
};

class RipetizioneAutomatica;

// Drives a RipetizioneAutomatica from a button and a TimerVB: the timer runs
// exactly while the repetition generates ticks, and each tick calls tick().
class PilotaRipetizione : public QObject {
    Q_OBJECT
public:
    explicit PilotaRipetizione(RipetizioneAutomatica& r, QObject* parent = nullptr);

    // What a press, a click and a release of a button do; after each the
    // timer is brought in line (not after a click) and eseguito() emitted.
    // A step left empty is not wired.
    struct Gesti {
        std::function<void()> premi, clic, rilascia;
    };
    // The repetition's own three steps.
    Gesti propri();
    // The whole wiring of a hold-to-repeat button, in one call; the plain
    // case presses, clicks and releases the repetition itself.
    void collega(PulsanteVB* p) { collega(p, propri()); }
    void collega(PulsanteVB* p, Gesti g);
    void premi();
    void clic();
    void rilascia();
    // After the owner changed the repetition itself (a model's own press, a
    // new interval), brings the timer in line.
    void sincronizza();

    TimerVB& timer() { return *timer_; }
    RipetizioneAutomatica& ripetizione() { return r_; }

signals:
    // After every press, tick, click and release: time to repaint.
    void eseguito();

private:
    RipetizioneAutomatica& r_;
    TimerVB* timer_;
};

}  // namespace vk
