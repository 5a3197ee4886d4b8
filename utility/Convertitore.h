#pragma once
// The interval converter of the utility screen: a keypad of ten digits, "."
// and "C", four unit buttons (Frazione, Decimali, Cents, Micro) that choose
// the form to type and confirm it, and the toggle "Radice di 2". Its whole
// state lasts until the program ends.
#include <array>
#include <string>
#include <string_view>

#include "common/Colori.h"

namespace vk {

class Convertitore {
public:
    // Indices of cmdNumero: 0..9 digits, 10 ".", 11 "C", 13..16 the units.
    static constexpr int Virgola = 10;
    static constexpr int Cancella = 11;
    static constexpr int Frazione = 13;
    static constexpr int Decimali = 14;
    static constexpr int Cents = 15;
    static constexpr int Micro = 16;
    static constexpr ColoreVB ArancioChiaro = 0xC0E0FF;

    void cmdNumero_Click(int indice);
    void cmdRadice_Click();
    bool modoRadice() const { return radice_; }
    bool digitando() const { return digitando_; }
    int unita() const { return unita_; }
    int parteFrazione() const { return parte_; }

    // The line lblScritteUtility(1) shows, and its text.
    enum class Istruzione {
        Iniziale, Digita, Conferma, NuovaUnita,
        TroppoAlto, Zero, DivisoZero, Denominatore, NumeratoreZero,  // warnings
    };
    static const char* TestoIstruzione(Istruzione i);

    // What the panel shows.
    std::string istruzione = TestoIstruzione(Istruzione::Iniziale);
    std::string fraz1 = "-", fraz2 = "-", decimali = "-", cents = "-", micro = "-";
    ColoreVB coloreFraz1 = Colori::Bianco, coloreFraz2 = Colori::Bianco, coloreDecimali = Colori::Bianco,
             coloreCents = Colori::Bianco, coloreMicro = Colori::Bianco;
    // Back colours of cmdNumero(13..16) and of cmdRadice.
    std::array<ColoreVB, 4> coloreUnita{Colori::FacciaPulsante, Colori::FacciaPulsante, Colori::FacciaPulsante,
                                        Colori::FacciaPulsante};
    ColoreVB coloreRadice = Colori::FacciaPulsante;
    ColoreVB& coloreDellUnita(int indice) { return coloreUnita[static_cast<size_t>(indice - Frazione)]; }

private:
    void scegliUnita(int indice);
    void cifra(int d);
    void virgola();
    void cancella();
    void conferma(int indice);
    void confermaFrazione();
    void confermaDecimali();
    void confermaCents();
    void confermaMicro();
    void mostra(Istruzione i);
    void chiusura();
    // The label that shows the digits of the number being typed.
    std::string& ricevente();
    void risultatiDalRapporto(double r);
    void scriviRapporto(double r);

    Istruzione istruzione_ = Istruzione::Iniziale;
    bool radice_ = false;      // "Radice di 2"
    bool digitando_ = false;   // lblNClickPuls "1"
    bool conCifra_ = false;    // a digit is in the current number
    int unita_ = 0;            // 0 none, 13..16
    int parte_ = 1;            // 1 numerator, 2 denominator
    bool conVirgola_ = false;
    int ultimaCifra_ = -1;     // -1 before the first digit and right after the comma
    int numeroCifre_ = 0;
    std::string buffer_;
};

// A typed number (digits, at most one decimal comma) as a double; a number
// past the range of doubles is infinite, one too small for them 0.
double ValoreDigitato(std::string_view testo);

}  // namespace vk
