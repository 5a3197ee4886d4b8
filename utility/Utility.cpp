#include "utility/Utility.h"

#include "utility/NoteNelTono.h"

namespace vk {

Utility::Utility() {
    for (int c = 0; c < ColonneIntervalli; ++c) {
        testi[static_cast<size_t>(c)].fill("");
        testi[static_cast<size_t>(c)][0] = IntestazioniIntervalli[static_cast<size_t>(c)];
        sfondi[static_cast<size_t>(c)].fill(Colori::Bianco);
    }
    allineamentoNota.fill(AllineamentoCella::Centro);
}

void Utility::cmdUtility_Click(std::string_view lingua) {
    MostraPaginaIntervalli();
    MostraNoteNelTono(lingua);
    aperta = true;
}

void Utility::cmdPagina_Click(std::string_view lingua) {
    Pagina = Pagina % PagineIntervalli + 1;
    MostraPaginaIntervalli();
    MostraNoteNelTono(lingua);
}

void Utility::cmdTono_Click(int indice, std::string_view lingua) {
    if (indice == 0) Tono = Tono == 1 ? 12 : Tono - 1;
    else Tono = Tono == 12 ? 1 : Tono + 1;
    MostraNoteNelTono(lingua);
}

void Utility::cmdAlterazioni_Click(std::string_view lingua) {
    Diesis = !Diesis;
    MostraNoteNelTono(lingua);
}

void Utility::MostraPaginaIntervalli() {
    for (int r = 1; r <= RighePerPagina; ++r) {
        for (auto& colonna : sfondi) colonna[static_cast<size_t>(r)] = Colori::Bianco;
        allineamentoNota[static_cast<size_t>(r)] = AllineamentoCella::Centro;
    }
    for (int r = 1; r <= RighePerPagina; ++r) {
        const RigaIntervallo& riga = RigaIntervalli(Pagina, r);
        const char* const celle[ColonneIntervalli] = {riga.notaDaDo, riga.nome,         riga.frazione,
                                                      riga.decimali, riga.cents,        riga.micro,
                                                      riga.procedimento, riga.formula};
        const auto i = static_cast<size_t>(r);
        for (size_t c = 0; c < ColonneIntervalli; ++c) {
            testi[c][i] = celle[c];
            // An equal-tempered row stays white.
            if (riga.famiglia != FamigliaIntervallo::Equabile) sfondi[c][i] = ColoreFamiglia(riga.famiglia);
        }
        allineamentoNota[i] = AllineamentoNota(riga);
    }
}

void Utility::MostraNoteNelTono(std::string_view lingua) {
    const ColonnaNote col = ScriviColonnaNote(lingua, lblTono(), lblAlterazioni(), cmdPagina());
    for (size_t r = 0; r < col.size(); ++r)
        if (col[r]) testi[0][r] = *col[r];
}

}  // namespace vk
