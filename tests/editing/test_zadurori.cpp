#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/Micro.h"
#include "editing/ZaduRori.h"

using namespace vk;

namespace {

constexpr double Progetto = 11520.0;

using Voci = std::vector<std::string>;

// Twelve boxes: `n` of `a`, then the rest of `b`.
Voci Riempi(int n, const char* a, const char* b) {
    Voci v;
    for (int k = 1; k <= 12; ++k) v.push_back(k <= n ? a : b);
    return v;
}

Voci Con(Voci v, int k, const char* testo) {
    v[static_cast<size_t>(k - 1)] = testo;
    return v;
}

void Digita(ZaduRori& z, const Voci& v) {
    for (int k = 1; k <= 12; ++k) z.TxtCentsEasy[static_cast<size_t>(k)] = v[static_cast<size_t>(k - 1)];
}

// The screen open in the Italian notation over the initial temperament.
class Easy : public ::testing::Test {
protected:
    void SetUp() override { z.apri("IT"); }
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ZaduRori z;
};

size_t Caratteri(const std::string& utf8) {
    size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

TEST(ZaduRori, ScalaturaEAvvisi) {
    using E = ZaduRori::Esito;
    struct Caso {
        const char* nome;
        Voci voci;
        E esito;
        const char* avviso = nullptr;    // for Avviso
        const char* scarto = nullptr;    // for Correzione
        const char* quinta1 = nullptr;   // fifth 1 as applied or in red box 1
        const char* quinta12 = nullptr;  // fifth 12
    } casi[] = {
        {"tutte -1", Riempi(12, "-1", "-1"), E::Applicato, nullptr, nullptr, "992376", "992376"},
        {"tutte 1", Riempi(12, "1", "1"), E::Applicato, nullptr, nullptr, "992376", "992376"},
        {"tutte -7", Riempi(12, "-7", "-7"), E::Applicato, nullptr, nullptr, "992376", "992376"},
        {"undici -2", Riempi(11, "-2", "0"), E::Applicato, nullptr, nullptr, "992124", "995148"},
        {"otto -0,25", Riempi(8, "-0,25", "0"), E::Applicato, nullptr, nullptr, "990990", "995148"},
        {"-1,96 in 12", Con(Riempi(12, "-1", "-1"), 12, "-1,96"), E::Correzione, nullptr, "-0,0004",
         "992581,3333", "990117,3333"},
        {"-2 in 6", Con(Riempi(12, "-1", "-1"), 6, "-2"), E::Correzione, nullptr, "0,0003", "992589,2308",
         "992589,2308"},
        {"1 e -1", Con(Riempi(1, "1", "0"), 2, "-1"), E::Avviso, TestiEasy::SommaZero},
        {"0,00004", Riempi(1, "0,00004", "0"), E::Avviso, TestiEasy::SommaZero},
        {"divisione per zero", Con(Con(Riempi(1, "0,00006", "0"), 2, "-0,00003"), 3, "-0,00003"), E::Avviso,
         TestiEasy::SommaZero},
        {"troppo grande", Riempi(1, "123456789012345678901234", "0"), E::Avviso, TestiEasy::SommaZero},
        {"quinta fuori scala", Con(Riempi(1, "1000000", "0"), 2, "-999999,9999"), E::Avviso,
         TestiEasy::SommaZero},
        {"una vuota", Con(Riempi(12, "-1", "-1"), 7, ""), E::Avviso, TestiEasy::Dimenticato},
        {"vuota prima di zero", Con(Con(Riempi(1, "1", "0"), 2, "-1"), 5, ""), E::Avviso,
         TestiEasy::Dimenticato},
        {"vuota prima di non numero", Con(Con(Riempi(12, "-1", "-1"), 3, "x"), 9, ""), E::Avviso,
         TestiEasy::Dimenticato},
        {"lettere", Con(Riempi(12, "-1", "-1"), 4, "abc"), E::Avviso, TestiEasy::NonNumeri},
        {"solo spazi", Con(Riempi(12, "-1", "-1"), 4, "  "), E::Avviso, TestiEasy::NonNumeri},
        {"spazio davanti", Con(Riempi(12, "-1", "-1"), 4, " -1"), E::Avviso, TestiEasy::NonNumeri},
        {"segno fuori posto", Con(Riempi(12, "-1", "-1"), 4, "1-"), E::Avviso, TestiEasy::NonNumeri},
        {"due virgole", Con(Riempi(12, "-1", "-1"), 4, "1,2,3"), E::Avviso, TestiEasy::NonNumeri},
        {"non numero prima di zero", Con(Con(Riempi(1, "1", "0"), 2, "-1"), 5, "e"), E::Avviso,
         TestiEasy::NonNumeri},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ZaduRori z;
        z.apri("IT");
        Digita(z, c.voci);
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        const Temperamento prima = t;
        const E esito = z.ok(t, g, Progetto);
        EXPECT_EQ(esito, c.esito);
        switch (c.esito) {
            case E::Applicato:
                EXPECT_FALSE(z.aperta);
                EXPECT_FALSE(z.passoCorrezione);
                EXPECT_EQ(t.Quinte[1], c.quinta1);
                EXPECT_EQ(t.Quinte[12], c.quinta12);
                EXPECT_EQ(z.TxtCentsEasy[1], "");
                EXPECT_EQ(z.TxtIndicazioniOperativeEasy, TestiEasy::Istruzioni);
                break;
            case E::Correzione:
                EXPECT_TRUE(z.aperta);
                EXPECT_TRUE(z.passoCorrezione);
                EXPECT_EQ(z.lblCorrezione, c.scarto);
                EXPECT_EQ(z.TxtQuinteArrotondateEasy[1], c.quinta1);
                EXPECT_EQ(z.TxtQuinteArrotondateEasy[12], c.quinta12);
                EXPECT_EQ(z.lblQuinteArrotondateTotale, Testo(Micro::SetteOttave + *Numero(c.scarto)));
                EXPECT_EQ(z.TxtIndicazioniOperativeEasy, TestiEasy::Correggi);
                EXPECT_EQ(t.Quinte, prima.Quinte);
                break;
            case E::Avviso:
                EXPECT_TRUE(z.aperta);
                EXPECT_FALSE(z.passoCorrezione);
                EXPECT_EQ(z.TxtIndicazioniOperativeEasy, c.avviso);
                EXPECT_EQ(z.TxtQuinteArrotondateEasy[1], "");
                EXPECT_EQ(t.Quinte, prima.Quinte);
                EXPECT_EQ(z.TxtCentsEasy[1], c.voci[0]);  // the boxes stay as typed
                break;
            default:
                break;
        }
    }
}

TEST(ZaduRori, LetturaDeiNumeriDigitati) {
    struct Caso {
        const char* testo;
        bool numero;
        const char* fisso = nullptr;
        double esatto = 0;
    } casi[] = {
        {"-1,96", true, "-1,96", -1.96},
        {"0.5", true, "5", 5},  // a point separates thousands
        {"1.234,5", true, "1234,5", 1234.5},
        {"0,00005", true, "0", 0.00005},
        {"0,00015", true, "0,0002", 0.00015},
        {",5", true, "0,5", 0.5},
        {"-", false},
        {"", false},
        {".", false},
        {"+1", false},
        {"1e3", false},
    };
    for (const auto& c : casi) {
        NumeroDigitato n{};
        const bool letto = LeggiDigitato(c.testo, n) == LetturaDigitata::Numero;
        EXPECT_EQ(letto, c.numero) << c.testo;
        if (letto && c.numero) {
            EXPECT_EQ(Testo(n.fisso), c.fisso) << c.testo;
            EXPECT_EQ(n.esatto, c.esatto) << c.testo;
        }
    }
}

TEST(ZaduRori, ArrotondamentoAQuindiciCifreEPoiAQuattroDecimali) {
    // Just below and just above a tie at the fifth decimal: at 15 significant
    // digits both are the tie itself, which goes to the even digit.
    const double sotto = std::nextafter(992376.00015, 0.0);
    const double sopra = std::nextafter(992376.00025, 2e6);
    EXPECT_EQ(Testo(*ArrotondaQuintaEasy(sotto)), "992376,0002");
    EXPECT_EQ(Testo(*ArrotondaQuintaEasy(sopra)), "992376,0002");
    // Rounded once, straight to four decimals, they would differ.
    EXPECT_EQ(Testo(*ValoreFisso::daDouble(sotto)), "992376,0001");
    EXPECT_EQ(Testo(*ValoreFisso::daDouble(sopra)), "992376,0003");
    EXPECT_EQ(Testo(*ArrotondaQuintaEasy(992581.3333333333)), "992581,3333");
    EXPECT_EQ(Testo(*ArrotondaQuintaEasy(995148.0)), "995148");
    EXPECT_EQ(Testo(*ArrotondaQuintaEasy(-0.000012345)), "0");
    EXPECT_FALSE(ArrotondaQuintaEasy(1e300));
    EXPECT_FALSE(ArrotondaQuintaEasy(NAN));
}

TEST_F(Easy, CorrezioneAManoEMod) {
    Digita(z, Con(Riempi(12, "-1", "-1"), 12, "-1,96"));
    ASSERT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Correzione);

    // Unchanged red boxes: nothing moves.
    EXPECT_EQ(z.mod(t, g, Progetto), ZaduRori::Esito::Correzione);
    EXPECT_EQ(z.lblQuinteArrotondateTotale, "11908511,9996");
    // An overshoot shows the new total; the Scarto keeps the first difference.
    z.TxtQuinteArrotondateEasy[3] = "992581,3343";
    EXPECT_EQ(z.mod(t, g, Progetto), ZaduRori::Esito::Correzione);
    EXPECT_EQ(z.lblQuinteArrotondateTotale, "11908512,0006");
    EXPECT_EQ(z.lblCorrezione, "-0,0004");
    // An empty or non-numeric red box is refused, and the step stays.
    for (const char* cattivo : {"", "99x"}) {
        z.TxtQuinteArrotondateEasy[3] = cattivo;
        EXPECT_EQ(z.mod(t, g, Progetto), ZaduRori::Esito::Avviso);
        EXPECT_EQ(z.TxtIndicazioniOperativeEasy, TestiEasy::NonNumeri);
        EXPECT_TRUE(z.passoCorrezione);
        EXPECT_EQ(z.lblQuinteArrotondateTotale, "11908512,0006");
    }
    z.TxtQuinteArrotondateEasy[3] = "992581,3333";
    EXPECT_EQ(z.mod(t, g, Progetto), ZaduRori::Esito::Correzione);
    EXPECT_EQ(z.TxtIndicazioniOperativeEasy, TestiEasy::Correggi);
    EXPECT_EQ(t.Quinte, TemperamentoIniziale().Quinte);

    // "Canc" in the correction step empties only the green boxes.
    z.copia(0);
    EXPECT_EQ(z.TxtCentsEasy[12], "");
    EXPECT_EQ(z.TxtQuinteArrotondateEasy[12], "990117,3333");
    EXPECT_TRUE(z.passoCorrezione);

    // Adding 0,0004 to one box, typed with a trailing zero, closes the circle;
    // the fifth is stored exactly as typed.
    z.TxtQuinteArrotondateEasy[5] = "992581,33370";
    EXPECT_EQ(z.mod(t, g, Progetto), ZaduRori::Esito::Applicato);
    EXPECT_EQ(t.Quinte[5], "992581,33370");
    EXPECT_EQ(t.CopiaQuinte[5], "992581,33370");
    EXPECT_EQ(t.Quinte[4], "992581,3333");
    EXPECT_FALSE(z.aperta);
    EXPECT_FALSE(z.passoCorrezione);
    EXPECT_EQ(z.TxtQuinteArrotondateEasy[5], "");
    EXPECT_EQ(z.lblQuinteArrotondateTotale, "");
    EXPECT_EQ(z.lblCorrezione, "");
}

TEST_F(Easy, OkDiNuovoNelPassoDiCorrezioneRicalcolaDalleCaselleVerdi) {
    Digita(z, Con(Riempi(12, "-1", "-1"), 6, "-2"));
    ASSERT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Correzione);
    z.TxtQuinteArrotondateEasy[1] = "1";
    z.TxtCentsEasy[2] = "";
    EXPECT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Avviso);
    EXPECT_EQ(z.lblCorrezione, "");  // emptied even when the check fails
    EXPECT_TRUE(z.passoCorrezione);
    EXPECT_EQ(z.TxtQuinteArrotondateEasy[1], "1");
    z.TxtCentsEasy[2] = "-1";
    EXPECT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Correzione);
    EXPECT_EQ(z.TxtQuinteArrotondateEasy[1], "992589,2308");
    EXPECT_EQ(z.lblCorrezione, "0,0003");
}

