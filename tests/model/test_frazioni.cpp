#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "common/Micro.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"

using namespace vk;

namespace {
const TabellaFrazioni& P() { return TabellaFrazioni::Pitagoriche(); }
const TabellaFrazioni& S() { return TabellaFrazioni::Sintoniche(); }
ValoreFisso V(const char* t) { return *ValoreFisso::daTesto(t); }
}  // namespace

TEST(TabellaFrazioni, InvariantiDiEntrambe) {
    for (const TabellaFrazioni* t : {&P(), &S()}) {
        std::set<std::string> nomi;
        for (int r = 1; r <= 235; ++r) {
            if (r > 1) {
                EXPECT_LT(t->riga(r - 1).Valore, t->riga(r).Valore) << r;
            }
            EXPECT_TRUE(nomi.insert(t->riga(r).Frazione).second) << r;
            EXPECT_EQ(CercaFrazione(*t, t->riga(r).Valore), t->riga(r).Frazione) << r;
            const ValoreFisso sopra = t->riga(r).Valore + ValoreFisso::daDecimillesimi(1);
            EXPECT_EQ(CercaFrazione(*t, sopra), "ND") << r;
        }
        EXPECT_EQ(t->riga(118).Frazione, "0");
        EXPECT_EQ(t->riga(118).Valore, Micro::QuintaNaturale);
        for (int i = 1; i <= 117; ++i) {
            const auto& basso = t->riga(i);
            const auto& alto = t->riga(236 - i);
            EXPECT_EQ(basso.Frazione[0], '-');
            EXPECT_EQ(alto.Frazione[0], '+');
            if (alto.Frazione == "+Schisma") {
                EXPECT_EQ(basso.Frazione, "- Schisma");
            } else {
                EXPECT_EQ(basso.Frazione.substr(1), alto.Frazione.substr(1)) << i;
            }
        }
    }
    int fuori = 0;
    for (const TabellaFrazioni* t : {&P(), &S()})
        for (int i = 1; i <= 117; ++i)
            if (t->riga(i).Valore + t->riga(236 - i).Valore != ValoreFisso::intero(1990296)) ++fuori;
    EXPECT_EQ(fuori, 3);
}

