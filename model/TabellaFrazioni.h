#pragma once
// The 235 named fifth sizes of each comma, in ascending order, and the
// naming of a fifth from them.
#include <array>
#include <string>
#include <string_view>

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
// The same for a size held as text: a text that is no number is "ND".
std::string CercaFrazione(const TabellaFrazioni& tabella, std::string_view testo);

// Which cents a naming writes: the Pythagorean naming of the main screen
// refreshes the fifth's cents, the syntonic one and the thirds editor's do not.
enum class CentsNomina { Lascia, DalNome };
// Names fifth k (1..12) from the table of `modo`; with DalNome and the
// Pythagorean table also writes the fifth's cents. Another k does nothing.
void NominaQuinta(Temperamento& t, int k, ModoComma modo, CentsNomina cents);

// Naming of the fifth QuintaSelezionata; an index outside 1..12 does nothing.
void NominaFrazioneSintonica(Temperamento& t);
// Also refreshes the fifth's cents.
void NominaFrazionePitagorica(Temperamento& t);
// Naming of the fifth IndiceQS (the thirds editor); cents untouched.
void NominaFrazioneSintonicaQS(Temperamento& t);
void NominaFrazionePitagoricaQS(Temperamento& t);

// Names fifth QuintaSelezionata with the procedure that the comma button's
// caption (or colour) chooses.
void NominaPerCaption(Temperamento& t);
void NominaPerColore(Temperamento& t);

}  // namespace vk
