#include "model/TabellaFrazioni.h"

#include <cstdlib>
#include <string_view>

#include "common/Micro.h"

namespace vk {

namespace {

const char* const NomiPitagorici[117] = {
    "+1/100", "+1/99", "+1/96", "+1/90", "+1/88", "+1/84", "+1/80", "+1/77", "+1/75", "+1/72",
    "+1/70", "+1/66", "+1/64", "+1/63", "+1/60", "+1/56", "+1/55", "+1/54", "+1/50", "+1/48",
    "+1/45", "+1/44", "+1/42", "+1/40", "+1/36", "+1/35", "+1/33", "+1/32", "+1/30", "+1/28",
    "+1/27", "+3/80", "+1/25", "+1/24", "+1/22", "+1/21", "+7/144", "+1/20", "+37/720", "+19/360",
    "+1/18", "+11/180", "+1/16", "+1/15", "+5/72", "+17/240", "+1/14", "+53/720", "+11/144", "+1/12",
    "+1/11", "+67/720", "+71/720", "+1/10", "+5/48", "+19/180", "+13/120", "+1/9", "+17/144", "+1/8",
    "+19/144", "+2/15", "+1/7", "+103/720", "+3/20", "+109/720", "+11/72", "+113/720", "+19/120", "+1/6",
    "+127/720", "+2/11", "+71/360", "+1/5", "+2/9", "+11/48", "+169/720", "+1/4", "+3/11", "+2/7",
    "+3/10", "+11/36", "+1/3", "+4/11", "+3/8", "+7/18", "+281/720", "+2/5", "+5/12", "+3/7",
    "+4/9", "+5/11", "+11/24", "+1/2", "+6/11", "+5/9", "+4/7", "+7/12", "+3/5", "+5/8",
    "+7/11", "+2/3", "+7/10", "+5/7", "+8/11", "+3/4", "+7/9", "+4/5", "+9/11", "+5/6",
    "+6/7", "+7/8", "+8/9", "+9/10", "+10/11", "+11/12", "+1"};

const char* const NomiSintonici[117] = {
    "+1/12 Sch", "+1/11 Sch", "+1/10 Sch", "+1/100", "+1/9 Sch", "+1/96", "+1/90", "+1/8 Sch", "+1/84", "+1/80",
    "+1/7 Sch", "+1/75", "+1/72", "+1/70", "+1/6 Sch", "+1/64", "+1/63", "+1/60", "+1/56", "+1/5 Sch",
    "+1/50", "+1/48", "+1/45", "+1/4 Sch", "+1/42", "+1/40", "+1/36", "+1/35", "+1/3 Sch", "+1/32",
    "+1/30", "+1/28", "+3/80", "+1/25", "+1/24", "+1/2 Sch", "+1/21", "+7/144", "+1/20", "+37/720",
    "+19/360", "+1/18", "+11/180", "+1/16", "+1/15", "+5/72", "+17/240", "+1/14", "+53/720", "+11/144",
    "+1/12", "+Schisma", "+67/720", "+71/720", "+1/10", "+5/48", "+19/180", "+13/120", "+1/9", "+17/144",
    "+1/8", "+19/144", "+2/15", "+1/7", "+103/720", "+109/720", "+11/72", "+113/720", "+19/120", "+1/6",
    "+127/720", "+2/11", "+71/360", "+1/5", "+2/9", "+11/48", "+169/720", "+1/4", "+3/11", "+2/7",
    "+3/10", "+11/36", "+1/3", "+4/11", "+3/8", "+7/18", "+281/720", "+2/5", "+5/12", "+3/7",
    "+4/9", "+5/11", "+11/24", "+1/2", "+6/11", "+5/9", "+4/7", "+7/12", "+3/5", "+5/8",
    "+7/11", "+2/3", "+7/10", "+5/7", "+8/11", "+3/4", "+7/9", "+4/5", "+9/11", "+5/6",
    "+6/7", "+7/8", "+8/9", "+9/10", "+10/11", "+11/12", "+1"};

// Distance above the pure fifth that an upper name gives, in ten-thousandths.
int64_t Distanza(std::string_view nome, int64_t comma) {
    std::string_view s = nome.substr(1);  // without the sign
    const int64_t schisma = Micro::Schisma.decimillesimi();
    if (s == "Schisma") return schisma;
    bool sch = s.size() > 4 && s.substr(s.size() - 4) == " Sch";
    if (sch) s = s.substr(0, s.size() - 4);
    int64_t a = 0, b = 1;
    auto barra = s.find('/');
    if (barra == std::string_view::npos) {
        a = std::atoll(std::string(s).c_str());
    } else {
        a = std::atoll(std::string(s.substr(0, barra)).c_str());
        b = std::atoll(std::string(s.substr(barra + 1)).c_str());
    }
    return (sch ? schisma : comma) * a / b;  // exact: every size has <= 4 decimals
}

}  // namespace

TabellaFrazioni::TabellaFrazioni(ValoreFisso comma, const char* const* nomiAlti, bool sintonica)
    : comma_(comma) {
    const ValoreFisso pura = Micro::QuintaNaturale;
    righe_[117] = {pura, "0"};
    for (int i = 0; i < 117; ++i) {
        std::string alto = nomiAlti[i];
        auto d = ValoreFisso::daDecimillesimi(Distanza(alto, comma.decimillesimi()));
        std::string basso = "-" + alto.substr(1);
        if (sintonica && alto == "+Schisma") basso = "- Schisma";
        righe_[static_cast<size_t>(118 + i)] = {pura + d, alto};   // row 119 + i
        righe_[static_cast<size_t>(116 - i)] = {pura - d, basso};  // row 117 - i
    }
    // Rows whose sizes are not the formula's; their mirrors are.
    if (sintonica) {
        righe_[165 - 1].Valore = *ValoreFisso::daTesto("997308,85");
        righe_[232 - 1].Valore = ValoreFisso::intero(1022590);
    } else {
        righe_[159 - 1].Valore = ValoreFisso::intero(996936);
    }
}

const TabellaFrazioni& TabellaFrazioni::Pitagoriche() {
    static const TabellaFrazioni t(Micro::CommaPitagorico, NomiPitagorici, false);
    return t;
}

const TabellaFrazioni& TabellaFrazioni::Sintoniche() {
    static const TabellaFrazioni t(Micro::CommaSintonico, NomiSintonici, true);
    return t;
}

std::string CercaFrazione(const TabellaFrazioni& tabella, ValoreFisso valore) {
    // The sizes ascend strictly, so a bisection finds the one equal row.
    int basso = 1, alto = tabella.righe();
    while (basso <= alto) {
        const int medio = (basso + alto) / 2;
        const ValoreFisso v = tabella.riga(medio).Valore;
        if (v == valore) return tabella.riga(medio).Frazione;
        if (v < valore) basso = medio + 1;
        else alto = medio - 1;
    }
    return "ND";
}

}  // namespace vk