TEST(TabellaFrazioni, RigheDaConoscere) {
    struct Caso { int riga; const char* np; const char* vp; const char* ns; const char* vs; };
    const Caso casi[] = {
        {1, "-1", "961884", "-1", "964656"},
        {2, "-11/12", "964656", "-11/12", "967197"},
        {4, "-9/10", "965210,4", "-9/10", "967705,2"},
        {66, "-67/720", "992052,6", "- Schisma", "992376"},
        {67, "-1/11", "992124", "-1/12", "992607"},
        {68, "-1/12", "992376", "-11/144", "992818,75"},
        {71, "-1/14", "992772", "-17/240", "992988,15"},
        {77, "-1/18", "993300", "-19/360", "993538,7"},
        {117, "-1/100", "994815,36", "-1/12 Sch", "994917"},
        {118, "0", "995148", "0", "995148"},
        {119, "+1/100", "995480,64", "+1/12 Sch", "995379"},
        {159, "+1/18", "996936", "+19/360", "996757,3"},
        {165, "+1/14", "997524", "+17/240", "997308,85"},
        {170, "+67/720", "998243,4", "+Schisma", "997920"},
        {232, "+9/10", "1025085,6", "+9/10", "1022590"},
        {234, "+11/12", "1025640", "+11/12", "1023099"},
        {235, "+1", "1028412", "+1", "1025640"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(P().riga(c.riga).Frazione, c.np) << c.riga;
        EXPECT_EQ(P().riga(c.riga).Valore.testo(), c.vp) << c.riga;
        EXPECT_EQ(S().riga(c.riga).Frazione, c.ns) << c.riga;
        EXPECT_EQ(S().riga(c.riga).Valore.testo(), c.vs) << c.riga;
    }
    EXPECT_EQ(S().riga(134).Frazione, "+1/64");
    EXPECT_EQ(S().riga(134).Valore.testo(), "995624,4375");
}

namespace {

// The names of rows 119 to 235 as the design lists them, in ascending order.
constexpr const char* ListaPitagorica = R"(
"+1/100", "+1/99", "+1/96", "+1/90", "+1/88", "+1/84", "+1/80", "+1/77", "+1/75", "+1/72",
"+1/70", "+1/66", "+1/64", "+1/63", "+1/60", "+1/56", "+1/55", "+1/54", "+1/50", "+1/48",
"+1/45", "+1/44", "+1/42", "+1/40", "+1/36", "+1/35", "+1/33", "+1/32", "+1/30", "+1/28",
"+1/27", "+3/80", "+1/25", "+1/24", "+1/22", "+1/21", "+7/144", "+1/20", "+37/720", "+19/360",
"+1/18", "+11/180", "+1/16", "+1/15", "+5/72", "+17/240", "+1/14", "+53/720", "+11/144", "+1/12",
"+1/11", "+67/720", "+71/720", "+1/10", "+5/48", "+19/180", "+13/120", "+1/9", "+17/144", "+1/8",
"+19/144", "+2/15", "+1/7", "+103/720", "+3/20", "+109/720", "+11/72", "+113/720", "+19/120",
"+1/6", "+127/720", "+2/11", "+71/360", "+1/5", "+2/9", "+11/48", "+169/720", "+1/4", "+3/11",
"+2/7", "+3/10", "+11/36", "+1/3", "+4/11", "+3/8", "+7/18", "+281/720", "+2/5", "+5/12", "+3/7",
"+4/9", "+5/11", "+11/24", "+1/2", "+6/11", "+5/9", "+4/7", "+7/12", "+3/5", "+5/8", "+7/11",
"+2/3", "+7/10", "+5/7", "+8/11", "+3/4", "+7/9", "+4/5", "+9/11", "+5/6", "+6/7", "+7/8",
"+8/9", "+9/10", "+10/11", "+11/12", "+1")";
constexpr const char* ListaSintonica = R"(
"+1/12 Sch", "+1/11 Sch", "+1/10 Sch", "+1/100", "+1/9 Sch", "+1/96", "+1/90", "+1/8 Sch",
"+1/84", "+1/80", "+1/7 Sch", "+1/75", "+1/72", "+1/70", "+1/6 Sch", "+1/64", "+1/63", "+1/60",
"+1/56", "+1/5 Sch", "+1/50", "+1/48", "+1/45", "+1/4 Sch", "+1/42", "+1/40", "+1/36", "+1/35",
"+1/3 Sch", "+1/32", "+1/30", "+1/28", "+3/80", "+1/25", "+1/24", "+1/2 Sch", "+1/21", "+7/144",
"+1/20", "+37/720", "+19/360", "+1/18", "+11/180", "+1/16", "+1/15", "+5/72", "+17/240", "+1/14",
"+53/720", "+11/144", "+1/12", "+Schisma", "+67/720", "+71/720", "+1/10", "+5/48", "+19/180",
"+13/120", "+1/9", "+17/144", "+1/8", "+19/144", "+2/15", "+1/7", "+103/720", "+109/720",
"+11/72", "+113/720", "+19/120", "+1/6", "+127/720", "+2/11", "+71/360", "+1/5", "+2/9",
"+11/48", "+169/720", "+1/4", "+3/11", "+2/7", "+3/10", "+11/36", "+1/3", "+4/11", "+3/8",
"+7/18", "+281/720", "+2/5", "+5/12", "+3/7", "+4/9", "+5/11", "+11/24", "+1/2", "+6/11", "+5/9",
"+4/7", "+7/12", "+3/5", "+5/8", "+7/11", "+2/3", "+7/10", "+5/7", "+8/11", "+3/4", "+7/9",
"+4/5", "+9/11", "+5/6", "+6/7", "+7/8", "+8/9", "+9/10", "+10/11", "+11/12", "+1")";

std::vector<std::string> Nomi(const char* lista) {
    std::vector<std::string> v;
    for (const char* c = lista; (c = std::strchr(c, '"')); ++c) {
        const char* fine = std::strchr(c + 1, '"');
        v.emplace_back(c + 1, fine);
        c = fine;
    }
    return v;
}

// Ten-thousandths of Micro above the pure fifth that an upper name stands
// for: "+a/b" of the comma, "+1/n Sch" of the schisma, "+Schisma", "+1".
int64_t DistanzaDaNome(const std::string& nome, int64_t comma) {
    const int64_t schisma = 2772 * 10000;
    if (nome == "+Schisma") return schisma;
    int a = 0, b = 0;
    char resto[8] = {};
    int64_t unita = comma * 10000;
    if (std::sscanf(nome.c_str(), "+%d/%d%7s", &a, &b, resto) >= 2) {
        if (std::string(resto) == "Sch") unita = schisma;
    } else {
        EXPECT_EQ(nome, "+1");
        return unita;
    }
    EXPECT_EQ(unita * a % b, 0) << nome << ": not an exact size";
    return unita * a / b;
}

}  // namespace

