#include "microlab/PannelloConversione.h"

#include <cmath>

#include "common/Micro.h"
#include "microlab/TabellaMicroLab.h"
#include "model/NumeriDigitati.h"
#include "model/TabellaFrazioni.h"

namespace vk {

PannelloConversione::PannelloConversione() {
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        TxtCents[i] = "-1,96";
        TxtMicro[i] = "0";
        TxtQuinta[i] = "0";
    }
}

void PannelloConversione::cmdCopy_Click(int indice) {
    if (indice < 1 || indice > 12) return;
    TxtCents[static_cast<size_t>(indice)] = TxtCents[static_cast<size_t>(Precedente(indice))];
}

bool PannelloConversione::cmdSomma_Click() {
    PannelloConversione& p = *this;
    std::array<double, 13> c{};
    double S = 0;
    ValoreFisso sommaFissa;
    for (size_t k = 1; k <= 12; ++k) {
        NumeroDigitato n{};
        if (LeggiDigitato(p.TxtCents[k], n) != LetturaDigitata::Numero) return false;
        c[k] = n.esatto;
        S += n.esatto;
        sommaFissa += n.fisso;
    }
    // The same deviations the Zadu-Rori "OK" refuses: a total of zero, to
    // four decimals or exactly.
    if (sommaFissa == ValoreFisso() || S == 0 || !std::isfinite(S)) return false;
    // Everything is computed before anything is shown, so a refusal changes nothing.
    std::array<double, 13> m{}, q{};
    std::array<std::string, 13> testoM, testoQ;
    std::array<ValoreFisso, 13> arrotondata{};
    double sommaM = 0, sommaQ = 0;
    ValoreFisso sommaArrotondate;
    for (size_t k = 1; k <= 12; ++k) {
        m[k] = (-Micro::CommaPitagorico.comeDouble() / S) * c[k];
        q[k] = m[k] + Micro::QuintaNaturale.comeDouble();
        const auto tm = TestoQuindiciCifre(m[k]);
        const auto tq = TestoQuindiciCifre(q[k]);
        const auto a = tq ? Numero(*tq) : std::nullopt;
        if (!tm || !a) return false;
        testoM[k] = *tm;
        testoQ[k] = *tq;
        arrotondata[k] = *a;
        sommaM += m[k];
        sommaQ += q[k];
        sommaArrotondate += *a;
    }
    const auto tS = TestoQuindiciCifre(S), tSM = TestoQuindiciCifre(sommaM), tSQ = TestoQuindiciCifre(sommaQ);
    if (!tS || !tSM || !tSQ) return false;
    p.TxtCents[0] = *tS;
    for (size_t k = 1; k <= 12; ++k) {
        p.TxtMicro[k] = testoM[k];
        p.TxtQuinta[k] = testoQ[k];
        p.TxtQuinteArrotondate[k] = Testo(arrotondata[k]);
    }
    p.TxtMicro[0] = *tSM;
    p.TxtQuinta[0] = *tSQ;
    if (p.TxtQuinta[0] != Testo(Micro::SetteOttave)) p.lblTotaleMicro = ColoriMicro::Rosso;
    p.TxtQuinteArrotondate[0] = Testo(sommaArrotondate);
    if (sommaArrotondate != Micro::SetteOttave) p.lblTotaleMicroArrotondata = ColoriMicro::Rosso;
    return true;
}

bool PannelloConversione::cmdRiporta_Click(TabellaMicroLab& tabella) const {
    std::array<ValoreFisso, 13> v{};
    for (size_t k = 1; k <= 12; ++k) {
        const auto x = Numero(TxtQuinteArrotondate[k]);
        if (!x) return false;
        v[k] = *x;
    }
    tabella.RiportaQuinte(v);
    return true;
}

}  // namespace vk
