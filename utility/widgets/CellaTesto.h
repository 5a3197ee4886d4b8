#pragma once
// A one-line label of the interval table. A page change repaints some two
// hundred of them at once, so each paints itself plainly: its back colour
// (QPalette::Window) when opaque, then its text, laid out once for the run,
// from the top edge and placed as its alignment says. An opaque cell keeps
// its last few looks as images, so paging back copies them.
#include <QFont>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QStaticText>
#include <array>

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
    struct Aspetto {
        QString testo;
        QRgb sfondo = 0, inchiostro = 0;
        Qt::Alignment allineamento;
        int margine = 0;  // image columns left of the cell
        QImage immagine;
    };
    void aggiornaDisposto();
    void disegna(QPainter& p);
    void disegnaAspetto(QPainter& p, const Aspetto& v) const;

    bool opaca_ = false;
    QString testoDisposto_;
    QFont fontDisposto_;
    QStaticText disposto_;
    QHash<QString, QStaticText>* disposti_ = nullptr;  // those of fontDisposto_
    // Three pages and one more; a few kilobytes each.
    std::array<Aspetto, 4> aspetti_;
    size_t prossimo_ = 0;
};

}  // namespace vk