TEST(ZaduRori, CentsInSingolaPrecisione) {
    struct Caso {
        const char* micro;
        const char* singola;
        const char* doppia;  // CentsDaMicro
    } casi[] = {{"995544,4642", "702,23", "702,24"},
                {"990285", "698,53", "698,53"},
                {"992376", "700", "700"},
                {"141768", "100", "100"}};
    for (const auto& c : casi) {
        EXPECT_EQ(Testo(*CentsSingolaPrecisione(c.micro)), c.singola) << c.micro;
        EXPECT_EQ(Testo(CentsDaMicro(*Numero(c.micro))), c.doppia) << c.micro;
    }
    EXPECT_FALSE(CentsSingolaPrecisione("abc"));
}

TEST(ZaduRori, ApplicaMantieneLeCentsSingoleSoloNelSintonico) {
    for (ModoComma modo : {ModoComma::Sintonico, ModoComma::Pitagorico}) {
        Temperamento t = TemperamentoIniziale();
        t.impostaModo(modo);
        Istogrammi g = IstogrammiIniziali();
        std::array<std::string, 13> q{};
        for (int k = 1; k <= 12; ++k) q[static_cast<size_t>(k)] = k == 3 ? "995544,4642" : "992376";
        ASSERT_TRUE(ApplicaTemperamentoEasy(q, t, g, Progetto));
        EXPECT_EQ(t.QuinteCents[3], modo == ModoComma::Sintonico ? "702,23" : "702,24");
        EXPECT_EQ(t.Frazioni[1], modo == ModoComma::Sintonico ? "- Schisma" : "-1/12");
    }
}

