#include "app/Velocita.h"

#include "app/Impostazioni.h"
#include "app/StatoPrincipale.h"
#include "common/ValoreFisso.h"

namespace vk {

std::optional<int> LivelloValido(const std::string& t) {
    for (int l = 1; l <= 11; ++l)
        if (t == std::to_string(l)) return l;
    return std::nullopt;
}

void cmdVelocita_Click(StatoPrincipale& s, int indice) {
    s.IndexVelo = indice == VelocitaPiu ? 1 : 0;
    // The limits are tests of equality, so a hand-edited "12" still moves,
    // but never to a level the settings file could not keep.
    if (auto n = Numero(s.LivelloVelocita)) {
        const bool piu = indice == VelocitaPiu;
        const ValoreFisso nuovo = *n + ValoreFisso::intero(piu ? 1 : -1);
        if (*n != ValoreFisso::intero(piu ? 11 : 1) && InteroImpostazioni(nuovo)) s.LivelloVelocita = Testo(nuovo);
    }
    ApplicaVelocita(s);
}

void ApplicaVelocita(StatoPrincipale& s) {
    const auto livello = LivelloValido(s.LivelloVelocita);
    if (livello) {
        s.IntervalloPiu = IntervalloDiLivello(*livello);
        s.IntervalloMeno = IntervalloDiLivello(*livello);
    }
    if (s.IndexVelo == 1) {
        if (livello && *livello >= 2) s.SegmentiVelocita[static_cast<size_t>(*livello - 1)] = SegmentoAcceso;
    } else if (livello && *livello <= 10) {
        s.SegmentiVelocita[static_cast<size_t>(*livello)] = SegmentoSpento;
    }
}

RipetizioneAutomatica RipetizioneVelocita(StatoPrincipale& s, int indice) {
    return RipetizioneAutomatica([&s, indice] { cmdVelocita_Click(s, indice); }, nullptr, IntervalloTmrVelo,
                                 true);
}

}  // namespace vk
