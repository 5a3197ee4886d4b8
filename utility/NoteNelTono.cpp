#include "utility/NoteNelTono.h"

namespace vk {

namespace {

using L = LetteraNota;
using A = Alterazione;

constexpr int AltezzaNaturale[7] = {0, 2, 4, 5, 7, 9, 11};

int Modulo(int a, int m) { return ((a % m) + m) % m; }

struct Tonica {
    NotaScritta bemolle, diesis;
};
const Tonica Toniche[13] = {
    {},
    {{L::Do, A::Nessuna}, {L::Do, A::Nessuna}},
    {{L::Re, A::Bemolle}, {L::Do, A::Diesis}},
    {{L::Re, A::Nessuna}, {L::Re, A::Nessuna}},
    {{L::Mi, A::Bemolle}, {L::Mi, A::Bemolle}},
    {{L::Mi, A::Nessuna}, {L::Mi, A::Nessuna}},
    {{L::Fa, A::Nessuna}, {L::Fa, A::Nessuna}},
    {{L::Sol, A::Bemolle}, {L::Fa, A::Diesis}},
    {{L::Sol, A::Nessuna}, {L::Sol, A::Nessuna}},
    {{L::La, A::Bemolle}, {L::La, A::Bemolle}},
    {{L::La, A::Nessuna}, {L::La, A::Nessuna}},
    {{L::Si, A::Bemolle}, {L::Si, A::Bemolle}},
    {{L::Do, A::Bemolle}, {L::Si, A::Nessuna}},
};

std::optional<int> TonoDaCaption(std::string_view c) {
    for (int k = 1; k <= 12; ++k)
        if (c == std::to_string(k)) return k;
    return std::nullopt;
}

}  // namespace

int PassiAlterazione(Alterazione a) {
    switch (a) {
        case A::DoppioBemolle: return -2;
        case A::Bemolle: return -1;
        case A::Nessuna: return 0;
        case A::Diesis: return 1;
        case A::DoppioDiesis: return 2;
    }
    return 0;
}

Alterazione AlterazioneDaPassi(int passi) {
    switch (passi) {
        case -2: return A::DoppioBemolle;
        case -1: return A::Bemolle;
        case 1: return A::Diesis;
        case 2: return A::DoppioDiesis;
        default: return A::Nessuna;
    }
}

std::optional<NotaScritta> TonicaDelTono(int tono, PreferenzaAlterazioni p) {
    if (tono < 1 || tono > 12) return std::nullopt;
    const Tonica& t = Toniche[tono];
    return p == PreferenzaAlterazioni::Bemolle ? t.bemolle : t.diesis;
}

std::optional<IntervalloDiRiga> IntervalloDellaRiga(int pagina, int riga) {
    if (pagina < 1 || pagina > PagineIntervalli || riga < 1 || riga > RighePerPagina) return std::nullopt;
    return RigaIntervalli(pagina, riga).intervallo();
}

NotaScritta NotaNelTono(NotaScritta tonica, IntervalloDiRiga i) {
    const int t = static_cast<int>(tonica.lettera);
    const int n = (t + i.Gradi) % 7;
    const int p = Modulo(AltezzaNaturale[t] + PassiAlterazione(tonica.alterazione), 12);
    const int q = (p + i.DistanzaSemitoni) % 12;
    // Into -5..+6; for the table's tonics and rows it stays within -2..+2.
    int d = Modulo(q - AltezzaNaturale[n], 12);
    if (d > 6) d -= 12;
    return {static_cast<LetteraNota>(n), AlterazioneDaPassi(d)};
}

ColonnaNote ScriviColonnaNote(std::string_view lingua, std::string_view tono, std::string_view alterazioni,
                              std::string_view pagina) {
    ColonnaNote c;
    const auto l = LinguaDaCodice(lingua);
    if (!l) return c;
    const auto k = TonoDaCaption(tono);
    if (!k) return c;
    PreferenzaAlterazioni p = PreferenzaAlterazioni::Bemolle;
    if (*k == 2) p = alterazioni == "b" ? PreferenzaAlterazioni::Bemolle : PreferenzaAlterazioni::Diesis;
    if (*k == 7 || *k == 12) p = alterazioni == "#" ? PreferenzaAlterazioni::Diesis : PreferenzaAlterazioni::Bemolle;
    const NotaScritta tonica = *TonicaDelTono(*k, p);
    c[0] = Scrivi(tonica, *l);
    const auto pag = PaginaDaCaption(pagina);
    if (!pag) return c;
    for (int r = 1; r <= RighePerPagina; ++r)
        if (auto i = IntervalloDellaRiga(*pag, r)) c[static_cast<size_t>(r)] = Scrivi(NotaNelTono(tonica, *i), *l);
    return c;
}

}  // namespace vk
