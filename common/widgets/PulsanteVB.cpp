#include "common/widgets/PulsanteVB.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>
#include <QTimer>
#include <utility>

#include "common/RipetizioneAutomatica.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"

namespace vk {

namespace {
bool TastoInvio(int k) { return k == Qt::Key_Return || k == Qt::Key_Enter; }
}  // namespace

PulsanteVB::PulsanteVB(QWidget* parent) : PulsanteVB(QString(), parent) {}

PulsanteVB::PulsanteVB(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    applicaColore();
}

void PulsanteVB::setColoreSfondo(ColoreVB c) {
    if (c == sfondo_) return;
    sfondo_ = c;
    applicaColore();
}

void PulsanteVB::setGrafico(bool g) {
    if (g == grafico_) return;
    grafico_ = g;
    applicaColore();
}

void PulsanteVB::applicaColore() {
    // Setting the colour the button already shows would still repaint it.
    const QColor c = ColoreQt(grafico_ ? sfondo_ : Colori::FacciaPulsante);
    QPalette p = palette();
    if (p.isBrushSet(QPalette::Active, QPalette::Button) && p.color(QPalette::Button) == c) return;
    p.setColor(QPalette::Button, c);
    setPalette(p);
}

void PulsanteVB::mousePressEvent(QMouseEvent* e) {
    e->accept();
    const Qt::MouseButton b = e->button();
    if (b == Qt::NoButton || premuti_.testFlag(b)) return;
    premuti_ |= b;
    if (b == Qt::LeftButton) setDown(true);
    emit mouseDown(b);
}

void PulsanteVB::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    const Qt::MouseButton b = e->button();
    if (!premuti_.testFlag(b)) return;  // its mouse-up was already given
    if (b == Qt::LeftButton) {
        setDown(false);
        if (rect().contains(e->position().toPoint())) {
            // A click that hides or disables the button (opening a screen
            // over it) loses the mouse; its mouse-up waits for the click's end.
            QPointer<PulsanteVB> vivo(this);
            inClic_ = true;
            perso_ = false;
            emit clic();
            if (!vivo) return;
            inClic_ = false;
            if (perso_) {
                rilasciaTutti();
                return;
            }
        }
    }
    premuti_.setFlag(b, false);
    emit mouseUp(b);
}

void PulsanteVB::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    if (premuti_.testFlag(Qt::LeftButton)) setDown(rect().contains(e->position().toPoint()));
}

void PulsanteVB::keyPressEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k == Qt::Key_Space || TastoInvio(k)) {
        e->accept();
        if (e->isAutoRepeat()) return;
        if (k == Qt::Key_Space) {
            spazio_ = true;
            setDown(true);
        } else {
            emit clic();
        }
        return;
    }
    QPushButton::keyPressEvent(e);
}

void PulsanteVB::keyReleaseEvent(QKeyEvent* e) {
    const int k = e->key();
    if (k == Qt::Key_Space || TastoInvio(k)) {
        e->accept();
        if (e->isAutoRepeat() || k != Qt::Key_Space || !spazio_) return;
        spazio_ = false;
        setDown(premuti_.testFlag(Qt::LeftButton));
        emit clic();
        return;
    }
    QPushButton::keyReleaseEvent(e);
}

void PulsanteVB::rilasciaTutti() {
    spazio_ = false;
    setDown(false);
    perso_ = inClic_;
    if (inClic_) return;
    const Qt::MouseButtons tenuti = premuti_;
    premuti_ = Qt::NoButton;
    for (unsigned bit = 1; bit != 0; bit <<= 1)
        if (tenuti.toInt() & bit) emit mouseUp(static_cast<Qt::MouseButton>(bit));
}

void PulsanteVB::focusOutEvent(QFocusEvent* e) {
    rilasciaTutti();
    QPushButton::focusOutEvent(e);
}

void PulsanteVB::hideEvent(QHideEvent* e) {
    rilasciaTutti();
    QPushButton::hideEvent(e);
}

void PulsanteVB::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && !isEnabled()) rilasciaTutti();
    QPushButton::changeEvent(e);
}

