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
    cmdPagina = PaginaSuccessiva(cmdPagina);
    MostraPaginaIntervalli();
    MostraNoteNelTono(lingua);
}

void Utility::cmdTono_Click(int indice, std::string_view lingua) {
    // Only this handler writes lblTono, always "1" to "12".
    int k = std::stoi(lblTono);
    if (indice == 0) k = k == 1 ? 12 : k - 1;
    else k = k == 12 ? 1 : k + 1;
    lblTono = std::to_string(k);
    MostraNoteNelTono(lingua);
}

void Utility::cmdAlterazioni_Click(std::string_view lingua) {
    const std::string nuova = cmdAlterazioni == "b" ? "#" : "b";
    cmdAlterazioni = nuova;
    lblAlterazioni = nuova;
    MostraNoteNelTono(lingua);
}

void Utility::MostraPaginaIntervalli() {
    for (int r = 1; r <= RighePerPagina; ++r) {
        for (auto& colonna : sfondi) colonna[static_cast<size_t>(r)] = Colori::Bianco;
        allineamentoNota[static_cast<size_t>(r)] = AllineamentoCella::Centro;
    }
    const auto pagina = PaginaDaCaption(cmdPagina);
    if (!pagina) return;
    for (int r = 1; r <= RighePerPagina; ++r) {
        const RigaIntervallo& riga = RigaIntervalli(*pagina, r);
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
    const ColonnaNote col = ScriviColonnaNote(lingua, lblTono, lblAlterazioni, cmdPagina);
    for (size_t r = 0; r < col.size(); ++r)
        if (col[r]) testi[0][r] = *col[r];
}

}  // namespace vk
