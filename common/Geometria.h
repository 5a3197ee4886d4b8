#pragma once
// Designed geometry of a window's controls: twips in the 15360 x 11520
// layout (relative to the containing frame) and font sizes in points, as
// single-precision numbers, kept in registration order and found by
// control name and index.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace vk {

inline constexpr float LarghezzaProgetto = 15360.0f;
inline constexpr float AltezzaProgetto = 11520.0f;
inline constexpr float AltezzaProgettoCaratteri = 11550.0f;
inline constexpr float TwipsPerPixel = 15.0f;

struct DimensioniSchermo {
    float larghezza = LarghezzaProgetto;  // twips
    float altezza = AltezzaProgetto;      // twips
};

// The screen size in twips. Injectable because the test platform's screen is
// not the designed one; an empty provider restores the designed size.
using FornitoreSchermo = std::function<DimensioniSchermo()>;
void ImpostaFornitoreSchermo(FornitoreSchermo f);
DimensioniSchermo SchermoTwips();

// Kept in double: each factor is the quotient of the single-precision size.
struct FattoriSchermo {
    double verticale = 1.0;    // Height, Top
    double orizzontale = 1.0;  // Width, Left
    double caratteri = 1.0;    // FontSize

    static FattoriSchermo da(DimensioniSchermo s);
    static FattoriSchermo correnti() { return da(SchermoTwips()); }
};

// A window is re-laid out only when the screen height differs from the
// designed one; the width alone never triggers it.
bool DaAdattare(DimensioniSchermo s);

enum class TipoControllo {
    Etichetta,
    Pulsante,
    CasellaTesto,
    Forma,
    Cornice,
    Immagine,
    Linea,
    Timer,
    Finestra,
};

// Which properties a re-layout multiplies.
enum Scala : uint8_t {
    ScalaNessuna = 0,
    ScalaAltezza = 1,
    ScalaLarghezza = 2,
    ScalaAlto = 4,
    ScalaSinistra = 8,
    ScalaCarattere = 16,
    ScalaGeometria = ScalaAltezza | ScalaLarghezza | ScalaAlto | ScalaSinistra,
    ScalaTutto = ScalaGeometria | ScalaCarattere,
};

// Labels, buttons and text boxes scale all five; frames, shapes, pictures and
// the window itself the four geometric ones; lines and timers nothing.
uint8_t ScalaPredefinita(TipoControllo t);

struct VoceGeometria {
    std::string nome;
    int indice = -1;  // -1: not a member of an array
    TipoControllo tipo = TipoControllo::Etichetta;
    float sinistra = 0, alto = 0, larghezza = 0, altezza = 0;  // twips
    float carattere = 0;                                       // points, 0 = none
    uint8_t scala = ScalaTutto;
};

// Each scaled property becomes its value times the factor, computed in
// double and rounded to the nearest float; no rounding to whole twips.
void ScalaVoce(VoceGeometria& v, const FattoriSchermo& f);
void ScalaVoce(VoceGeometria& v, const FattoriSchermo& f, uint8_t scala);

class RegistroGeometria {
public:
    // Registers a control with its kind's default scaling. Registering a key
    // again replaces its values and keeps its place in the order.
    VoceGeometria& registra(std::string nome, int indice, TipoControllo tipo, float sinistra, float alto,
                            float larghezza, float altezza, float carattere = 0);
    VoceGeometria& registra(VoceGeometria v);

    VoceGeometria* trova(std::string_view nome, int indice = -1);
    const VoceGeometria* trova(std::string_view nome, int indice = -1) const;

    // Multiplies every entry by the factors, each with its own flags.
    void scalaTutto(const FattoriSchermo& f);

    std::size_t size() const { return voci_.size(); }
    bool empty() const { return voci_.empty(); }
    auto begin() { return voci_.begin(); }
    auto end() { return voci_.end(); }
    auto begin() const { return voci_.begin(); }
    auto end() const { return voci_.end(); }

private:
    struct Ordine {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return std::pair<std::string_view, int>(a.first, a.second) <
                   std::pair<std::string_view, int>(b.first, b.second);
        }
    };
    std::deque<VoceGeometria> voci_;  // deque: references stay valid as entries are added
    std::map<std::pair<std::string, int>, std::size_t, Ordine> indice_;
};

}  // namespace vk
