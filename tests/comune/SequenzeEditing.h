#pragma once
// Edit sequences driven by bytes, shared by the property test and the fuzz
// target: every edit the main screen and the Zadu-Rori screen can make, with
// sizes picked near the limits a file keeps; after each one, what Save would
// write must open again to the same temperament.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editing/ComandiEditing.h"
#include "editing/EditorTerze.h"
#include "editing/ZaduRori.h"
#include "model/FileTemperamento.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk::prova {

// The bytes that choose the edits; zero once they run out.
class Scelte {
public:
    Scelte(const uint8_t* p, size_t n) : p_(p), n_(n) {}
    bool finite() const { return n_ == 0; }
    uint8_t byte() {
        if (n_ == 0) return 0;
        --n_;
        return *p_++;
    }
    int tra(int da, int a) { return da + byte() % (a - da + 1); }

private:
    const uint8_t* p_;
    size_t n_;
};

// Sizes near the edges: the limit, one over, half of it, zero, the usual ones.
inline std::string MisuraEstrema(Scelte& s) {
    static const char* const misure[] = {
        "100000000000", "-100000000000", "99999999999,9999", "-99999999999,9999", "50000000000",
        "-50000000000", "33333333333",   "0",               "992376",            "995148",
        "1028412",      "-1",            "0,0001",          "25000000000,5",     "-75000000000",
        "100000000001",
    };
    return misure[s.byte() % (sizeof misure / sizeof *misure)];
}

// A file the reader accepts, with its numeric items picked by `s`.
inline VociTemperamento VociEstreme(Scelte& s) {
    VociTemperamento v = VociDi(TemperamentoIniziale());
    for (int n = 4; n <= NumeroVociTemperamento; ++n)
        if (VoceNumerica(n) && s.byte() % 2 == 0) {
            const std::string m = MisuraEstrema(s);
            if (Numero(m)) v[static_cast<size_t>(n - 1)] = m;
        }
    if (s.byte() % 2) v[2] = CaptionSintonico;
    return v;
}

// Whether what Save writes opens again to the same temperament; `perche`
// names the first item that differs.
inline bool SalvaERiapre(const Temperamento& t, std::string* perche = nullptr) {
    const VociTemperamento mostrate = VociDi(t);
    const LetturaTemperamento l = LeggiTemperamento(ByteTemperamento(t));
    if (!l.ok()) {
        if (perche) *perche = DescriviRifiuto(l.rifiuto, "prova");
        return false;
    }
    Temperamento riaperto = TemperamentoIniziale();
    ApplicaVoci(*l.voci, riaperto);
    const VociTemperamento riaperte = VociDi(riaperto);
    for (int n = 1; n <= NumeroVociTemperamento; ++n) {
        const auto i = static_cast<size_t>(n - 1);
        if (mostrate[i] != riaperte[i]) {
            if (perche) *perche = NomeVoce(n) + ": \"" + mostrate[i] + "\" riaperta \"" + riaperte[i] + "\"";
            return false;
        }
    }
    return true;
}

// The temperament and every command that edits it.
struct Banco {
    explicit Banco(const VociTemperamento& v) { ApplicaVoci(v, t); }
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ComandiEditing comandi{t, g, [] { return 11520.0; }};
    EditorTerze terze;
    ZaduRori zr;
};

// One edit chosen by `s`.
inline void UnaModifica(Banco& b, Scelte& s) {
    ComandiEditing& c = b.comandi;
    const int k = s.tra(1, 12);
    switch (s.byte() % 10) {
        case 0:  // "<" or ">" held for some ticks, then released
        case 1: {
            const bool piu = s.byte() % 2;
            const int scatti = s.tra(0, 6);
            if (piu) c.cmdPiù_MouseDown(k);
            else c.cmdMeno_MouseDown(k);
            for (int i = 0; i < scatti; ++i) piu ? c.tmrPiù_Timer() : c.TmrMeno_Timer();
            if (piu) {
                c.cmdPiù_Click(k);
                c.cmdPiù_MouseUp(k);
            } else {
                c.cmdMeno_Click(k);
                c.cmdMeno_MouseUp(k);
            }
            break;
        }
        case 2: c.cmdMeno_Click(k); break;  // from the keyboard
        case 3: c.cmdPiù_Click(k); break;
        case 4: c.cmdZero_Click(k); break;
        case 5: b.terze.clic(k, b.t, b.g, 11520.0); break;
        case 6: c.cmdShift_Click(s.byte() % 2); break;
        case 7: {
            const int quale = s.byte() % 8;  // presets and the comma switch now and then
            if (quale == 0) c.cmdEquabile_Click();
            else if (quale == 1) c.cmdPitagorico_Click();
            else if (quale == 2) c.cmdCambioComma_Click(0);
            break;
        }
        default: {  // Zadu-Rori: typed deviations, then a correction by hand
            ZaduRori& z = b.zr;
            z.apri("IT");
            for (int i = 1; i <= 12; ++i) z.TxtCentsEasy[static_cast<size_t>(i)] = MisuraEstrema(s);
            if (z.ok(b.t, b.g, 11520.0) != ZaduRori::Esito::Correzione) {
                z.esci();
                break;
            }
            // Red boxes near the limits; the last one closes the circle.
            ValoreFisso somma;
            for (int i = 1; i <= 11; ++i) {
                std::string& r = z.TxtQuinteArrotondateEasy[static_cast<size_t>(i)];
                if (s.byte() % 2) r = MisuraEstrema(s);
                somma += FissoDigitato(r).value_or(ValoreFisso());
            }
            z.TxtQuinteArrotondateEasy[12] = Testo(ValoreFisso::intero(11908512) - somma);
            z.mod(b.t, b.g, 11520.0);
            z.esci();
            break;
        }
    }
}

}  // namespace vk::prova
