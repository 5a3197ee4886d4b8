#include "model/Temperamento.h"

namespace vk {

void ImpostaValoriEquabili(Temperamento& t, const std::string& frazione) {
    for (int k = 1; k <= 12; ++k) {
        t.Quinte[k] = "992376";
        t.CopiaQuinte[k] = "992376";
        t.QuinteCents[k] = "700";
        t.Frazioni[k] = frazione;
        t.Terze[k] = "567072";
        t.TerzeCents[k] = "400";
        t.SigleTerze[k] = "E";
        t.Semitoni[k] = "141768";
        t.SemitoniCents[k] = "100";
    }
    t.ScartoSemitonale = "0";
}

Temperamento TemperamentoIniziale() {
    Temperamento t;
    t.Nome = "TEMPERAMENTO EQUABILE\r\n";
    t.Descrizione =
        "Questo temperamento distribuisce in \r\n"
        "modo uniforme l'errore di comma in tutte\r\n"
        "le quinte, rendendo possibile \r\n"
        "l'esecuzione di brani in qualsiasi tonalit\xC3\xA0\r\n"
        "e con i medesimi rapporti intervallari.\r\n";
    t.impostaModo(ModoComma::Pitagorico);
    ImpostaValoriEquabili(t, "-1/12");
    return t;
}

}  // namespace vk
