#include "app/Notazione.h"

#include <iterator>

#include "app/StatoPrincipale.h"

namespace vk {

namespace {

using L = LetteraNota;
using A = Alterazione;

// One cell of the main screen: one note, or two spellings of it (the sharp
// one first) joined by "/".
struct Cella {
    NotaScritta prima;
    std::optional<NotaScritta> seconda;
};

constexpr NotaScritta N(L l, A a = A::Nessuna) { return {l, a}; }

// Circle of fifths, positions 1..14 (14 repeats 2 and is lblNote(0)).
const Cella Quinte[15] = {
    {},
    {N(L::Fa, A::Diesis), {}},
    {N(L::Do, A::Diesis), N(L::Re, A::Bemolle)},
    {N(L::Sol, A::Diesis), N(L::La, A::Bemolle)},
    {N(L::Mi, A::Bemolle), {}},
    {N(L::Si, A::Bemolle), {}},
    {N(L::Fa), {}},
    {N(L::Do), {}},
    {N(L::Sol), {}},
    {N(L::Re), {}},
    {N(L::La), {}},
    {N(L::Mi), {}},
    {N(L::Si), {}},
    {N(L::Fa, A::Diesis), {}},
    {N(L::Do, A::Diesis), N(L::Re, A::Bemolle)},
};

// The notes a major third above positions 1..13, spelt with sharps.
const Cella TerzeSopra[14] = {
    {},
    {N(L::La, A::Diesis), {}},
    {N(L::Mi, A::Diesis), N(L::Fa)},
    {N(L::Si, A::Diesis), N(L::Do)},
    {N(L::Sol), {}},
    {N(L::Re), {}},
    {N(L::La), {}},
    {N(L::Mi), {}},
    {N(L::Si), {}},
    {N(L::Fa, A::Diesis), {}},
    {N(L::Do, A::Diesis), {}},
    {N(L::Sol, A::Diesis), {}},
    {N(L::Re, A::Diesis), {}},
    {N(L::La, A::Diesis), {}},
};

// The chromatic header DO..DO, black keys DO# MIb FA# SOL# SIb.
const NotaScritta Cromatica[14] = {
    {},
    N(L::Do), N(L::Do, A::Diesis), N(L::Re), N(L::Mi, A::Bemolle), N(L::Mi), N(L::Fa),
    N(L::Fa, A::Diesis), N(L::Sol), N(L::Sol, A::Diesis), N(L::La), N(L::Si, A::Bemolle), N(L::Si),
    N(L::Do),
};

std::string ScriviCella(const Cella& c, Lingua l) {
    std::string s = Scrivi(c.prima, l);
    if (c.seconda) s += "/" + Scrivi(*c.seconda, l);
    return s;
}

// The four notations: the code cmdLingua shows and how each writes the
// letters DO..SI, in the order cmdLingua steps through them.
struct VoceNotazione {
    Lingua lingua;
    const char* codice;
    std::array<const char*, 7> lettere;
};
constexpr VoceNotazione Notazioni[] = {
    {Lingua::IT, "IT", {"DO", "RE", "MI", "FA", "SOL", "LA", "SI"}},
    {Lingua::FR, "FR", {"UT", "RE", "MI", "FA", "SOL", "LA", "SI"}},
    {Lingua::DE, "DE", {"C", "D", "E", "F", "G", "A", "H"}},
    {Lingua::EN, "EN", {"C", "D", "E", "F", "G", "A", "B"}},
};

static_assert([] {
    for (size_t i = 0; i < std::size(Notazioni); ++i)
        if (static_cast<size_t>(Notazioni[i].lingua) != i) return false;
    return true;
}(), "the notations in the order of Lingua");
static_assert(std::size(Notazioni) == NumeroLingue);

const VoceNotazione& VoceDi(Lingua l) { return Notazioni[static_cast<size_t>(l)]; }

const char* NomeLettera(L lettera, Lingua l) { return VoceDi(l).lettere[static_cast<size_t>(lettera)]; }

// The fifths 1..12 of the circle, with the Italian names of their notes.
constexpr const char* NomiQuinteItaliane[13] = {
    "",          "DO - SOL",  "SOL - RE",  "RE - LA",   "LA - MI",  "MI - SI", "SI - FA#",
    "FA# - DO#", "REb - LAb", "LAb - MIb", "MIb - SIb", "SIb - FA", "FA - DO",
};

// An Italian note name ("SOL#", "SIb") as a written note.
NotaScritta NotaItaliana(std::string_view s) {
    NotaScritta n;
    if (!s.empty() && (s.back() == '#' || s.back() == 'b')) {
        n.alterazione = s.back() == '#' ? A::Diesis : A::Bemolle;
        s.remove_suffix(1);
    }
    const auto& lettere = VoceDi(Lingua::IT).lettere;
    for (size_t i = 0; i < lettere.size(); ++i)
        if (s == lettere[i]) n.lettera = static_cast<L>(i);
    return n;
}

}  // namespace

std::optional<Lingua> LinguaDaCodice(std::string_view c) {
    for (const VoceNotazione& v : Notazioni)
        if (c == v.codice) return v.lingua;
    return std::nullopt;
}

const char* CodiceLingua(Lingua l) { return VoceDi(l).codice; }

std::string LinguaSuccessiva(const std::string& codice) {
    auto l = LinguaDaCodice(codice);
    if (!l) return codice;
    return Notazioni[(static_cast<size_t>(*l) + 1) % std::size(Notazioni)].codice;
}

const char* TestoAlterazione(Alterazione a) {
    switch (a) {
        case A::Nessuna: return "";
        case A::Diesis: return "#";
        case A::Bemolle: return "b";
        case A::DoppioDiesis: return "x";
        case A::DoppioBemolle: return "bb";
    }
    return "";
}

std::string Scrivi(NotaScritta n, Lingua l) {
    // German B is already the flat of H: one flat fewer is written.
    if (l == Lingua::DE && n.lettera == L::Si) {
        if (n.alterazione == A::Bemolle) return "B";
        if (n.alterazione == A::DoppioBemolle) return "Bb";
    }
    return NomeLettera(n.lettera, l) + std::string(TestoAlterazione(n.alterazione));
}

std::optional<std::string> Scrivi(NotaScritta n, std::string_view codice) {
    auto l = LinguaDaCodice(codice);
    if (!l) return std::nullopt;
    return Scrivi(n, *l);
}

std::string NomeDaItaliano(std::string_view italiano, Lingua l) {
    const size_t sep = italiano.find(" - ");
    if (sep == std::string_view::npos) return Scrivi(NotaItaliana(italiano), l);
    return Scrivi(NotaItaliana(italiano.substr(0, sep)), l) + " - " +
           Scrivi(NotaItaliana(italiano.substr(sep + 3)), l);
}

const char* NomeQuintaItaliano(int k) { return k >= 1 && k <= 12 ? NomiQuinteItaliane[k] : ""; }

NomiNote NomiNoteIn(Lingua l) {
    NomiNote n;
    n.lblNote[0] = ScriviCella(Quinte[14], l);
    for (int p = 1; p <= 13; ++p) n.lblNote[static_cast<size_t>(p)] = ScriviCella(Quinte[p], l);
    for (int c = 1; c <= 13; ++c) n.lblNote[static_cast<size_t>(13 + c)] = ScriviCella(TerzeSopra[c], l);
    for (int i = 1; i <= 13; ++i) n.lblScalaST[static_cast<size_t>(i)] = Scrivi(Cromatica[i], l);
    return n;
}

void AggiornaNomiNote(StatoPrincipale& s) {
    auto l = LinguaDaCodice(s.LinguaNote);
    if (!l) return;
    s.nomiNote = NomiNoteIn(*l);
}

void cmdLingua_Click(StatoPrincipale& s) {
    s.LinguaNote = LinguaSuccessiva(s.LinguaNote);
    AggiornaNomiNote(s);
}

}  // namespace vk
