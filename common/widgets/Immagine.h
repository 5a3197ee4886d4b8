#pragma once
// A picture control: its picture stretched to the control's size. The
// picture is a drawing made for its own size in pixels and drawn, scaled, at
// each paint: no image is kept, and a picture on a screen not yet shown
// costs nothing.
#include <QImage>
#include <QSize>
#include <QWidget>
#include <functional>

class QPainter;

namespace vk {

class Immagine : public QWidget {
public:
    using Disegno = std::function<void(QPainter&)>;
    Immagine(QWidget* parent, QSize dimensione, Disegno disegno);

    // The picture's own size, and the picture drawn at it (for tests and tools).
    QSize dimensione() const { return dimensione_; }
    QImage immagine() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QSize dimensione_;
    Disegno disegno_;
};

}  // namespace vk
