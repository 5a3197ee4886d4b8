#include "editing/Preimpostazioni.h"

#include "common/Micro.h"
#include "model/ApplicaQuinte.h"

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

namespace {

// A preset's twelve fifths with its name and description; the rest derived
// from them. The closure error is left as it was, as the presets always did.
void Imposta(Temperamento& t, Istogrammi& g, double altezza, QuinteNuove n) {
    OpzioniQuinte o;
    o.ModoDa = OpzioniQuinte::Prova::Colore;
    o.ErroreChiusura = false;
    o.Ridisegna = &g;
    o.AltezzaSchermo = altezza;
    ApplicaQuinte(t, std::move(n), o);
}

}  // namespace

void ImpostaEquabile(Temperamento& t, Istogrammi& g, double altezza) {
    QuinteNuove n;
    n.Nome = NomeEquabile;
    n.Descrizione = DescrizioneEquabile;
    for (size_t k = 1; k <= 12; ++k) n.Quinte[k] = Testo(Micro::QuintaEquabile);
    // The syntonic table calls this size "- Schisma"; the preset writes its
    // own name for it, which saved files keep.
    const char* frazione = t.modoPerColore() == ModoComma::Pitagorico ? "-1/12" : "-Schisma";
    n.Frazioni.emplace();
    n.Frazioni->fill(frazione);
    Imposta(t, g, altezza, std::move(n));
}

void ImpostaPitagorico(Temperamento& t, Istogrammi& g, double altezza) {
    QuinteNuove n;
    n.Nome = NomePitagorico;
    n.Descrizione = DescrizionePitagorico;
    n.CommaCaption = CaptionPitagorico;
    // The wolf on fifth 6: the pure fifth less one Pythagorean comma.
    for (size_t k = 1; k <= 12; ++k)
        n.Quinte[k] = Testo(k == 6 ? Micro::QuintaNaturale - Micro::CommaPitagorico : Micro::QuintaNaturale);
    Imposta(t, g, altezza, std::move(n));
}

}  // namespace vk
