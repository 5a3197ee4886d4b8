#pragma once
// The kit every screen built at its first opening is made with.
//
// A screen keeps its layout numbers in tables of its own (a Posto per
// control, a CarattereProgetto where the font is not the screen's), makes one
// Costruttore over itself while it builds, and adds each control in one line:
//
//     Costruttore k(finestra, this);
//     auto* la = k.pulsante("cmdLA", -1, PostoLA, {}, Colori::RossoChiaro);
//     auto* nota = k.cella("lblNomiNote", n, {360, Righe[n], 735, 255});
//     diapason.collega(k.pulsante(...), {premi, {}, rilascia});  // hold-to-repeat
//
// Every control is registered in the window's registry at the twips it is
// drawn at, scaled as the load's re-layout scaled the rest, named
// "nome_indice" and placed; FinestraPrincipale::posizionaTutto() places it
// again the same way, strips (Fascia) included.
//
// A screen repaints from its model only what changed: ScriviSeDiverso for a
// text, Colora and PulsanteVB::setColoreSfondo for a colour, and
// Schermata::mostraSe for open or closed.
//
// It is installed as SchermataInstallata: the model for the run, the opening
// button on the main page, the widget from its first opening on.
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Colori.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Posiziona.h"

class QFrame;
class QLabel;
class QWidget;

namespace vk {

class CellaTesto;
class FinestraPrincipale;
class PulsanteVB;

class Costruttore {
public:
    // Controls go into `genitore` (a screen, or a frame of it, whose twips
    // they are in); labels, cells and buttons take `predefinito` unless told.
    Costruttore(FinestraPrincipale& finestra, QWidget* genitore, CarattereProgetto predefinito = {8.25f});

    // Any control, with the font `c` (none when c.punti is 0).
    template <class W>
    W* crea(const std::string& nome, int indice, const Posto& p, const CarattereProgetto& c = {}) {
        auto* w = new W(genitoreDi(p));
        metti(w, nome, indice, p, c);
        return w;
    }
    // A label: its text from the top edge, wrapped, placed as `a` says.
    QLabel* etichetta(const std::string& nome, int indice, const Posto& p, const QString& testo,
                      Allineamento a = Allineamento::Sinistra, std::optional<CarattereProgetto> c = {});
    // A one-line cell of a table that paints its own back colour (and text
    // colour, when given).
    CellaTesto* cella(const std::string& nome, int indice, const Posto& p, ColoreVB sfondo,
                      std::optional<ColoreVB> testo = {}, Allineamento a = Allineamento::Centro,
                      std::optional<CarattereProgetto> c = {});
    // A button in graphical style, in its own back colour.
    PulsanteVB* pulsante(const std::string& nome, int indice, const Posto& p, const QString& caption,
                         ColoreVB sfondo, std::optional<CarattereProgetto> c = {});
    // A shape: a filled box with a plain black edge.
    QFrame* forma(const std::string& nome, int indice, const Posto& p, ColoreVB sfondo);
    // A never-shown label that holds a value; found by name, not registered.
    QLabel* nascosta(const std::string& nome, int indice = -1);

    // Splits the screen from these tops on into strips of this back colour;
    // from then on each control goes into the strip its top lies in.
    void fasce(const std::vector<float>& inizi, ColoreVB sfondo);

    const CarattereProgetto& predefinito() const { return predefinito_; }

private:
    QWidget* genitoreDi(const Posto& p) const;
    void metti(QWidget* w, const std::string& nome, int indice, const Posto& p, const CarattereProgetto& c);

    FinestraPrincipale& f_;
    QWidget* genitore_;
    CarattereProgetto predefinito_;
    std::vector<std::pair<float, QWidget*>> fasce_;  // top in twips, strip
};

// The button on the main page that opens a screen: graphical, in its own
// colour, with its tooltip; registered at the load like the main page's.
PulsanteVB* PulsanteApertura(FinestraPrincipale& finestra, const std::string& nome, const Posto& p, float punti,
                             const QString& caption, ColoreVB sfondo, const QString& suggerimento);

// A screen as installed: its model, which lasts for the run, and its widget,
// built at the first opening. schermata() is null until then: the one way to
// ask whether a screen is built yet.
template <class Modello, class Widget>
class SchermataInstallata {
public:
    template <class... A>
    explicit SchermataInstallata(A&&... a) : modello_(std::forward<A>(a)...) {}

    Modello& modello() { return modello_; }
    Widget* schermata() const { return schermata_; }

protected:
    // The widget, built the first time.
    template <class... A>
    Widget& costruita(A&&... a) {
        if (!schermata_) schermata_ = new Widget(std::forward<A>(a)...);
        return *schermata_;
    }

    Modello modello_;
    Widget* schermata_ = nullptr;
};

}  // namespace vk
