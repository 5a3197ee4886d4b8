#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "utility/NoteNelTono.h"

namespace vk {
namespace {

using L = LetteraNota;
using A = Alterazione;

// Oracle: notes as positions on the line of fifths (DO 0, SOL 1, FA -1 ...).
// A ratio 2^a 3^b 5^c lies b + 4c fifths above its root, the pure major
// third being four fifths up; an equal-tempered 2^(k/12) is spelled as the
// chromatic scale is, between LAb (-4) and DO# (7).
int Quinte(NotaScritta n) {
    static const int lettera[7] = {0, 2, 4, -1, 1, 3, 5};  // DO RE MI FA SOL LA SI
    return lettera[static_cast<int>(n.lettera)] + 7 * PassiAlterazione(n.alterazione);
}

NotaScritta DaQuinte(int q) {
    static const L ordine[7] = {L::Fa, L::Do, L::Sol, L::Re, L::La, L::Mi, L::Si};
    const int k = q + 1;  // FA is 0 here
    const int giro = k >= 0 ? k / 7 : -((-k + 6) / 7);
    return {ordine[k - 7 * giro], AlterazioneDaPassi(giro)};
}

int Fattore(int64_t& n, int64_t p) {
    int e = 0;
    while (n % p == 0) {
        n /= p;
        ++e;
    }
    return e;
}

// Fifths above the root of a row's ratio.
std::optional<int> QuinteDellaRiga(const RigaIntervallo& r) {
    std::string f = r.frazione;
    if (f == "- - -" || f.starts_with("2^(")) {
        std::string formula = r.formula;
        const int a = std::stoi(formula.substr(3)), b = std::stoi(formula.substr(formula.find('/') + 1));
        if ((12 * a) % b != 0) return std::nullopt;  // not a whole semitone
        const int k = 12 * a / b;
        for (int q = -4; q <= 7; ++q)
            if (((7 * q - k) % 12 + 12) % 12 == 0) return q;
        return std::nullopt;
    }
    int64_t num = std::stoll(f), den = std::stoll(f.substr(f.find('/') + 1));
    Fattore(num, 2);
    Fattore(den, 2);
    const int tre = Fattore(num, 3) - Fattore(den, 3);
    const int cinque = Fattore(num, 5) - Fattore(den, 5);
    EXPECT_EQ(num, 1) << r.nome;
    EXPECT_EQ(den, 1) << r.nome;
    return tre + 4 * cinque;
}

bool operator==(NotaScritta a, NotaScritta b) { return a.lettera == b.lettera && a.alterazione == b.alterazione; }

std::string It(NotaScritta n) { return Scrivi(n, Lingua::IT); }

struct Variante {
    int tono;
    PreferenzaAlterazioni p;
    const char* tonica;
};
const Variante Varianti[15] = {
    {1, PreferenzaAlterazioni::Bemolle, "DO"},    {2, PreferenzaAlterazioni::Bemolle, "REb"},
    {2, PreferenzaAlterazioni::Diesis, "DO#"},    {3, PreferenzaAlterazioni::Bemolle, "RE"},
    {4, PreferenzaAlterazioni::Diesis, "MIb"},    {5, PreferenzaAlterazioni::Bemolle, "MI"},
    {6, PreferenzaAlterazioni::Bemolle, "FA"},    {7, PreferenzaAlterazioni::Bemolle, "SOLb"},
    {7, PreferenzaAlterazioni::Diesis, "FA#"},    {8, PreferenzaAlterazioni::Bemolle, "SOL"},
    {9, PreferenzaAlterazioni::Diesis, "LAb"},    {10, PreferenzaAlterazioni::Bemolle, "LA"},
    {11, PreferenzaAlterazioni::Diesis, "SIb"},   {12, PreferenzaAlterazioni::Bemolle, "DOb"},
    {12, PreferenzaAlterazioni::Diesis, "SI"},
};

TEST(NotaNelTono, QuindiciToniche) {
    for (const auto& v : Varianti) EXPECT_EQ(It(*TonicaDelTono(v.tono, v.p)), v.tonica) << v.tono;
    // The preference matters for keys 2, 7 and 12 only.
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(It(*TonicaDelTono(k, PreferenzaAlterazioni::Bemolle)) ==
                      It(*TonicaDelTono(k, PreferenzaAlterazioni::Diesis)),
                  k != 2 && k != 7 && k != 12)
            << k;
    for (int k : {0, 13, -1}) EXPECT_FALSE(TonicaDelTono(k, PreferenzaAlterazioni::Bemolle));
}

TEST(NotaNelTono, TutteLeRigheControLaLineaDelleQuinte) {
    int confronti = 0;
    std::set<std::pair<int, int>> ortografie;  // letter, accidental
    for (const auto& v : Varianti) {
        const NotaScritta tonica = *TonicaDelTono(v.tono, v.p);
        for (int p = 1; p <= 3; ++p)
            for (int r = 1; r <= 23; ++r) {
                const RigaIntervallo& riga = RigaIntervalli(p, r);
                const auto i = IntervalloDellaRiga(p, r);
                if (!i) continue;
                const auto q = QuinteDellaRiga(riga);
                ASSERT_TRUE(q) << riga.nome;
                const NotaScritta attesa = DaQuinte(Quinte(tonica) + *q);
                const NotaScritta nota = NotaNelTono(tonica, *i);
                EXPECT_TRUE(nota == attesa) << v.tonica << " " << riga.nome << ": " << It(nota) << " vs " << It(attesa);
                EXPECT_LE(std::abs(PassiAlterazione(nota.alterazione)), 2);
                ortografie.insert({static_cast<int>(nota.lettera), PassiAlterazione(nota.alterazione)});
                ++confronti;
            }
    }
    EXPECT_EQ(confronti, 15 * 53);
    EXPECT_EQ(ortografie.size(), 35u) << "all seven letters with bb, b, none, # and x";
}

TEST(NotaNelTono, DaDoLaColonnaDellaTabella) {
    // The Italian note the page writes for DO is the note of key 1 (with "Do" for the unison).
    const NotaScritta doN{L::Do, A::Nessuna};
    for (int p = 1; p <= 3; ++p)
        for (int r = 1; r <= 23; ++r) {
            const RigaIntervallo& riga = RigaIntervalli(p, r);
            const auto i = IntervalloDellaRiga(p, r);
            const std::string atteso = i ? It(NotaNelTono(doN, *i)) : "";
            if (p == 1 && r == 1) EXPECT_STREQ(riga.notaDaDo, "Do");
            else EXPECT_EQ(riga.notaDaDo, atteso) << p << "/" << r;
        }
    EXPECT_FALSE(IntervalloDellaRiga(0, 1));
    EXPECT_FALSE(IntervalloDellaRiga(4, 1));
    EXPECT_FALSE(IntervalloDellaRiga(1, 24));
}

TEST(NotaNelTono, EsempiDiCalcolo) {
    struct Caso {
        int tono;
        PreferenzaAlterazioni p;
        int pagina, riga;
        const char* nota;
    } casi[] = {
        {12, PreferenzaAlterazioni::Bemolle, 3, 16, "DObb"},
        {7, PreferenzaAlterazioni::Diesis, 1, 4, "MIx"},
        {2, PreferenzaAlterazioni::Diesis, 2, 7, "MIx"},
        {9, PreferenzaAlterazioni::Bemolle, 1, 7, "SIbb"},
        // Unison and octave keep the tonic's spelling.
        {12, PreferenzaAlterazioni::Bemolle, 1, 1, "DOb"},
        {12, PreferenzaAlterazioni::Diesis, 3, 23, "SI"},
        // Diminished octaves: the tonic's letter a semitone lower.
        {1, PreferenzaAlterazioni::Bemolle, 3, 20, "DOb"},
        {12, PreferenzaAlterazioni::Diesis, 3, 16, "SIb"},
        {2, PreferenzaAlterazioni::Diesis, 3, 16, "DO"},
        // The letter below raised to the tonic's pitch.
        {2, PreferenzaAlterazioni::Bemolle, 1, 4, "DO#"},
        {2, PreferenzaAlterazioni::Diesis, 3, 22, "SIx"},
        {12, PreferenzaAlterazioni::Diesis, 1, 4, "LAx"},
        {12, PreferenzaAlterazioni::Bemolle, 3, 22, "SI"},
        {7, PreferenzaAlterazioni::Diesis, 1, 8, "FAx"},
        {7, PreferenzaAlterazioni::Bemolle, 2, 5, "DObb"},
        // Equal-tempered rows spelled as their written interval.
        {1, PreferenzaAlterazioni::Bemolle, 2, 15, "FA#"},
        {4, PreferenzaAlterazioni::Diesis, 1, 20, "SOLb"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(It(NotaNelTono(*TonicaDelTono(c.tono, c.p), *IntervalloDellaRiga(c.pagina, c.riga))), c.nota)
            << c.tono << " " << c.pagina << "/" << c.riga;
}

// The written column of one variant and page, empty texts for cells not written.
std::vector<std::string> Colonna(const char* lingua, const char* tono, const char* alt, const char* pagina) {
    std::vector<std::string> v;
    for (const auto& c : ScriviColonnaNote(lingua, tono, alt, pagina)) v.push_back(c ? *c : "<>");
    return v;
}

TEST(ScriviColonnaNote, Do_FR_Pagina1) {
    const auto c = Colonna("FR", "1", "b", "Pag. 1");
    const std::vector<std::string> attesa{"UT",  "UT",  "<>", "<>", "SI#", "<>",  "UT#", "REb",
                                          "UT#", "<>",  "UT#", "REb", "<>", "<>", "RE",  "RE",
                                          "RE",  "<>",  "RE#", "MIb", "MIb", "MIb", "RE#", "<>"};
    EXPECT_EQ(c, attesa);
}

TEST(ScriviColonnaNote, CelleCitate) {
    struct Caso {
        const char *lingua, *tono, *alt, *pagina;
        int cella;
        const char* testo;
    } casi[] = {
        {"DE", "11", "b", "Pag. 1", 0, "B"},   {"DE", "11", "b", "Pag. 1", 1, "B"},
        {"DE", "11", "b", "Pag. 1", 4, "A#"},  {"DE", "11", "b", "Pag. 1", 6, "H"},
        {"DE", "11", "b", "Pag. 1", 7, "Cb"},  {"EN", "11", "b", "Pag. 1", 0, "Bb"},
        {"EN", "11", "b", "Pag. 1", 1, "Bb"},  {"EN", "11", "b", "Pag. 1", 4, "A#"},
        {"EN", "11", "b", "Pag. 1", 6, "B"},   {"EN", "11", "b", "Pag. 1", 7, "Cb"},
        {"IT", "12", "#", "Pag. 1", 0, "SI"},  {"FR", "12", "#", "Pag. 1", 0, "SI"},
        {"DE", "12", "#", "Pag. 1", 0, "H"},   {"EN", "12", "#", "Pag. 1", 0, "B"},
        {"IT", "12", "b", "Pag. 1", 0, "DOb"}, {"FR", "12", "b", "Pag. 1", 0, "UTb"},
        {"DE", "12", "b", "Pag. 1", 0, "Cb"},  {"EN", "12", "b", "Pag. 1", 0, "Cb"},
        // SI double sharp, from DO# only.
        {"IT", "2", "#", "Pag. 1", 4, "SIx"},  {"FR", "2", "#", "Pag. 3", 22, "SIx"},
        {"DE", "2", "#", "Pag. 1", 4, "Hx"},   {"EN", "2", "#", "Pag. 3", 22, "Bx"},
        // SI double flat is "Bb" in German, SI flat "Bb" in English.
        {"DE", "2", "b", "Pag. 3", 11, "Cb"},  {"DE", "9", "b", "Pag. 1", 7, "Bb"},
        {"EN", "9", "b", "Pag. 1", 7, "Bbb"},  {"EN", "1", "b", "Pag. 3", 11, "Bb"},
        // A preference that is neither: key 2 sharp, keys 7 and 12 flat.
        {"IT", "2", "", "Pag. 1", 0, "DO#"},   {"IT", "7", "", "Pag. 1", 0, "SOLb"},
        {"IT", "12", "x", "Pag. 1", 0, "DOb"}, {"IT", "7", "#", "Pag. 1", 0, "FA#"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(Colonna(c.lingua, c.tono, c.alt, c.pagina)[static_cast<size_t>(c.cella)], c.testo)
            << c.lingua << " " << c.tono << c.alt << " " << c.pagina << " " << c.cella;

    // SI double sharp occurs in exactly two cells over all keys and pages.
    int hx = 0;
    for (const char* tono : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"})
        for (const char* alt : {"b", "#"})
            for (const char* p : {"Pag. 1", "Pag. 2", "Pag. 3"}) {
                const auto col = Colonna("DE", tono, alt, p);
                for (size_t i = 1; i < col.size(); ++i) hx += col[i] == "Hx";
            }
    EXPECT_EQ(hx, 2) << "page 1 row 4 and page 3 row 22 of key 2 sharp";
}

TEST(ScriviColonnaNote, DidascalieNonRiconosciute) {
    const std::vector<std::string> niente(24, "<>");
    for (const char* tono : {"13", "0", "01", " 1", "1 ", "1,0", ""})
        EXPECT_EQ(Colonna("IT", tono, "b", "Pag. 1"), niente) << "[" << tono << "]";
    for (const char* lingua : {"it", "Fr", "", "ITA"}) EXPECT_EQ(Colonna(lingua, "1", "b", "Pag. 1"), niente);
    // An unknown page: the header alone.
    auto solo = Colonna("IT", "5", "b", "Pag. 4");
    EXPECT_EQ(solo[0], "MI");
    solo[0] = "<>";
    EXPECT_EQ(solo, niente);
    // The rows without a note are never written.
    for (const char* p : {"Pag. 1", "Pag. 2", "Pag. 3"}) {
        const auto col = Colonna("EN", "7", "#", p);
        int scritte = 0;
        for (size_t i = 1; i < col.size(); ++i) scritte += col[i] != "<>";
        EXPECT_EQ(scritte, std::string(p) == "Pag. 1" ? 15 : 19);
    }
}

}  // namespace
}  // namespace vk
