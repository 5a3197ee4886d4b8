#pragma once
// The main window vivUDO15: owns the state, the main page and the screens
// laid over it. Every subsystem adds its controls through crea() and a
// refresh through aggiungiAggiornamento(); commands change the state and
// call aggiorna().
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/StatoPrincipale.h"
#include "common/Geometria.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"

class QLabel;
class QPlainTextEdit;
class QLineEdit;

namespace vk {

class PulsanteVB;
struct PassiCaricamento;

class FinestraPrincipale : public QWidget {
    Q_OBJECT
public:
    explicit FinestraPrincipale(StatoPrincipale& stato, QWidget* parent = nullptr);

    StatoPrincipale& stato() { return stato_; }
    Temperamento& temperamento() { return stato_.temperamento; }
    QWidget* pagina() { return pagina_; }

    // Registers a control's designed geometry (twips, points), names the
    // widget "nome_indice" (or "nome") and places it. A name and index
    // already registered stop the program, naming the control.
    template <class W>
    W* crea(QWidget* genitore, const std::string& nome, int indice, TipoControllo tipo, float sinistra,
            float alto, float larghezza, float altezza, float carattere = 0) {
        auto* w = new W(genitore);
        registra(w, nome, indice, tipo, sinistra, alto, larghezza, altezza, carattere);
        return w;
    }
    // A label as designed: created and registered as crea() does, its text
    // from the top edge, placed left, right or centre.
    QLabel* etichetta(QWidget* genitore, const std::string& nome, int indice, float sinistra, float alto,
                      float larghezza, float altezza, float carattere, Allineamento a, const QString& testo = {});
    void registra(QWidget* w, const std::string& nome, int indice, TipoControllo tipo, float sinistra,
                  float alto, float larghezza, float altezza, float carattere = 0);
    // The same for a control built after the load (a screen's, at its first
    // opening): scaled and placed as the load's re-layout would have done.
    // Screens build through Costruttore, which calls this.
    void registraTardivo(QWidget* w, const std::string& nome, int indice, TipoControllo tipo, const Posto& p,
                         float carattere = 0);
    // A painted element with no widget of its own (a shape, a chart's
    // caption): registered under the same rule, and scaled as a control
    // registered late is.
    void registraDisegnato(const std::string& nome, int indice, TipoControllo tipo, const Posto& p,
                           float carattere = 0);
    // The widget of a registered control, or nullptr.
    QWidget* controllo(const std::string& nome, int indice = -1) const;

    // Places every registered widget again from the registry (after a re-layout).
    void posizionaTutto();

    // Refreshes every section from the state.
    void aggiungiAggiornamento(std::function<void()> f) { aggiornamenti_.push_back(std::move(f)); }
    void aggiorna();

    // Text boxes whose texts the user edits freely; their edits go to the
    // temperament at once (CR LF kept in the model).
    QPlainTextEdit* nomeTemperamento() const { return txtNome_; }
    QPlainTextEdit* descrizione() const { return txtDescrizione_; }
    QLineEdit* frazione(int k) const { return txtFraz_[static_cast<size_t>(k)]; }
    PulsanteVB* pulsanteComma() const { return cmdComma_; }

private:
    void riserva(const std::string& nome, int indice) const;
    void creaCelleTemperamento();
    void aggiornaCelleTemperamento();

    StatoPrincipale& stato_;
    QWidget* pagina_;
    std::map<std::pair<std::string, int>, QWidget*> widget_;
    std::vector<std::function<void()>> aggiornamenti_;
    QPlainTextEdit* txtNome_ = nullptr;
    QPlainTextEdit* txtDescrizione_ = nullptr;
    std::array<QLineEdit*, 13> txtFraz_{};
    PulsanteVB* cmdComma_ = nullptr;
    bool inAggiornamento_ = false;
};

// Converts between the model's CR LF and a text box's LF.
QString TestoPerCasella(const std::string& modello);
std::string TestoDaCasella(const QString& casella);

// The main window's load: builds it with "Esc" (the closing screen comes at
// its first opening), lets `installa` add the other screens, runs the load
// sequence (`ritocca` may change its steps: tests) and places the controls
// where the re-layout put them. When the probe could not copy the data folder into the user's, a
// warning says where and why.
inline constexpr const char* TitoloAvvio = "Avvio del Programma";
std::unique_ptr<FinestraPrincipale> CaricaFinestraPrincipale(
    StatoPrincipale& s, const std::function<void(PassiCaricamento&)>& ritocca = {},
    const std::function<void(FinestraPrincipale&)>& installa = {});

}  // namespace vk
