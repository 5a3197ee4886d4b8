#include "app/Avvio.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "app/Adattamento.h"
#include "app/Impostazioni.h"
#include "app/Notazione.h"
#include "app/Percorsi.h"
#include "app/StatoPrincipale.h"
#include "app/Viste.h"
#include "model/Istogrammi.h"

namespace vk {

int IndiceRitardo(float r, int minuto, int ora) {
    const double x = static_cast<double>(r) + minuto / 60.0 - ora / 25.0;
    const auto n = static_cast<int64_t>(std::floor(10.0 * x));
    const int64_t resto = ((n % 10) + 10) % 10;  // n - 10 floor(n / 10)
    return static_cast<int>(resto) + 1;
}

OraDelGiorno OraCorrente() {
    const std::time_t ora = std::time(nullptr);
    std::tm locale{};
    localtime_r(&ora, &locale);
    return {locale.tm_hour, locale.tm_min};
}

uint32_t SemeDaOrologio() {
    const auto t = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(static_cast<uint64_t>(t) ^ (static_cast<uint64_t>(t) >> 32));
}

float GeneratoreCasuale::prossimo() {
    // 24 random bits: every value is exact in float and below 1.
    return static_cast<float>(g_() >> 8) * (1.0f / 16777216.0f);
}

void PreparaVistaTabella(StatoPrincipale& s) {
    if (VoceGeometria* v = s.geometria.trova("FraCopreIstogrammi")) {
        v->sinistra = 1740;
        v->alto = 795;
    }
    s.CopreIstogrammiColore = Colori::GrigioAzzurro;
    s.CopreIstogrammiVisibile = true;
}

PassiCaricamento PassiPredefiniti(StatoPrincipale& s, std::string cartellaEseguibile) {
    PassiCaricamento p;
    p.sondaCartelle = [&s, dir = std::move(cartellaEseguibile)] { s.percorsi = CercaPercorsiDelSistema(dir); };
    p.caricaImpostazioni = [&s] { CaricaImpostazioni(s, PercorsoImpostazioni(s.percorsi.CartellaDati)); };
    p.command9Click = [&s] { Command9_Click(s.istogrammi, s.temperamento); };
    p.aggiornaNomiNote = [&s] { AggiornaNomiNote(s); };
    p.cmdTastieraClick = [&s] { cmdTastiera_Click(s); };
    p.cmdMostraIstoClick = [&s] { cmdMostraIsto_Click(s); };
    p.mostraInfoIstogrammi = [&s] { MostraInfoIstogrammi(s); };
    p.vistaTabella = [&s] { PreparaVistaTabella(s); };
    p.adattaSchermo = [&s] { AdattaSchermo(s); };
    p.aggiornaIstogrammi = [&s] { AggiornaIstogrammi(s.istogrammi, s.temperamento, s.altezzaSchermo()); };
    return p;
}

void SequenzaCaricamento(StatoPrincipale& s, const PassiCaricamento& p, DimensioniSchermo schermo) {
    auto esegui = [](const std::function<void()>& f) {
        if (f) f();
    };
    // A stored caption is replayed by setting the opposite and letting the
    // button's own click bring the saved state back.
    auto rigioca = [](std::string& caption, const char* salvata, const char* opposta,
                      const std::function<void()>& clic) {
        if (caption == salvata && clic) {
            caption = opposta;
            clic();
        }
    };
    esegui(p.sondaCartelle);
    esegui(p.caricaImpostazioni);
    rigioca(s.istogrammi.Command9, "No Colori Quinte", "Colori Quinte", p.command9Click);
    esegui(p.aggiornaNomiNote);
    rigioca(s.VistaValori, "Tast", "Val", p.cmdTastieraClick);
    rigioca(s.DuplicatoIstogramma, "Ist N", "Ist Y", p.cmdMostraIstoClick);
    esegui(p.mostraInfoIstogrammi);
    esegui(p.vistaTabella);
    if (DaAdattare(schermo)) {
        PreparaShpVari8(s);
        esegui(p.adattaSchermo);
        esegui(p.aggiornaIstogrammi);
    }
}

}  // namespace vk
