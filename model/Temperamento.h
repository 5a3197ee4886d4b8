#pragma once
// The one current temperament. Numeric fields are held as the texts their
// cells show (the written form of ValoreFisso, or whatever a file brought).
#include <array>
#include <string>

#include "common/Colori.h"
#include "common/ValoreFisso.h"

namespace vk {

inline constexpr const char* CaptionPitagorico = "Comma Pitagorico";
inline constexpr const char* CaptionSintonico = "Comma Sintonico";

enum class ModoComma { Pitagorico, Sintonico };

// Indexed 1..12; element 0 is unused unless a field says otherwise.
using Dodici = std::array<std::string, 13>;

struct Temperamento {
    std::string Nome;
    std::string Descrizione;
    // The comma button: caption and back colour, always set together.
    std::string CommaCaption = CaptionPitagorico;
    ColoreVB CommaColore = Colori::RossoChiaro;

    Dodici Quinte, QuinteCents, Frazioni;
    Dodici Terze, TerzeCents;
    Dodici Semitoni, SemitoniCents;
    Dodici CopiaQuinte;
    Dodici SigleTerze;
    std::string ScartoSemitonale = "0";
    // Sum of the twelve fifths minus SetteOttave; shown and saved nowhere.
    ValoreFisso ErroreChiusura;

    // The fifth under edit on the main screen (0 = none), and the thirds
    // editor's own index.
    int QuintaSelezionata = 0;
    int IndiceQS = 0;

    // Caption test: only the exact "Comma Pitagorico" is Pythagorean.
    ModoComma modoPerCaption() const {
        return CommaCaption == CaptionPitagorico ? ModoComma::Pitagorico : ModoComma::Sintonico;
    }
    // Colour test: only &HC0C0FF is Pythagorean.
    ModoComma modoPerColore() const {
        return CommaColore == Colori::RossoChiaro ? ModoComma::Pitagorico : ModoComma::Sintonico;
    }
    void impostaModo(ModoComma m) {
        CommaCaption = m == ModoComma::Pitagorico ? CaptionPitagorico : CaptionSintonico;
        CommaColore = m == ModoComma::Pitagorico ? Colori::RossoChiaro : Colori::VerdeChiaro;
    }
};

// The equal temperament every start shows.
Temperamento TemperamentoIniziale();
// Every size, cents value, copy and letter of the equal temperament, and
// the name `frazione` for every fifth; name, description and comma stay.
void ImpostaValoriEquabili(Temperamento& t, const std::string& frazione);

// Next and previous index around the circle (after 12 comes 1).
inline constexpr int Successivo(int k) { return k == 12 ? 1 : k + 1; }
inline constexpr int Precedente(int k) { return k == 1 ? 12 : k - 1; }

}  // namespace vk
