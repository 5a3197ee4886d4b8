#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "utility/Convertitore.h"

namespace vk {
namespace {

// Keys: digits, "." the comma, "C" clear, "F" Frazione, "D" Decimali,
// "K" Cents, "M" Micro, "R" Radice di 2.
void Digita(Convertitore& c, const std::string& tasti) {
    for (char t : tasti) {
        if (t >= '0' && t <= '9') c.cmdNumero_Click(t - '0');
        else if (t == '.') c.cmdNumero_Click(Convertitore::Virgola);
        else if (t == 'C') c.cmdNumero_Click(Convertitore::Cancella);
        else if (t == 'F') c.cmdNumero_Click(Convertitore::Frazione);
        else if (t == 'D') c.cmdNumero_Click(Convertitore::Decimali);
        else if (t == 'K') c.cmdNumero_Click(Convertitore::Cents);
        else if (t == 'M') c.cmdNumero_Click(Convertitore::Micro);
        else if (t == 'R') c.cmdRadice_Click();
        else ADD_FAILURE() << "key " << t;
    }
}

constexpr const char* Nuova = "Clicca il pulsante della nuova unità che vuoi convertire";
constexpr const char* Digitazione = "Ora digita sul tastierino numerico il valore dell'unità da convertire";
constexpr const char* Conferma = "Quando hai digitato il numero clicca di nuovo sul pulsante";
constexpr const char* Alto = "Valore troppo alto!";
constexpr const char* Zero = "Non puoi impostare questo valore a zero!";
constexpr const char* NumZero = "Non puoi impostare il numeratore a zero!";
constexpr const char* DivZero = "Non puoi dividere per zero: cambia denominatore!";
constexpr const char* Denom = "Imposta nella frazione il valore del denominatore";

const std::string Lungo(400, '7');
const std::string Piccolo = "0." + std::string(400, '0') + "1";

struct Caso {
    std::string tasti;
    const char *fraz1, *fraz2, *decimali, *cents, *micro, *istruzione;
    bool digitando;
};

const Caso Casi[] = {
    {"F3F2F", "3", "2", "1,5", "701,955", "995147,5656", Nuova, false},
    {"F1F3F", "1", "3", "0,333333333333333", "-1901,955", "-2696363,5656", Nuova, false},
    // No upper limit for a fraction.
    {"F20000F1F", "20000", "1", "20000", "17145,2549", "24306484,9035", Nuova, false},
    {"RF12F7F", "12", "7", "1,49830707687668", "700", "992376", Nuova, false},
    {"RF12F1F", "12", "1", "1,0594630943593", "100", "141768", Nuova, false},
    {"D0.5D", "-", "-", "0,5", "-1200", "-1701216", Nuova, false},
    {"D9999D", "-", "-", "9999", "15945,0817", "22605023,4576", Nuova, false},
    {"D10000D", "-", "-", "-", "-", "-", Alto, false},
    {"D0D", "-", "-", "-", "-", "-", Zero, false},
    {"D0.000D", "-", "-", "-", "-", "-", Zero, false},
    {"K700K", "-", "-", "1,49830707687668", "700", "992376", Nuova, false},
    {"K12000K", "-", "-", "1024", "12000", "17012160", Nuova, false},
    {"K12001K", "-", "-", "-", "-", "-", Alto, false},
    // The limits decided on the typed decimals, whose doubles reach the limit.
    {"K12000.9999999999999K", "-", "-", "1024,59165645471", "12001", "17013577,68", Nuova, false},
    {"M30000000.999999999M", "-", "-", "203468,45223898", "21161,3347", "30000000,999999999", Nuova, false},
    {"D9999.99999999999999D", "-", "-", "9999,99999999999999", "15945,2549", "22605268,9035", Nuova, false},
    {"K12001.0000000000001K", "-", "-", "-", "-", "-", Alto, false},
    {"M30000001.0M", "-", "-", "-", "-", "-", Alto, false},
    // Twenty digits and more are past every limit, though read as a 64-bit
    // whole number they would wrap round to 1 or 700.
    {"D18446744073709551617D", "-", "-", "-", "-", "-", Alto, false},
    {"K18446744073709552316K", "-", "-", "-", "-", "-", Alto, false},
    {"M18446744073709551617.5M", "-", "-", "-", "-", "-", Alto, false},
    // The Micro from the typed cents, not from the rounded ones.
    {"K1.23456K", "-", "-", "1,00071336414262", "1,2346", "1750,211", Nuova, false},
    {"K0K", "-", "-", "1", "0", "0", Nuova, false},
    // Typed cents are the decimals they spell: ties to even, though their
    // doubles lie just above the tie.
    {"K0.00005K", "-", "-", "1,00000002888113", "0", "0,0709", Nuova, false},
    {"K0.00025K", "-", "-", "1,00000014440567", "0,0002", "0,3544", Nuova, false},
    // 0,000625 cents are exactly 0,88605 Micro; 1,7721 Micro exactly 0,00125 cents.
    {"K0.000625K", "-", "-", "1,00000036101422", "0,0006", "0,886", Nuova, false},
    {"M1.7721M", "-", "-", "1,00000072202857", "0,0012", "1,7721", Nuova, false},
    {"M995148M", "-", "-", "1,50000026547295", "701,9553", "995148", Nuova, false},
    {"M30000000M", "-", "-", "203468,369337364", "21161,334", "30000000", Nuova, false},
    {"M30000001M", "-", "-", "-", "-", "-", Alto, false},
    {"M5.M", "-", "-", "1,00000203721305", "0,0035", "5,", Nuova, false},
    // Typing: a leading zero goes on only with the comma; one comma, not first.
    {"D07", "-", "-", "0", "-", "-", Conferma, true},
    {"D0.7", "-", "-", "0,7", "-", "-", Conferma, true},
    {"D1.00", "-", "-", "1,00", "-", "-", Conferma, true},
    {"D1.0.5", "-", "-", "1,05", "-", "-", Conferma, true},
    {"D.5", "-", "-", "5", "-", "-", Conferma, true},
    {"D.", "-", "-", "-", "-", "-", Digitazione, true},
    // Numerator 0: all cleared, back to choosing a unit, where digits do nothing.
    {"F0F", "-", "-", "-", "-", "-", NumZero, false},
    {"F0.F", "-", "-", "-", "-", "-", NumZero, false},
    {"F0.0F5.C", "-", "-", "-", "-", "-", NumZero, false},
    // Denominator 0: numerator kept, the denominator typed again.
    {"F3F0F", "3", "-", "-", "-", "-", DivZero, true},
    {"F3F0F4F", "3", "4", "0,75", "-498,045", "-706068,4344", Nuova, false},
    {"F3F", "3", "-", "-", "-", "-", Denom, true},
    {"F3F45C", "3", "-", "-", "-", "-", Conferma, true},
    // Unit clicks that are ignored.
    {"FF", "-", "-", "-", "-", "-", Digitazione, true},
    {"D5K", "-", "-", "5", "-", "-", Conferma, true},
    {"D5KMF", "-", "-", "5", "-", "-", Conferma, true},
    {"7C.", "-", "-", "-", "-", "-", "Clicca il pulsante dell'unità che vuoi convertire", false},
    // The root mode acts when the denominator is confirmed, and only then.
    {"F3F2FR", "3", "2", "1,5", "701,955", "995147,5656", Nuova, false},
    {"F12FRF7F", "12", "7", "1,49830707687668", "700", "992376", Nuova, false},
    {"RD2D", "-", "-", "2", "1200", "1701216", Nuova, false},
    // Ratios beyond double precision are refused, never shown as infinite or zero.
    {"F" + Lungo + "F1F", Lungo.c_str(), "1", "-", "-", "-", Alto, false},
    {"F1F" + Lungo + "F", "1", Lungo.c_str(), "-", "-", "-", Zero, false},
    {"F" + Lungo + "F" + Lungo + "F", Lungo.c_str(), Lungo.c_str(), "-", "-", "-", Alto, false},
    {"RF1F1024F", "1", "1024", "-", "-", "-", Alto, false},
    {"RF1F1023F", "1", "1023", "8,98846567431158E+307", "1227600", "1740343968", Nuova, false},
    {"RF" + Lungo + "F5F", Lungo.c_str(), "5", "1", "0", "0", Nuova, false},
    {"D" + Piccolo + "D", "-", "-", "-", "-", "-", Zero, false},
    {"D" + Lungo + "D", "-", "-", "-", "-", "-", Alto, false},
    // Tiny sizes round to "0", never "-0".
    {"F999999999F1000000000F", "999999999", "1000000000", "0,999999999", "0", "-0,0025", Nuova, false},
};

TEST(Convertitore, SequenzeDiTasti) {
    for (const auto& c : Casi) {
        Convertitore k;
        Digita(k, c.tasti);
        const std::string chi = c.tasti.size() > 40 ? c.tasti.substr(0, 40) + "..." : c.tasti;
        EXPECT_EQ(k.fraz1, c.fraz1) << chi;
        EXPECT_EQ(k.fraz2, c.fraz2) << chi;
        EXPECT_EQ(k.decimali, c.decimali) << chi;
        EXPECT_EQ(k.cents, c.cents) << chi;
        EXPECT_EQ(k.micro, c.micro) << chi;
        EXPECT_EQ(k.istruzione, c.istruzione) << chi;
        EXPECT_EQ(k.digitando(), c.digitando) << chi;
    }
}

TEST(Convertitore, ColoriDeiPassi) {
    Convertitore k;
    auto unita = [&](ColoreVB f, ColoreVB d, ColoreVB c, ColoreVB m) {
        return k.coloreUnita == std::array<ColoreVB, 4>{f, d, c, m};
    };
    constexpr ColoreVB R = Colori::RossoChiaro, B = Colori::Bianco, S = Colori::FacciaPulsante;
    Digita(k, "D");
    EXPECT_TRUE(unita(S, R, S, S));
    EXPECT_EQ(k.coloreDecimali, R);
    EXPECT_EQ(k.coloreFraz1, B);
    Digita(k, "5D");
    EXPECT_TRUE(unita(S, S, S, S));
    EXPECT_EQ(k.coloreDecimali, B);

    Digita(k, "F");
    EXPECT_EQ(k.coloreFraz1, R);
    EXPECT_EQ(k.decimali, "-") << "a new unit clears the last results";
    Digita(k, "3F");
    EXPECT_TRUE(unita(R, S, S, S));
    EXPECT_EQ(k.coloreFraz1, B);
    EXPECT_EQ(k.coloreFraz2, R);
    Digita(k, "0F");  // refused denominator: still waiting for it
    EXPECT_TRUE(unita(R, S, S, S));
    EXPECT_EQ(k.coloreFraz2, R);
    EXPECT_EQ(k.parteFrazione(), 2);
    Digita(k, "2F");
    EXPECT_TRUE(unita(S, S, S, S));
    EXPECT_EQ(k.coloreFraz2, B);
    EXPECT_EQ(k.decimali, "1,5");

    EXPECT_FALSE(k.modoRadice());
    Digita(k, "R");
    EXPECT_EQ(k.coloreRadice, Convertitore::ArancioChiaro);
    EXPECT_TRUE(k.modoRadice());
    EXPECT_EQ(k.decimali, "1,5") << "nothing recomputed";
    Digita(k, "R");
    EXPECT_EQ(k.coloreRadice, S);

    // After a refusal the next unit starts afresh.
    Digita(k, "K12001KM1M");
    EXPECT_EQ(k.cents, "0,0007");
    EXPECT_EQ(k.istruzione, Nuova);
}

TEST(Convertitore, ValoreDigitato) {
    EXPECT_EQ(ValoreDigitato("5,"), 5.0);
    EXPECT_EQ(ValoreDigitato("0,5"), 0.5);
    EXPECT_EQ(ValoreDigitato("1,23456"), 1.23456);
    EXPECT_TRUE(std::isinf(ValoreDigitato(Lungo)));
    EXPECT_EQ(ValoreDigitato(Piccolo), 0.0);
    EXPECT_EQ(ValoreDigitato("0" + Lungo.substr(0, 300)), 7.7777777777777778e299);
}

}  // namespace
}  // namespace vk
