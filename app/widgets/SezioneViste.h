#pragma once
// The view toggles of the main screen: cmdTastiera (Micro values lblTerze,
// lblQuinta or the keyboard picture ImgTastiera), cmdMostraIsto (the
// duplicate column), "Info" cmdInfoSemitoni and the texts it switches.
#include <QObject>
#include <QWidget>

namespace vk {

class FinestraPrincipale;

// A piano keyboard seen from above, drawn to any size: 52 white keys with
// the black ones between them.
class ImmagineTastiera : public QWidget {
    Q_OBJECT
public:
    explicit ImmagineTastiera(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override;
};

class SezioneViste : public QObject {
    Q_OBJECT
public:
    explicit SezioneViste(FinestraPrincipale& f);

private:
    void aggiorna();
    FinestraPrincipale& f_;
};

SezioneViste* InstallaSezioneViste(FinestraPrincipale& f);

}  // namespace vk