// Every row of both tables, name and size, from the lists above, the
// mirror rule and the three rows off the formula.
TEST(TabellaFrazioni, OgniRigaDalleListeDeiNomi) {
    struct Caso {
        const TabellaFrazioni* tabella;
        const char* lista;
        int64_t comma;
        std::vector<std::pair<int, const char*>> fuoriFormula;
    };
    const Caso casi[] = {
        {&P(), ListaPitagorica, 33264, {{159, "996936"}}},
        {&S(), ListaSintonica, 30492, {{165, "997308,85"}, {232, "1022590"}}},
    };
    for (const Caso& c : casi) {
        const std::vector<std::string> alti = Nomi(c.lista);
        ASSERT_EQ(alti.size(), 117u);
        std::vector<std::pair<std::string, ValoreFisso>> attese(236);
        attese[118] = {"0", ValoreFisso::intero(995148)};
        for (int i = 1; i <= 117; ++i) {
            const std::string& alto = alti[static_cast<size_t>(i - 1)];
            const ValoreFisso d = ValoreFisso::daDecimillesimi(DistanzaDaNome(alto, c.comma));
            const std::string basso = alto == "+Schisma" ? "- Schisma" : "-" + alto.substr(1);
            attese[static_cast<size_t>(118 + i)] = {alto, ValoreFisso::intero(995148) + d};
            attese[static_cast<size_t>(118 - i)] = {basso, ValoreFisso::intero(995148) - d};
        }
        for (const auto& [riga, valore] : c.fuoriFormula) attese[static_cast<size_t>(riga)].second = V(valore);
        ASSERT_EQ(c.tabella->righe(), 235);
        for (int r = 1; r <= 235; ++r) {
            EXPECT_EQ(c.tabella->riga(r).Frazione, attese[static_cast<size_t>(r)].first) << "row " << r;
            EXPECT_EQ(c.tabella->riga(r).Valore, attese[static_cast<size_t>(r)].second)
                << "row " << r << " " << attese[static_cast<size_t>(r)].first;
        }
    }
}

TEST(CercaFrazione, NomiDiConfine) {
    struct Caso { const char* micro; const char* pit; const char* sin; };
    const Caso casi[] = {
        {"995148", "0", "0"},
        {"992376", "-1/12", "- Schisma"},
        {"997920", "+1/12", "+Schisma"},
        {"964656", "-11/12", "-1"},
        {"1025640", "+11/12", "+1"},
        {"961884", "-1", "ND"},
        {"1028412", "+1", "ND"},
        {"997308,85", "ND", "+17/240"},
        {"997307,85", "ND", "ND"},
        {"1022590", "ND", "+9/10"},
        {"1022590,8", "ND", "ND"},
        {"996936", "+1/18", "ND"},
        {"996996", "ND", "ND"},
        {"995148,0001", "ND", "ND"},
        {"995147,9999", "ND", "ND"},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(CercaFrazione(P(), V(c.micro)), c.pit) << c.micro;
        EXPECT_EQ(CercaFrazione(S(), V(c.micro)), c.sin) << c.micro;
    }
    EXPECT_EQ(CercaFrazione(P(), std::string_view("995148,0")), "0");
    EXPECT_EQ(CercaFrazione(P(), std::string_view("abc")), "ND");
}

TEST(Nomina, PitagoricaAggiornaICentsSintonicaNo) {
    Temperamento t = TemperamentoIniziale();
    t.QuintaSelezionata = 3;
    t.Quinte[3] = "995148";
    NominaFrazioneSintonica(t);
    EXPECT_EQ(t.Frazioni[3], "0");
    EXPECT_EQ(t.QuinteCents[3], "700");
    NominaFrazionePitagorica(t);
    EXPECT_EQ(t.QuinteCents[3], "701,96");
    t.Quinte[3] = "961884";
    NominaFrazionePitagorica(t);
    EXPECT_EQ(t.Frazioni[3], "-1");
    EXPECT_EQ(t.QuinteCents[3], "678,49");
    t.Quinte[3] = "995148,5";
    NominaFrazionePitagorica(t);
    EXPECT_EQ(t.Frazioni[3], "ND");
    EXPECT_EQ(t.QuinteCents[3], "701,96");
    t.IndiceQS = 3;
    t.QuinteCents[3] = "x";
    NominaFrazionePitagoricaQS(t);
    EXPECT_EQ(t.QuinteCents[3], "x");
}

