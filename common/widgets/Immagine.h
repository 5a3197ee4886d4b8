#pragma once
// A picture control: its image stretched to the control's size.
#include <QImage>
#include <QWidget>

namespace vk {

class Immagine : public QWidget {
public:
    Immagine(QWidget* parent, QImage img) : QWidget(parent), img_(std::move(img)) {}
    const QImage& immagine() const { return img_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage img_;
};

}  // namespace vk