bool PulsanteVB::event(QEvent* e) {
    // An access key (&X in the caption) is a keyboard click.
    if (e->type() == QEvent::Shortcut) {
        if (isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            emit clic();
        }
        return true;
    }
    return QPushButton::event(e);
}

void DisegnaSmusso(QPainter& p, const QRect& r, const QPalette& pal, bool giu, const QBrush& fondo) {
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    // The style draws its lines otherwise on a scaled device and below three
    // pixels a side.
    if (p.device()->devicePixelRatio() != 1 || w < 3 || h < 3) {
        qDrawWinButton(&p, r, pal, giu, &fondo);
        return;
    }
    // Outer edge: top and left, then bottom and right; inner edge the same.
    const QColor c1 = giu ? pal.shadow().color() : pal.light().color();
    const QColor c2 = giu ? pal.light().color() : pal.shadow().color();
    const QColor c3 = giu ? pal.dark().color() : pal.button().color();
    const QColor c4 = giu ? pal.button().color() : pal.dark().color();
    p.fillRect(QRect(x, y, 1, h - 1), c1);
    p.fillRect(QRect(x, y, w - 1, 1), c1);
    p.fillRect(QRect(x, y + h - 1, w, 1), c2);
    p.fillRect(QRect(x + w - 1, y, 1, h), c2);
    if (w <= 4 || h <= 4) return;
    p.fillRect(QRect(x + 1, y + 1, 1, h - 3), c3);
    p.fillRect(QRect(x + 1, y + 1, w - 3, 1), c3);
    p.fillRect(QRect(x + 1, y + h - 2, w - 2, 1), c4);
    p.fillRect(QRect(x + w - 2, y + 1, 1, h - 2), c4);
    p.fillRect(QRect(x + 2, y + 2, w - 4, h - 4), fondo);
}

namespace {

constexpr int FlagsCaption = Qt::AlignCenter | Qt::TextShowMnemonic;

// The caption's lines at `fm`: a line ends only at a space (Qt's own
// wrapping also breaks after a hyphen). Whether a line fits is asked of Qt's
// layout itself, so the breaks at spaces fall where they always did.
QStringList RigheAgliSpazi(const QString& testo, const QFontMetrics& fm, int larghezza) {
    auto cape = [&](const QString& riga) {
        const QRect r = fm.boundingRect(QRect(0, 0, larghezza, 1 << 20), Qt::TextWordWrap | Qt::TextShowMnemonic, riga);
        return r.height() < 2 * fm.height();
    };
    QStringList righe;
    for (const QString& paragrafo : testo.split(QLatin1Char('\n'))) {
        QString riga;
        for (const QString& parola : paragrafo.split(QLatin1Char(' '))) {
            if (riga.isEmpty()) riga = parola;
            else if (const QString piu = riga + QLatin1Char(' ') + parola; cape(piu)) riga = piu;
            else righe << std::exchange(riga, parola);
        }
        righe << riga;
    }
    return righe;
}

// Each line too wide broken after its hyphens.
QStringList AiTrattini(const QStringList& righe, const QFontMetrics& fm, int larghezza) {
    QStringList fuori;
    for (const QString& riga : righe) {
        if (fm.size(Qt::TextShowMnemonic, riga).width() <= larghezza || !riga.contains(QLatin1Char('-'))) {
            fuori << riga;
            continue;
        }
        qsizetype da = 0;
        for (qsizetype i = riga.indexOf(QLatin1Char('-')); i >= 0; i = riga.indexOf(QLatin1Char('-'), i + 1)) {
            fuori << riga.mid(da, i + 1 - da);
            da = i + 1;
        }
        if (da < riga.size()) fuori << riga.mid(da);
    }
    return fuori;
}

}  // namespace

