#pragma once
// The bar charts of the main screen with their cells: the painters of the
// two charts, the cents cells lblQuinteC(1..12), lblTerzeC(0..12) and
// lblSemitoniC(1..12), the third buttons cmdTerze(1..12) (their clicks
// belong to the thirds editor) and Command9 "Colori Quinte". Every
// aggiorna() of the window rewrites the cells and repaints the bars.
#include <QObject>

namespace vk {

class FinestraPrincipale;
class GraficoIstogrammi;

class SezioneGrafici : public QObject {
    Q_OBJECT
public:
    explicit SezioneGrafici(FinestraPrincipale& f);

    GraficoIstogrammi* graficoQuinteTerze() const { return quinteTerze_; }
    GraficoIstogrammi* graficoSemitoni() const { return semitoni_; }

    void aggiorna();

private:
    FinestraPrincipale& f_;
    GraficoIstogrammi* quinteTerze_;
    GraficoIstogrammi* semitoni_;
};

SezioneGrafici* InstallaSezioneGrafici(FinestraPrincipale& f);

}  // namespace vk
