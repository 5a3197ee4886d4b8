// The temperament file reader on any bytes: it never crashes, a refusal
// names an item or a fault the file holds (line ends, the bytes before a
// quote, UTF-16), and a file it accepts saves and reads back to the same
// items (a double quote, which only an unquoted item can hold, comes back as
// an apostrophe, and Save names it and nothing else). The bars drawn from an accepted file stay on the charts.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/FileTesto.h"
#include "common/ValoreFisso.h"
#include "model/FileTemperamento.h"
#include "model/Istogrammi.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

bool Dentro(const vk::Barra& b, float alto, float basso) {
    return std::isfinite(b.Top) && std::isfinite(b.Height) && b.Height > 0 && b.Top >= alto - 0.01f &&
           b.Top + b.Height <= basso + 0.01f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), n);
    const vk::LetturaTemperamento l = vk::LeggiTemperamento(byte);
    if (!l.ok()) {
        const vk::Rifiuto& r = l.rifiuto;
        const bool voce = r.voce >= 1 && r.voce <= vk::NumeroVociTemperamento;
        switch (r.motivo) {
            case vk::MotivoRifiuto::FineRigaSoloCR: Verifica(r.voce == 0 && vk::FineRigaSoloCR(byte)); break;
            case vk::MotivoRifiuto::CodificaUtf16:
                Verifica(r.voce == 0 && byte.find('\0') != std::string_view::npos);
                break;
            case vk::MotivoRifiuto::FineRigaMista: {
                // A CR that no LF follows, in a file with an LF.
                bool crSolo = false;
                for (size_t i = 0; i + 1 < byte.size() && !crSolo; ++i) crSolo = byte[i] == '\r' && byte[i + 1] != '\n';
                Verifica((r.voce == 0 || voce) && crSolo && byte.find('\n') != std::string_view::npos);
                break;
            }
            case vk::MotivoRifiuto::BytePrimaDellaVoce:
                Verifica(voce && !r.testo.empty() && byte.find(r.testo + '"') != std::string_view::npos);
                break;
            case vk::MotivoRifiuto::NonNumero:
                Verifica(voce && vk::VoceNumerica(r.voce) && !vk::Numero(r.testo));
                break;
            default: Verifica(voce);
        }
        Verifica(!vk::DescriviRifiuto(r, "f.txt").empty());
        return 0;
    }
    vk::Temperamento t = vk::TemperamentoIniziale();
    vk::ApplicaVoci(*l.voci, t);

    const std::string salvato = vk::ByteTemperamento(t);
    const vk::LetturaTemperamento r = vk::LeggiTemperamento(salvato);
    Verifica(r.ok());
    vk::VociTemperamento attese = *l.voci;
    for (auto& v : attese)
        for (char& c : v)
            if (c == '"') c = '\'';
    Verifica(*r.voci == attese);
    Verifica(vk::ByteTemperamento(t) == salvato);
    // Save asks only about what comes back changed: here the double quotes.
    const vk::Salvataggio p = vk::PreparaSalvataggio(t);
    Verifica(p.byte == salvato && p.rifiuto.motivo == vk::MotivoRifiuto::Nessuno);
    Verifica(p.cambiati.empty() == (attese == *l.voci));
    for (const vk::CarattereCambiato& c : p.cambiati) Verifica(c.carattere == "\"" && c.diventa == "'");

    vk::Istogrammi g = vk::IstogrammiIniziali();
    vk::AggiornaIstogrammi(g, t, 12960);
    const float f = 12960.0f / 11520.0f;
    for (int k = 0; k <= 12; ++k) {
        Verifica(Dentro(g.ShpQuinte[k], 3720 * f, 8520 * f));
        Verifica(Dentro(g.ShpTerze[k], 3720 * f, 8535 * f));
        if (k > 0) Verifica(Dentro(g.ShpSemitoni[k], 105 * f, 2775 * f));
    }
    return 0;
}