TEST_F(Easy, UndiciQuinteDi992124) {
    t.QuintaSelezionata = 4;
    Digita(z, Riempi(11, "-2", "0"));
    ASSERT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Applicato);
    for (int k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(t.Quinte[k], k <= 11 ? "992124" : "995148");
        EXPECT_EQ(t.CopiaQuinte[k], t.Quinte[k]);
        EXPECT_EQ(t.QuinteCents[k], k <= 11 ? "699,82" : "701,96");
        EXPECT_EQ(t.Frazioni[k], k <= 11 ? "-1/11" : "0");
        const bool stretto = k == 1 || k == 3 || k == 5 || k == 8 || k == 10;
        EXPECT_EQ(t.SemitoniCents[k], stretto ? "98,76" : "100,89");
        EXPECT_EQ(t.TerzeCents[k], k <= 8 ? "399,29" : "401,42");
        EXPECT_EQ(t.SigleTerze[k], "");
        EXPECT_EQ(g.ShpTerze[k].Colore, k <= 8 ? 0x80FF80u : 0x80FFu);
    }
    EXPECT_EQ(t.ScartoSemitonale, "2,13");
    EXPECT_EQ(t.QuintaSelezionata, 0);
    EXPECT_EQ(t.Nome, TemperamentoIniziale().Nome);
    EXPECT_EQ(t.Descrizione, TemperamentoIniziale().Descrizione);
    EXPECT_EQ(t.CommaCaption, CaptionPitagorico);
    EXPECT_FLOAT_EQ(g.ShpTerze[9].Height, static_cast<float>(AltezzaTerza(401.42).Height));
    EXPECT_EQ(g.ShpTerze[0].Top, g.ShpTerze[7].Top);
}