const PulsanteVB::Disposizione& PulsanteVB::disposizione() const {
    const QString& testo = text();
    if (disposizione_ && disposizione_->testo == testo && disposizione_->dimensione == size() &&
        disposizione_->chiesto == font())
        return *disposizione_;
    const QRect area = AreaCaption(rect());
    auto cape = [&](const QFont& f, const QStringList& righe) {
        return TestoCape(f, area.size(), FlagsCaption, righe.join(QLatin1Char('\n')));
    };
    Disposizione d{testo, size(), font(), RigheAgliSpazi(testo, fontMetrics(), area.width()), font()};
    if (!cape(d.carattere, d.righe)) {
        if (const QStringList spezzate = AiTrattini(d.righe, fontMetrics(), area.width());
            spezzate.size() > d.righe.size() && cape(d.carattere, spezzate)) {
            d.righe = spezzate;
        } else {
            // Each size wraps the caption at spaces anew.
            d.carattere = CarattereCheCape(font(), area.size(), FlagsCaption, d.righe.join(QLatin1Char('\n')));
            d.righe = RigheAgliSpazi(testo, QFontMetrics(d.carattere), area.width());
        }
    }
    disposizione_ = std::move(d);
    return *disposizione_;
}

void PulsanteVB::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const bool giu = isDown();
    const QBrush fondo(pal.color(QPalette::Button));
    DisegnaSmusso(p, rect(), pal, giu, fondo);
    QRect area = AreaCaption(rect());
    if (giu) area.translate(1, 1);
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const Disposizione& d = disposizione();
    if (d.carattere != font()) p.setFont(d.carattere);
    p.drawText(area, FlagsCaption, d.righe.join(QLatin1Char('\n')));
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(4, 4, -4, -4);
        o.backgroundColor = fondo.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

TimerVB::TimerVB(QObject* parent, int intervallo)
    : QObject(parent), timer_(new QTimer(this)), intervallo_(intervallo) {
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &TimerVB::scatto);
}

void TimerVB::setIntervallo(int ms) {
    intervallo_ = ms;
    aggiorna(true);
}

void TimerVB::setAbilitato(bool a) {
    if (a == abilitato_) return;
    abilitato_ = a;
    aggiorna(true);
}

bool TimerVB::staContando() const { return timer_->isActive(); }

void TimerVB::aggiorna(bool riparti) {
    if (abilitato_ && intervallo_ >= 1) {
        if (riparti || !timer_->isActive()) timer_->start(intervallo_);
    } else {
        timer_->stop();
    }
}

PilotaRipetizione::PilotaRipetizione(RipetizioneAutomatica& r, QObject* parent)
    : QObject(parent), r_(r), timer_(new TimerVB(this, r.intervallo())) {
    connect(timer_, &TimerVB::scatto, this, [this] {
        r_.tick();
        sincronizza();
        emit eseguito();
    });
}

PilotaRipetizione::Gesti PilotaRipetizione::propri() {
    return {[this] { r_.premi(); }, [this] { r_.clic(); }, [this] { r_.rilascia(); }};
}

void PilotaRipetizione::collega(PulsanteVB* p, Gesti g) {
    if (g.premi)
        connect(p, &PulsanteVB::mouseDown, this, [this, f = std::move(g.premi)](Qt::MouseButton) {
            f();
            sincronizza();
            emit eseguito();
        });
    if (g.clic)
        connect(p, &PulsanteVB::clic, this, [this, f = std::move(g.clic)] {
            f();
            emit eseguito();
        });
    if (g.rilascia)
        connect(p, &PulsanteVB::mouseUp, this, [this, f = std::move(g.rilascia)](Qt::MouseButton) {
            f();
            sincronizza();
            emit eseguito();
        });
}

void PilotaRipetizione::premi() {
    r_.premi();
    sincronizza();
    emit eseguito();
}

void PilotaRipetizione::clic() {
    r_.clic();
    emit eseguito();
}

void PilotaRipetizione::rilascia() {
    r_.rilascia();
    sincronizza();
    emit eseguito();
}

void PilotaRipetizione::sincronizza() {
    if (timer_->intervallo() != r_.intervallo()) timer_->setIntervallo(r_.intervallo());
    timer_->setAbilitato(r_.attivo());
}

}  // namespace vk
