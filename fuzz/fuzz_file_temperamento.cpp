// The temperament file reader on any bytes: it never crashes, a refusal
// names an item or a fault the file holds (line ends, the bytes before a
// quote, bytes no text holds, UTF-16), and a file it accepts saves and reads
// back to the same items (a double quote, which only an unquoted item can
// hold, comes back as an apostrophe, and Save names it and nothing else).
// The bars drawn from an accepted file stay on the charts.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/FileTesto.h"
#include "common/FormaFile.h"
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

// A fault of form names what the file holds.
void VerificaForma(std::string_view byte, const vk::DifettoFile& d, bool voce) {
    switch (d.tipo) {
        case vk::Difetto::Vuoto: Verifica(byte.empty()); break;
        case vk::Difetto::SoloCR: Verifica(d.voce == 0 && vk::FineRigaSoloCR(byte)); break;
        case vk::Difetto::Utf16: Verifica(d.voce == 0 && byte.find('\0') != std::string_view::npos); break;
        case vk::Difetto::NonTesto:
            // The first such byte of the file.
            Verifica(d.byte < byte.size() && vk::NonTesto(byte[d.byte]) &&
                     std::none_of(byte.begin(), byte.begin() + static_cast<std::ptrdiff_t>(d.byte), vk::NonTesto));
            break;
        case vk::Difetto::CRSenzaLF: {
            // A CR that no LF follows, in a file with an LF.
            bool crSolo = false;
            for (size_t i = 0; i + 1 < byte.size() && !crSolo; ++i) crSolo = byte[i] == '\r' && byte[i + 1] != '\n';
            Verifica((d.voce == 0 || voce) && crSolo && byte.find('\n') != std::string_view::npos);
            break;
        }
        case vk::Difetto::BytePrimaDelleVirgolette:
            Verifica(voce && !d.testo.empty() && byte.find(d.testo + '"') != std::string_view::npos);
            break;
        case vk::Difetto::VirgoletteNonChiuse:
        case vk::Difetto::FinePrima: Verifica(voce); break;
        // What follows item 87 is not read, nor does a text after a closing
        // quote refuse a temperament.
        default: Verifica(false);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), n);
    const vk::LetturaTemperamento l = vk::LeggiTemperamento(byte);
    if (!l.ok()) {
        const vk::DifettoFile& d = l.rifiuto.difetto;
        const bool voce = d.voce >= 1 && d.voce <= vk::NumeroVociTemperamento;
        switch (l.rifiuto.motivo) {
            case vk::MotivoRifiuto::NonNumero:
                Verifica(voce && vk::VoceNumerica(d.voce) && !vk::Numero(d.testo));
                break;
            case vk::MotivoRifiuto::VoceTroppoLunga: Verifica(voce); break;
            case vk::MotivoRifiuto::Forma: VerificaForma(byte, d, voce); break;
            default: Verifica(false);  // the file itself is not read here
        }
        Verifica(!vk::DescriviRifiuto(l.rifiuto, "f.txt").empty());
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