TEST_F(Easy, VallottiDaSeiMenoUnoESeiZero) {
    // Typed as a user would: one value, then "Copy" down the rows.
    z.TxtCentsEasy[1] = "-1";
    for (int k = 2; k <= 5; ++k) z.copia(k);
    z.TxtCentsEasy[6] = "0";
    for (int k = 7; k <= 11; ++k) z.copia(k);
    z.TxtCentsEasy[12] = "-1";
    ASSERT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Applicato);
    for (int k = 1; k <= 12; ++k) {
        const bool temperata = k <= 5 || k == 12;
        EXPECT_EQ(t.Quinte[k], temperata ? "989604" : "995148") << k;
        EXPECT_EQ(t.Frazioni[k], temperata ? "-1/6" : "0") << k;
    }
    EXPECT_EQ(t.Terze[1], "555984");
    EXPECT_EQ(t.TerzeCents[1], "392,18");
    EXPECT_FALSE(z.aperta);
}

TEST(ZaduRori, CopyCancEApertura) {
    ZaduRori z;
    z.apri("IT");
    z.TxtCentsEasy[12] = "-0,5";
    for (int k = 1; k <= 11; ++k) z.copia(k);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(z.TxtCentsEasy[k], "-0,5") << k;
    z.TxtCentsEasy[3] = "";
    z.copia(4);  // an empty neighbour empties the row
    EXPECT_EQ(z.TxtCentsEasy[4], "");
    z.TxtCentsEasy[3] = "x y";
    z.copia(4);  // copied unchanged, unreadable or not
    EXPECT_EQ(z.TxtCentsEasy[4], "x y");
    z.copia(0);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(z.TxtCentsEasy[k], "") << k;

    // "Esc" resets and closes; the next opening is empty, with the instructions.
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    Digita(z, Con(Riempi(12, "-1", "-1"), 12, "-1,96"));
    ASSERT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Correzione);
    z.esci();
    EXPECT_FALSE(z.aperta);
    EXPECT_FALSE(z.passoCorrezione);
    EXPECT_EQ(t.Quinte, TemperamentoIniziale().Quinte);
    z.apri("IT");
    EXPECT_TRUE(z.aperta);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(z.TxtCentsEasy[k], "");
        EXPECT_EQ(z.TxtQuinteArrotondateEasy[k], "");
    }
    EXPECT_EQ(z.TxtIndicazioniOperativeEasy, TestiEasy::Istruzioni);
    EXPECT_EQ(Caratteri(TestiEasy::Istruzioni), 437u);
    // The correct total in the green box, seven octaves as written.
    EXPECT_EQ(z.lblTotaleMicroEasyArrotondata, "11908512");
}

