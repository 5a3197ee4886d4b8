#pragma once
// A one-line label of a table. A page change or a recomputation repaints
// some hundreds of them at once, so each paints itself plainly: its back
// colour (QPalette::Window) when opaque, then its text, laid out once,
// from the top edge and placed as its alignment says.
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QStaticText>

#include "common/widgets/Etichetta.h"

namespace vk {

class CellaTesto : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    bool opaca() const { return opaca_; }
    void setOpaca(bool o);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // A text wider than the cell is drawn at the largest size that fits,
    // standing where its designed size stood.
    const TestoAdattato& adattato() const;
    bool opaca_ = false;
    QString testoDisposto_;
    QFont fontDisposto_;
    QStaticText disposto_;
    QHash<QString, QStaticText>* disposti_ = nullptr;  // those of fontDisposto_
    mutable TestoInArea adattato_;
};

}  // namespace vk
