#include "app/Notazione.h"

#include <initializer_list>

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

const char* NomeItaliano(L l) {
    switch (l) {
        case L::Do: return "DO";
        case L::Re: return "RE";
        case L::Mi: return "MI";
        case L::Fa: return "FA";
        case L::Sol: return "SOL";
        case L::La: return "LA";
        case L::Si: return "SI";
    }
    return "";
}

const char* Lettera(L l) {
    switch (l) {
        case L::Do: return "C";
        case L::Re: return "D";
        case L::Mi: return "E";
        case L::Fa: return "F";
        case L::Sol: return "G";
        case L::La: return "A";
        case L::Si: return "B";
    }
    return "";
}

}  // namespace

std::optional<Lingua> LinguaDaCodice(std::string_view c) {
    if (c == "IT") return Lingua::IT;
    if (c == "FR") return Lingua::FR;
    if (c == "DE") return Lingua::DE;
    if (c == "EN") return Lingua::EN;
    return std::nullopt;
}

const char* CodiceLingua(Lingua l) {
    switch (l) {
        case Lingua::IT: return "IT";
        case Lingua::FR: return "FR";
        case Lingua::DE: return "DE";
        case Lingua::EN: return "EN";
    }
    return "IT";
}

std::string LinguaSuccessiva(const std::string& codice) {
    auto l = LinguaDaCodice(codice);
    if (!l) return codice;
    switch (*l) {
        case Lingua::IT: return "FR";
        case Lingua::FR: return "DE";
        case Lingua::DE: return "EN";
        case Lingua::EN: return "IT";
    }
    return codice;
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
    const std::string alt = TestoAlterazione(n.alterazione);
    switch (l) {
        case Lingua::IT:
            return NomeItaliano(n.lettera) + alt;
        case Lingua::FR:
            return (n.lettera == L::Do ? std::string("UT") : std::string(NomeItaliano(n.lettera))) + alt;
        case Lingua::DE:
            if (n.lettera == L::Si) {
                // B is already the flat: one flat fewer is written.
                if (n.alterazione == A::Bemolle) return "B";
                if (n.alterazione == A::DoppioBemolle) return "Bb";
                return "H" + alt;
            }
            return Lettera(n.lettera) + alt;
        case Lingua::EN:
            return Lettera(n.lettera) + alt;
    }
    return "";
}

std::optional<std::string> Scrivi(NotaScritta n, std::string_view codice) {
    auto l = LinguaDaCodice(codice);
    if (!l) return std::nullopt;
    return Scrivi(n, *l);
}

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