TEST(Nomina, IndiceFuoriIntervalloNonFaNulla) {
    for (int k : {0, 13, -1}) {
        Temperamento t = TemperamentoIniziale();
        Temperamento prima = t;
        t.QuintaSelezionata = k;
        t.IndiceQS = k;
        NominaFrazionePitagorica(t);
        NominaFrazioneSintonica(t);
        NominaFrazionePitagoricaQS(t);
        CompensaQuinta(t);
        EXPECT_EQ(t.Frazioni, prima.Frazioni);
        EXPECT_EQ(t.Quinte, prima.Quinte);
    }
}

TEST(CompensaQuinta, QuintaCinquePuraInEntrambiIComma) {
    for (bool pit : {true, false}) {
        Temperamento t = TemperamentoIniziale();
        t.impostaModo(pit ? ModoComma::Pitagorico : ModoComma::Sintonico);
        t.QuintaSelezionata = 5;
        t.Quinte[5] = "995148";
        CompensaQuinta(t);
        EXPECT_EQ(t.Quinte[6], "989604");
        EXPECT_EQ(t.Frazioni[6], pit ? "-1/6" : "-2/11");
        EXPECT_EQ(t.CopiaQuinte[5], "995148");
        EXPECT_EQ(t.CopiaQuinte[6], "989604");
        EXPECT_EQ(t.QuintaSelezionata, 5);
        ValoreFisso s;
        for (int k = 1; k <= 12; ++k) s += *Numero(t.Quinte[k]);
        EXPECT_EQ(s, Micro::SetteOttave);
    }
}

TEST(CompensaQuinta, DodiciPassaAUnoERinominaAncheSenzaCambio) {
    Temperamento t = TemperamentoIniziale();
    t.QuintaSelezionata = 12;
    t.Frazioni[1] = "scritto a mano";
    CompensaQuinta(t);
    EXPECT_EQ(t.Quinte[1], "992376");
    EXPECT_EQ(t.Frazioni[1], "-1/12");
    EXPECT_EQ(t.QuintaSelezionata, 12);
    t.Quinte[12] = "1000000";
    CompensaQuinta(t);
    EXPECT_EQ(t.Quinte[1], "984752");
    EXPECT_EQ(t.Frazioni[1], "ND");
}

// The next fifth takes the edited fifth's whole change since its commit,
// keeps its own uncommitted change (which the sum then keeps too), and only
// the Pythagorean naming refreshes its cents.
TEST(CompensaQuinta, LaSeguentePrendeTuttoIlCambioEISuoiCents) {
    struct Caso {
        const char* nome;
        ModoComma modo;
        const char* quinta6Prima;  // fifth 6 changed since its commit, or as committed
        const char* quinta6, *frazione6, *cents6;
        int64_t scartoSomma;       // sum of the fifths minus seven octaves, after
    };
    const Caso casi[] = {
        {"pitagorico", ModoComma::Pitagorico, "992376", "989604", "-1/6", "698,04", 0},
        {"sintonico", ModoComma::Sintonico, "992376", "989604", "-2/11", "700", 0},
        {"la seguente cambiata", ModoComma::Pitagorico, "993000", "990228", "ND", "698,48", 624},
    };
    for (const auto& c : casi) {
        Temperamento t = TemperamentoIniziale();
        t.impostaModo(c.modo);
        t.Quinte[6] = c.quinta6Prima;
        t.QuintaSelezionata = 5;
        // Three steps before the release; only their total counts.
        for (const char* passo : {"992607", "994917", "995148"}) t.Quinte[5] = passo;
        CompensaQuinta(t);
        EXPECT_EQ(t.Quinte[6], c.quinta6) << c.nome;
        EXPECT_EQ(t.CopiaQuinte[6], c.quinta6) << c.nome;
        EXPECT_EQ(t.CopiaQuinte[5], "995148") << c.nome;
        EXPECT_EQ(t.Frazioni[6], c.frazione6) << c.nome;
        EXPECT_EQ(t.QuinteCents[6], c.cents6) << c.nome;
        EXPECT_EQ(t.QuinteCents[5], "700") << c.nome;  // fifth k's cents wait for the derivation
        EXPECT_EQ(t.Frazioni[5], "-1/12") << c.nome;   // and its name for its own steps
        ValoreFisso s;
        for (int k = 1; k <= 12; ++k) s += *Numero(t.Quinte[k]);
        EXPECT_EQ(s - Micro::SetteOttave, ValoreFisso::intero(c.scartoSomma)) << c.nome;
    }
}
