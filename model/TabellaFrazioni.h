#pragma once
// The 235 named fifth sizes of each comma, in ascending order, and the
// naming of a fifth from them.
#include <array>
#include <string>

#include "common/ValoreFisso.h"
#include "model/Temperamento.h"

namespace vk {

struct RigaFrazione {
    ValoreFisso Valore;
    std::string Frazione;
};

class TabellaFrazioni {
public:
    static constexpr int Righe = 235;
    // Row r = 1..235.
    const RigaFrazione& riga(int r) const { return righe_[static_cast<size_t>(r - 1)]; }
    int righe() const { return Righe; }
    ValoreFisso comma() const { return comma_; }

    static const TabellaFrazioni& Pitagoriche();
    static const TabellaFrazioni& Sintoniche();
    static const TabellaFrazioni& Per(ModoComma m) {
        return m == ModoComma::Pitagorico ? Pitagoriche() : Sintoniche();
    }

private:
    TabellaFrazioni(ValoreFisso comma, const char* const* nomiAlti, bool sintonica);
    ValoreFisso comma_;
    std::array<RigaFrazione, Righe> righe_;
};

// Name of the row whose size equals `valore` exactly, else "ND".
std::string CercaFrazione(const TabellaFrazioni& tabella, ValoreFisso valore);

}  // namespace vk
