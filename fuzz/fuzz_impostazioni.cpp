// The settings reader on any bytes: what it takes, written back and read
// again, gives the same settings and the same bytes; the clicks that change
// the level and the information step never make a file the next start
// reads otherwise. A file called whole gives the item reader 29 items with
// nothing of another line in them, and nothing but empty ones after; what
// is written is always whole.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/Impostazioni.h"
#include "common/FileTesto.h"
#include "app/StatoPrincipale.h"
#include "app/Velocita.h"
#include "app/Viste.h"
#include "common/FileTesto.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

// Written, then read over other values: every item comes from the file.
void GiroCompleto(const vk::Impostazioni& imp) {
    const std::string testo = vk::TestoImpostazioni(imp);
    vk::Impostazioni altre;
    altre.LinguaNote = "DE";
    altre.PassoInfo = vk::InteroLetto(1);
    altre.IntervalloPiu = 7;
    altre.SelezioneLibera[3] = 0x123456;
    Verifica(vk::ImpostazioniDaTesto(testo) == imp);
    Verifica(vk::ImpostazioniDaTesto(testo, altre) == imp);
    Verifica(vk::TestoImpostazioni(vk::ImpostazioniDaTesto(testo)) == testo);
    Verifica(!vk::ImpostazioniNonIntere(testo));
}

void VerificaIntero(std::string_view byte) {
    if (vk::ImpostazioniNonIntere(byte)) return;
    vk::LettoreVoci lettore = vk::LettoreVoci::daWindows1252(byte);
    for (int voce = 1; voce <= vk::NumeroVociImpostazioni; ++voce) {
        const auto letta = lettore.leggi();
        Verifica(letta.has_value());
        // A quoted text may hold line ends; a bare item holds no CR nor quote.
        if (!lettore.traVirgolette()) Verifica(letta->find_first_of("\r\"") == std::string::npos);
    }
    while (const auto resto = lettore.leggi()) Verifica(resto->empty());
    Verifica(lettore.esito() == vk::EsitoLettura::FineFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), n);
    VerificaIntero(byte);
    const vk::Impostazioni imp = vk::ImpostazioniDaTesto(byte);
    GiroCompleto(imp);

    // A few clicks chosen by the last bytes, then "Ok" and the next start.
    vk::StatoPrincipale s;
    vk::ApplicaImpostazioni(s, imp);
    for (size_t i = n > 8 ? n - 8 : 0; i < n; ++i) {
        switch (dati[i] % 3) {
            case 0: vk::cmdVelocita_Click(s, vk::VelocitaPiu); break;
            case 1: vk::cmdVelocita_Click(s, vk::VelocitaMeno); break;
            default: vk::cmdInfoSemitoni_Click(s); break;
        }
    }
    GiroCompleto(vk::RaccogliImpostazioni(s));
    return 0;
}
