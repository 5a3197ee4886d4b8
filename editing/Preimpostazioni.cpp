#include "editing/Preimpostazioni.h"

namespace vk {

const char* const NomeEquabile = "TEMPERAMENTO EQUABILE";
const char* const DescrizioneEquabile =
    "Questo temperamento distribuisce in modo uniforme l'errore di comma in tutte le quinte, "
    "rendendo possibile l'esecuzione di brani in qualsiasi tonalit\xC3\xA0 e con i medesimi "
    "rapporti intervallari.";
const char* const NomePitagorico = "PITAGORICO";
const char* const DescrizionePitagorico =
    "Accordatura che la tradizione attribuisce a Pitagora di Samo, costruita per quinte pure: "
    "undici quinte giuste e una sola quinta ristretta di un intero comma pitagorico.";

void ImpostaEquabile(Temperamento& t, Istogrammi& g, double altezza) {
    t.Nome = NomeEquabile;
    t.Descrizione = DescrizioneEquabile;
    const char* frazione = t.modoPerColore() == ModoComma::Pitagorico ? "-1/12" : "-Schisma";
    ImpostaValoriEquabili(t, frazione);
    AggiornaIstogrammi(g, t, altezza);
}

void ImpostaPitagorico(Temperamento& t, Istogrammi& g, double altezza) {
    t.Nome = NomePitagorico;
    t.Descrizione = DescrizionePitagorico;
    for (int k = 1; k <= 12; ++k) {
        t.Quinte[k] = "995148";
        t.CopiaQuinte[k] = "995148";
        t.QuinteCents[k] = "701,96";
        t.Frazioni[k] = "0";
        t.Terze[k] = "578160";
        t.TerzeCents[k] = "407,82";
        t.SigleTerze[k] = "P";
        t.SemitoniCents[k] = "90,22";
        t.Semitoni[k] = "127908";
    }
    // The wolf: the pure fifth less one Pythagorean comma.
    t.Quinte[6] = "961884";
    t.CopiaQuinte[6] = "961884";
    t.QuinteCents[6] = "678,49";
    t.Frazioni[6] = "-1";
    // The four thirds that contain the wolf.
    for (int k = 3; k <= 6; ++k) {
        t.Terze[k] = "544896";
        t.TerzeCents[k] = "384,36";
        t.SigleTerze[k] = "";
    }
    // The apotomes; the other seven semitones are limmas.
    for (int n : {2, 4, 7, 9, 11}) {
        t.SemitoniCents[n] = "113,69";
        t.Semitoni[n] = "161172";
    }
    t.impostaModo(ModoComma::Pitagorico);
    AggiornaIstogrammi(g, t, altezza);
    t.ScartoSemitonale = "23,47";
}

}  // namespace vk