TEST(ZaduRori, NomiDelleRighePerNotazione) {
    struct Caso {
        const char* lingua;
        int k;
        const char* nome;
    } casi[] = {{"IT", 1, "DO - SOL"},   {"IT", 8, "REb - LAb"}, {"FR", 1, "UT - SOL"}, {"FR", 7, "FA# - UT#"},
                {"FR", 12, "FA - UT"},   {"DE", 5, "E - H"},     {"DE", 6, "H - F#"},   {"DE", 10, "Eb - B"},
                {"DE", 11, "B - F"},     {"EN", 5, "E - B"},     {"EN", 10, "Eb - Bb"}, {"EN", 11, "Bb - F"},
                {"XX", 7, "FA# - DO#"}};
    for (const auto& c : casi) {
        ZaduRori z;
        z.apri("FR");
        z.esci();
        z.apri(c.lingua);  // the notation in force at each opening
        EXPECT_EQ(z.lblEtiQuinteEasy[c.k], c.nome) << c.lingua << c.k;
    }
}

// Every name of every notation, as the screen was designed to write them.
TEST(ZaduRori, TuttiINomiDelleQuintePerNotazione) {
    struct Caso {
        const char* lingua;
        std::array<const char*, 12> nomi;
    } casi[] = {
        {"IT", {"DO - SOL", "SOL - RE", "RE - LA", "LA - MI", "MI - SI", "SI - FA#", "FA# - DO#", "REb - LAb",
                "LAb - MIb", "MIb - SIb", "SIb - FA", "FA - DO"}},
        {"FR", {"UT - SOL", "SOL - RE", "RE - LA", "LA - MI", "MI - SI", "SI - FA#", "FA# - UT#", "REb - LAb",
                "LAb - MIb", "MIb - SIb", "SIb - FA", "FA - UT"}},
        {"DE", {"C - G", "G - D", "D - A", "A - E", "E - H", "H - F#", "F# - C#", "Db - Ab", "Ab - Eb", "Eb - B",
                "B - F", "F - C"}},
        {"EN", {"C - G", "G - D", "D - A", "A - E", "E - B", "B - F#", "F# - C#", "Db - Ab", "Ab - Eb", "Eb - Bb",
                "Bb - F", "F - C"}},
        {"", {"DO - SOL", "SOL - RE", "RE - LA", "LA - MI", "MI - SI", "SI - FA#", "FA# - DO#", "REb - LAb",
              "LAb - MIb", "MIb - SIb", "SIb - FA", "FA - DO"}},
        {"it", {"DO - SOL", "SOL - RE", "RE - LA", "LA - MI", "MI - SI", "SI - FA#", "FA# - DO#", "REb - LAb",
                "LAb - MIb", "MIb - SIb", "SIb - FA", "FA - DO"}},
    };
    for (const auto& c : casi) {
        const auto nomi = NomiQuinteEasy(c.lingua);
        EXPECT_EQ(nomi[0], "") << c.lingua;
        for (size_t k = 1; k <= 12; ++k) EXPECT_EQ(nomi[k], c.nomi[k - 1]) << c.lingua << " " << k;
    }
}

TEST_F(Easy, UnaQuintaCorrettaConIPuntiRestaLeggibile) {
    Digita(z, Con(Riempi(12, "-1", "-1"), 12, "-1,96"));
    ASSERT_EQ(z.ok(t, g, Progetto), ZaduRori::Esito::Correzione);
    // The point reads as a thousands separator; the fifth keeps the digits
    // and the trailing zero as typed, without the separator.
    z.TxtQuinteArrotondateEasy[5] = "992.581,33370";
    ASSERT_EQ(z.mod(t, g, Progetto), ZaduRori::Esito::Applicato);
    EXPECT_EQ(t.Quinte[5], "992581,33370");
    EXPECT_EQ(t.CopiaQuinte[5], "992581,33370");
    ASSERT_TRUE(Numero(t.Quinte[5]));
    ValoreFisso somma;
    for (int k = 1; k <= 12; ++k) somma += *Numero(t.Quinte[k]);
    EXPECT_EQ(somma, Micro::SetteOttave);
}
