#include "app/Velocita.h"

#include "app/StatoPrincipale.h"
#include "common/ValoreFisso.h"

namespace vk {

std::optional<int> LivelloValido(const std::string& t) {
    for (int l = 1; l <= 11; ++l)
        if (t == std::to_string(l)) return l;
    return std::nullopt;
}

void cmdVelocita_Click(StatoPrincipale& s, int indice) {
    s.IndexVelo.assign(1, indice == VelocitaPiu ? '1' : '0');
    // The limits are tests of equality, so a hand-edited "12" still moves.
    if (auto n = Numero(s.LivelloVelocita)) {
        if (indice == VelocitaPiu) {
            if (*n != ValoreFisso::intero(11)) s.LivelloVelocita = Testo(*n + ValoreFisso::intero(1));
        } else if (*n != ValoreFisso::intero(1)) {
            s.LivelloVelocita = Testo(*n - ValoreFisso::intero(1));
        }
    }
    ApplicaVelocita(s);
}

void ApplicaVelocita(StatoPrincipale& s) {
    const auto livello = LivelloValido(s.LivelloVelocita);
    if (livello) {
        s.IntervalloPiu = IntervalloDiLivello(*livello);
        s.IntervalloMeno = IntervalloDiLivello(*livello);
    }
    const auto direzione = Numero(s.IndexVelo);
    if (direzione && *direzione == ValoreFisso::intero(1)) {
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
