#pragma once
// The notation button cmdLingua and the forty note labels of the main
// screen: lblNote(1..13, 0) along the circle of fifths, lblNote(14..26) a
// major third above them, lblScalaST(1..13) the chromatic header.
#include <QObject>

namespace vk {

class FinestraPrincipale;

class SezioneNote : public QObject {
    Q_OBJECT
public:
    explicit SezioneNote(FinestraPrincipale& f);

private:
    void aggiorna();
    FinestraPrincipale& f_;
};

SezioneNote* InstallaSezioneNote(FinestraPrincipale& f);

}  // namespace vk
