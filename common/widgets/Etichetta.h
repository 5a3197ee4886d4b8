#pragma once
// Labels as designed: the text starts at the label's top edge and wraps at
// its width; the alignment only places it left, right or centre.
#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>

class QRectF;

namespace vk {

enum class Allineamento { Sinistra, Destra, Centro };

void FormaEtichetta(QLabel* l, Allineamento a = Allineamento::Sinistra);

// Whether `testo`, laid out by Qt with `flags` at `f`, fits in `area`.
bool TestoCape(const QFont& f, const QSizeF& area, int flags, const QString& testo);
// The font a text is drawn with: `f` when it fits in `area`, else `f` at the
// largest size at which it does, standing where `f` stood (a text is never
// cut short).
QFont CarattereCheCape(const QFont& f, const QSizeF& area, int flags, const QString& testo);

// A text as drawn in its box: its font, and how far below the box's top it
// starts.
struct TestoAdattato {
    QFont carattere;
    qreal abbassamento = 0;
};

// The layout of a text in its box, computed once per text, size and font.
class TestoInArea {
public:
    const TestoAdattato& adatta(const QFont& f, const QSizeF& area, int flags, const QString& testo);

private:
    QString testo_;
    QSizeF area_;
    int flags_ = 0;
    QFont chiesto_;
    TestoAdattato adattato_;
    bool valido_ = false;
};

// A label that draws a text too large for it at the largest size that fits,
// standing where its designed size stood, and every other text exactly as
// QLabel does.
class EtichettaAdattata : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int flagsTesto() const;
    const TestoAdattato& adattato() const;
    mutable TestoInArea disposto_;
};

}  // namespace vk
