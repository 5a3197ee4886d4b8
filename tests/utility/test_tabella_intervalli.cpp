#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <set>
#include <optional>
#include <string>
#include <string_view>

#include "common/Micro.h"
#include "utility/TabellaIntervalli.h"

namespace vk {
namespace {

struct Rapporto {
    int64_t num = 1, den = 1;
    bool operator==(const Rapporto&) const = default;
};

// The product, reduced; the cross factors are cancelled first, so the
// products stay within int64 for every ratio of the table (checked).
Rapporto Per(Rapporto x, Rapporto y) {
    const int64_t g1 = std::gcd(x.num, y.den), g2 = std::gcd(y.num, x.den);
    Rapporto r;
    const bool oltre = __builtin_mul_overflow(x.num / g1, y.num / g2, &r.num) ||
                       __builtin_mul_overflow(x.den / g2, y.den / g1, &r.den);
    EXPECT_FALSE(oltre) << x.num << "/" << x.den << " * " << y.num << "/" << y.den;
    return r;
}

// Reads a whole number at the start of `s`, which it then leaves behind.
std::optional<int64_t> Cifre(std::string_view& s) {
    int64_t v = 0;
    const auto [fine, errore] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (errore != std::errc() || fine == s.data() || s[0] == '-') return std::nullopt;
    s.remove_prefix(static_cast<size_t>(fine - s.data()));
    return v;
}

// Whether `s` starts with `c`, which it then leaves behind.
bool Segno(std::string_view& s, char c) {
    if (s.empty() || s[0] != c) return false;
    s.remove_prefix(1);
    return true;
}

// A formula as written in the table: factors "p", "p/q" or "(p/q)^n" joined by "*".
std::optional<Rapporto> LeggiFormula(const std::string& f) {
    std::string_view s = f;
    Rapporto r;
    do {
        const bool potenza = Segno(s, '(');
        const auto p = Cifre(s);
        if (!p) return std::nullopt;
        Rapporto base{*p, 1};
        if (Segno(s, '/')) {
            const auto q = Cifre(s);
            if (!q) return std::nullopt;
            base.den = *q;
        }
        const int64_t g = std::gcd(base.num, base.den);
        base = {base.num / g, base.den / g};
        int64_t n = 1;
        if (potenza) {
            if (base.den == 1 || !Segno(s, ')') || !Segno(s, '^')) return std::nullopt;
            const auto e = Cifre(s);
            if (!e) return std::nullopt;
            n = *e;
        }
        for (int64_t i = 0; i < n; ++i) r = Per(r, base);
    } while (Segno(s, '*'));
    if (!s.empty()) return std::nullopt;
    return r;
}

// "2^(a/b)": the exponent a / b.
std::optional<std::pair<int, int>> Esponente(const std::string& f) {
    std::string_view s = f;
    if (!Segno(s, '2') || !Segno(s, '^') || !Segno(s, '(')) return std::nullopt;
    const auto a = Cifre(s);
    if (!a || !Segno(s, '/')) return std::nullopt;
    const auto b = Cifre(s);
    if (!b || !Segno(s, ')') || !s.empty()) return std::nullopt;
    return std::pair{static_cast<int>(*a), static_cast<int>(*b)};
}

// The row's ratio, in extended precision; exact for a fraction.
long double Valore(const RigaIntervallo& r) {
    if (auto e = Esponente(r.formula)) return std::exp2(static_cast<long double>(e->first) / e->second);
    const Rapporto q = *LeggiFormula(r.formula);
    return static_cast<long double>(q.num) / static_cast<long double>(q.den);
}

// log2 of the row's ratio, in extended precision.
long double Log2(const RigaIntervallo& r) {
    if (auto e = Esponente(r.formula)) return static_cast<long double>(e->first) / e->second;
    const Rapporto q = *LeggiFormula(r.formula);
    return std::log2(static_cast<long double>(q.num)) - std::log2(static_cast<long double>(q.den));
}

// Fixed text of x rounded to `dec` decimals, half up, without trailing zeros.
std::string Testo(long double x, int dec, long double* scarto = nullptr) {
    const long double s = std::pow(10.0L, dec);
    const long double y = x * s;
    if (scarto) *scarto = std::fabs(y - std::floor(y) - 0.5L);
    const auto n = static_cast<int64_t>(std::floor(y + 0.5L));
    std::string t = std::to_string(n / static_cast<int64_t>(s));
    int64_t f = n % static_cast<int64_t>(s);
    if (f != 0) {
        std::string d = std::to_string(f);
        d.insert(0, static_cast<size_t>(dec) - d.size(), '0');
        while (d.back() == '0') d.pop_back();
        t += "," + d;
    }
    return t;
}

std::string Pos(int i) { return "page " + std::to_string(i / 23 + 1) + " row " + std::to_string(i % 23 + 1); }

TEST(TabellaIntervalli, DecimaliCentsMicroDalRapporto) {
    // The cells that do not follow from the ratio by the rounding rules.
    const std::map<std::pair<int, int>, const char*> decimaliLetterali{{{3, 9}, "1,731073122"},
                                                                        {{3, 14}, "1,8020324707"}};
    const std::map<std::string, ValoreFisso> microDelProgramma{
        {"Schisma", Micro::Schisma},
        {"Comma sintonico", Micro::CommaSintonico},
        {"Comma pitagorico", Micro::CommaPitagorico},
        {"Terza maggiore naturale", Micro::TerzaNaturale},
        {"Terza maggiore greca", Micro::TerzaPitagorica},
        {"Quinta giusta naturale", Micro::QuintaNaturale},
        {"Quinta giusta greca", Micro::QuintaNaturale},
    };
    const auto& t = TabellaIntervalli();
    int microD = 0;
    for (int i = 0; i < 69; ++i) {
        const RigaIntervallo& r = t[static_cast<size_t>(i)];
        const long double l2 = Log2(r);
        const std::pair<int, int> chiave{i / 23 + 1, i % 23 + 1};
        long double scarto = 0;
        if (auto it = decimaliLetterali.find(chiave); it != decimaliLetterali.end()) {
            EXPECT_STREQ(r.decimali, it->second) << Pos(i);
            // Still the ratio, with more digits.
            EXPECT_NEAR(std::stold(std::string(r.decimali).replace(1, 1, ".")), Valore(r), 1e-9L) << Pos(i);
        } else {
            EXPECT_EQ(r.decimali, Testo(Valore(r), 8)) << Pos(i);
        }
        // Cents: four decimals first, then two with a half up.
        long double c4 = std::floor(1200.0L * l2 * 10000.0L + 0.5L) / 10000.0L;
        Testo(1200.0L * l2, 4, &scarto);
        EXPECT_GT(scarto, 1e-6L) << Pos(i) << ": too close to a tie to decide in extended precision";
        EXPECT_EQ(r.cents, Testo(c4 + 1e-9L, 2)) << Pos(i);
        const std::string micro = r.micro;
        if (auto it = microDelProgramma.find(r.nome); it != microDelProgramma.end()) {
            EXPECT_EQ(micro, it->second.testo() + " (d)") << Pos(i);
            ++microD;
        } else {
            EXPECT_EQ(micro, Testo(1701216.0L * l2, 4, &scarto)) << Pos(i);
            EXPECT_GT(scarto, 1e-6L) << Pos(i);
        }
    }
    EXPECT_EQ(microD, 7);
}

TEST(TabellaIntervalli, FrazioneComeFormulaEOrdineCrescente) {
    const auto& t = TabellaIntervalli();
    long double prima = -1;
    for (int i = 0; i < 69; ++i) {
        const RigaIntervallo& r = t[static_cast<size_t>(i)];
        const std::string fr = r.frazione;
        if (r.famiglia == FamigliaIntervallo::Equabile) {
            ASSERT_TRUE(Esponente(r.formula)) << Pos(i);
            EXPECT_TRUE(fr == "- - -" || fr == r.formula) << Pos(i);
        } else {
            auto f = LeggiFormula(r.formula);
            auto q = LeggiFormula(fr);
            ASSERT_TRUE(f && q) << Pos(i);
            EXPECT_EQ(*f, *q) << Pos(i) << " " << fr << " vs " << r.formula;
            EXPECT_EQ(std::gcd(q->num, q->den), 1) << Pos(i) << ": fraction in lowest terms";
        }
        const long double l2 = Log2(r);
        EXPECT_GE(l2, prima) << Pos(i);
        prima = l2;
    }
    EXPECT_EQ(Log2(t.front()), 0.0L);
    EXPECT_EQ(Log2(t.back()), 1.0L);
}

TEST(TabellaIntervalli, FamiglieENote) {
    std::map<FamigliaIntervallo, int> famiglie;
    int note[4] = {};
    std::set<std::pair<int, int>> senzaNota;
    for (int p = 1; p <= 3; ++p)
        for (int r = 1; r <= 23; ++r) {
            const RigaIntervallo& riga = RigaIntervalli(p, r);
            ++famiglie[riga.famiglia];
            const bool haNota = riga.intervallo().has_value();
            EXPECT_EQ(haNota, std::string(riga.notaDaDo) != "") << p << "/" << r;
            if (haNota) ++note[p];
            else senzaNota.insert({p, r});
        }
    EXPECT_EQ(famiglie[FamigliaIntervallo::UnisonoOttava], 2);
    EXPECT_EQ(famiglie[FamigliaIntervallo::Naturale], 24);
    EXPECT_EQ(famiglie[FamigliaIntervallo::Pitagorica], 20);
    EXPECT_EQ(famiglie[FamigliaIntervallo::Equabile], 23);
    EXPECT_EQ(note[1], 15);
    EXPECT_EQ(note[2], 19);
    EXPECT_EQ(note[3], 19);
    const std::set<std::pair<int, int>> attese{{1, 2},  {1, 3},  {1, 5},  {1, 9},  {1, 12}, {1, 13},
                                               {1, 17}, {1, 23}, {2, 6},  {2, 12}, {2, 18}, {2, 22},
                                               {3, 5},  {3, 9},  {3, 15}, {3, 21}};
    EXPECT_EQ(senzaNota, attese);
    EXPECT_EQ(ColoreFamiglia(FamigliaIntervallo::UnisonoOttava), 0xFFFFC0u);
    EXPECT_EQ(ColoreFamiglia(FamigliaIntervallo::Naturale), 0xC0FFC0u);
    EXPECT_EQ(ColoreFamiglia(FamigliaIntervallo::Pitagorica), 0xC0C0FFu);
    EXPECT_EQ(ColoreFamiglia(FamigliaIntervallo::Equabile), 0xFFFFFFu);
}

TEST(TabellaIntervalli, CelleCitate) {
    struct Caso {
        int pagina, riga;
        const char *nome, *frazione, *decimali, *cents, *micro;
    } casi[] = {
        {1, 2, "Schisma", "32805/32768", "1,00112915", "1,95", "2772 (d)"},
        {1, 7, "Seconda minore greca ('Limma')", "256/243", "1,05349794", "90,23", "127910,1719"},
        {1, 10, "Semitono cromatico ('Apotome')", "2187/2048", "1,06787109", "113,69", "161168,9594"},
        {1, 19, "Terza minore greca", "32/27", "1,18518519", "294,14", "416989,3031"},
        {2, 8, "Quarta giusta naturale", "4/3", "1,33333333", "498,05", "706068,4344"},
        {2, 10, "Quarta giusta equabile", "- - -", "1,33483985", "500", "708840"},
        // An exact tie at eight decimals, rounded up.
        {2, 16, "Quarta eccedente greca", "729/512", "1,42382813", "611,73", "867237,3938"},
        {2, 19, "Quinta giusta equabile", "2^(7/12)", "1,49830708", "700", "992376"},
        {2, 21, "Quinta giusta greca", "3/2", "1,5", "701,96", "995148 (d)"},
        {3, 15, "21 quarti di tono equabili", "- - -", "1,83400809", "1050", "1488564"},
        {3, 16, "Ottava diminuita greca", "4096/2187", "1,87288523", "1086,32", "1540047,0406"},
        {3, 23, "Ottava", "2/1", "2", "1200", "1701216"},
    };
    for (const auto& c : casi) {
        const RigaIntervallo& r = RigaIntervalli(c.pagina, c.riga);
        EXPECT_STREQ(r.nome, c.nome);
        EXPECT_STREQ(r.frazione, c.frazione) << c.nome;
        EXPECT_STREQ(r.decimali, c.decimali) << c.nome;
        EXPECT_STREQ(r.cents, c.cents) << c.nome;
        EXPECT_STREQ(r.micro, c.micro) << c.nome;
    }
    // The sum, not a difference; a single trailing blank on page 3 row 1.
    EXPECT_STREQ(RigaIntervalli(2, 7).procedimento, "Terza magg. nat. + Semit. crom. nat.");
    EXPECT_STREQ(RigaIntervalli(3, 1).procedimento, "-4 Quinte +3 Ottave ");
    for (const auto& r : TabellaIntervalli())
        for (const char* s : {r.nome, r.frazione, r.procedimento, r.formula}) {
            const std::string t = s;
            if (t.empty() || (&r == &RigaIntervalli(3, 1) && s == r.procedimento)) continue;
            EXPECT_NE(t.front(), ' ') << t;
            EXPECT_NE(t.back(), ' ') << t;
        }
}

TEST(TabellaIntervalli, AllineamentoDellaNota) {
    struct Caso {
        int pagina, riga;
        AllineamentoCella a;
    } casi[] = {
        {1, 1, AllineamentoCella::Centro},   {1, 2, AllineamentoCella::Centro},
        {1, 4, AllineamentoCella::Destra},   {1, 7, AllineamentoCella::Sinistra},
        {2, 1, AllineamentoCella::Sinistra}, {2, 13, AllineamentoCella::Destra},
        {3, 16, AllineamentoCella::Sinistra}, {3, 23, AllineamentoCella::Centro},
    };
    for (const auto& c : casi) EXPECT_EQ(AllineamentoNota(RigaIntervalli(c.pagina, c.riga)), c.a) << c.riga;
}

TEST(TabellaIntervalli, Pagine) {
    EXPECT_EQ(PaginaSuccessiva("Pag. 1"), "Pag. 2");
    EXPECT_EQ(PaginaSuccessiva("Pag. 2"), "Pag. 3");
    EXPECT_EQ(PaginaSuccessiva("Pag. 3"), "Pag. 1");
    for (const char* altro : {"Pag. 4", "pag. 1", "Pag.1", ""}) {
        EXPECT_EQ(PaginaSuccessiva(altro), altro);
        EXPECT_FALSE(PaginaDaCaption(altro));
    }
}

TEST(TabellaIntervalli, TestiFissi) {
    // Twenty lines, each ended by CR LF; all but the 7th and 20th end with a blank.
    const std::string s = TestoSpiegazioni;
    std::vector<std::string> righe;
    size_t inizio = 0;
    for (size_t p; (p = s.find("\r\n", inizio)) != std::string::npos; inizio = p + 2)
        righe.push_back(s.substr(inizio, p - inizio));
    EXPECT_EQ(inizio, s.size());
    ASSERT_EQ(righe.size(), 20u);
    for (size_t i = 0; i < righe.size(); ++i) {
        EXPECT_EQ(righe[i].find('\n'), std::string::npos);
        EXPECT_EQ(righe[i].back() == ' ', i != 6 && i != 19) << i + 1;
    }
    EXPECT_EQ(righe[10], "di 2' \xC3\xA8 selezionato i valori frazionari che immetterai si riferiranno ");

    // The formula line's constant is 1200 / log10 2, to the digits extended precision holds.
    const std::string f = RigaFormule;
    const size_t a = f.find("= ") + 2, b = f.find('*');
    const std::string costante = f.substr(a, b - a);
    EXPECT_EQ(costante, "3986,313713864834817444383315387");
    char atteso[40];
    std::snprintf(atteso, sizeof atteso, "%.15Lf", 1200.0L / std::log10(2.0L));
    std::string a15 = atteso;
    a15[4] = ',';
    EXPECT_EQ(costante.substr(0, 18), a15.substr(0, 18));
    EXPECT_NE(f.find("Decimali    Micro = Cents*1417,68       Decimali = 2^(Cents/1200)"), std::string::npos);
}

}  // namespace
}  // namespace vk
