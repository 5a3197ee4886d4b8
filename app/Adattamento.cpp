#include "app/Adattamento.h"

#include <bit>
#include <initializer_list>

#include "app/StatoPrincipale.h"
#include "model/Istogrammi.h"

namespace vk {

namespace {

std::vector<int> Da(int primo, int ultimo) {
    std::vector<int> v;
    for (int i = primo; i <= ultimo; ++i) v.push_back(i);
    return v;
}

const std::vector<int> Singolo{-1};

std::vector<VoceElencoAdattamento> CostruisciElenco() {
    std::vector<int> vari = Da(0, 4);
    for (int i = 6; i <= 15; ++i) vari.push_back(i);
    return {
        {Da(0, 1), {"cmdShift", "cmdVelocità", "cmdTono", "ShpRiquadroUtility", "ShpCopri", "cmdCambioComma"}},
        {Da(0, 2), {"cmd440", "ShpRettangolo", "lblScritteUtility"}},
        {Da(0, 4), {"lblEtiSemitoni", "lblEtiTerze", "lblEtiQuinta", "lblNClicks"}},
        {Da(7, 14), {"lblScritteVarie"}},
        {Da(0, 10), {"cmdDec0", "cmdDec1", "cmdDec2", "cmdDec3", "cmdDec4"}},
        {Da(0, 12), {"ShpTerze", "ShpQuinte", "lblTerzeC"}},
        {vari, {"ShpVari"}},
        {Da(0, 17), {"cmdNumero"}},
        {Da(0, 23),
         {"lblScalaDoInterv", "lblNomeInterv", "lblFrazInterv", "lblDecInterv", "lblCentsInt", "lblMicroInterv",
          "lblProcedInt", "lblFormulaInterv"}},
        {Da(0, 26), {"lblNote"}},
        {Da(0, 36), {"lblQuintaFraz", "lblQuintaCent"}},
        {Da(0, 44), {"lblVarie"}},
        {Da(0, 48), {"cmdQuintaM", "lblQuintaScarto", "lblQuintaPrecisa"}},
        {Da(0, 60), {"lblDiciture"}},
        {Da(1, 8), {"cmdScatto"}},
        {Da(1, 10), {"ShpVelo"}},
        {Da(1, 12),
         {"ShpSemitoni", "lblSemitoniC", "lblTerze", "lblQuinta", "cmdZero", "cmdMeno", "cmdPiù", "cmdTerze",
          "txtFraz", "lblQuinteC"}},
        {Da(1, 13), {"lblScalaST"}},
        {Da(1, 25), {"lblNomiNote"}},
        {Da(1, 121), {"lblFreq"}},
        {Da(2, 4), {"ShpSvariati"}},
        {Singolo,
         {"cmdTavolaScale", "FraTavolaSCale", "FraTabellaFrequenze", "lblConvertiFraz1", "lblBarra",
          "lblConvertiFraz2", "lblConvertiDecimali", "lblConvertiCents", "lblConvertiMicro", "cmdAumenta",
          "cmdPagina", "cmdEsciUtility", "TxtSpiegazioni", "cmdDiminuisci", "cmdRadice", "TxtNomeTemperamento",
          "TxtDescrizione", "cmdAlterazioni", "ImgProgramma", "Command1", "cmdLA", "cmdDefault", "cmdTorna",
          "Command6", "Command9", "cmdComma", "cmdMostraFrequenze", "cmdLingua", "cmdInfoSemitoni", "cmdLab",
          "cmdMostraIsto", "cmdUtility", "TxtNomeDelTemperamento", "cmdEquabile", "cmdEXit", "ImgTastiera",
          "lblScartoSemitonale", "lblVelocità", "FraMicro", "cmdResetMicro", "CmdApplicaMicro",
          "cmdAnnullaMicro", "FraUtility", "cmdTastiera", "cmdPitagorico", "cmdApriEasy", "FraEasy"}},
        {Da(0, 9), {"lblTabellaEasy"}},
        {Da(1, 12), {"lblEtiQuinteEasy", "TxtCentsEasy", "TxtQuinteArrotondateEasy", "cmdCopyEasy"}},
        {{0}, {"cmdCopyEasy"}},
        {Da(0, 1), {"ShpRiquadroEasy"}},
        {Singolo,
         {"lblQuinteArrotondateTotale", "cmdCorreggi", "lblCorrezione", "lblTotaleMicroEasyArrotondata",
          "TxtIndicazioniOperativeEasy", "cmdEsciEasyMode", "cmdSommaEasy", "FraSchermataFinale", "ImgXq",
          "TxtCurriculum", "cmdEsciDalSoftware"}},
        {Da(1, 143), {"lblScala"}},
        {Da(1, 11),
         {"cmdSelezInterv", "lblEtichettaNote", "lblNumLeg", "ShpLivelliNaturali", "ShpIstoScala",
          "lblScartiInCents"}},
        {Da(1, 13), {"lblEufonico"}},
        {Da(0, 13), {"lblNumeroAlterazioni", "cmdNotaScala"}},
        {Singolo, {"FraCopreIstogrammi"}},
        {Da(0, 3), {"ShpScale"}},
        {Da(0, 2), {"cmdLegenda"}},
        {Da(0, 3), {"cmdPreset"}},
        {Da(0, 20), {"lblLegenda"}},
        {Singolo, {"cmdEsciSCale", "cmdInvertiColori", "cmdSpessore", "cmdEnfasi", "FraComma"}},
    };
}

bool IniziaCon(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// The bars live in the bar model, not in the registry.
Barra* BarraDi(Istogrammi& g, std::string_view nome, int i) {
    if (i < 0 || i > 12) return nullptr;
    const auto k = static_cast<size_t>(i);
    if (nome == "ShpQuinte") return &g.ShpQuinte[k];
    if (nome == "ShpTerze") return &g.ShpTerze[k];
    if (nome == "ShpSemitoni" && i >= 1) return &g.ShpSemitoni[k];
    return nullptr;
}

float Per(float v, double f) { return static_cast<float>(static_cast<double>(v) * f); }

void ScalaBarra(Barra& b, const FattoriSchermo& f) {
    b.Height = Per(b.Height, f.verticale);
    b.Width = Per(b.Width, f.orizzontale);
    b.Top = Per(b.Top, f.verticale);
    b.Left = Per(b.Left, f.orizzontale);
}

std::string Chiave(std::string_view nome, int i) {
    std::string s(nome);
    if (i >= 0) s += "(" + std::to_string(i) + ")";
    return s;
}

}  // namespace

const std::vector<VoceElencoAdattamento>& ElencoAdattamento() {
    static const std::vector<VoceElencoAdattamento> elenco = CostruisciElenco();
    return elenco;
}

bool InElencoAdattamento(std::string_view nome, int indice) {
    for (const auto& voce : ElencoAdattamento())
        for (const auto& n : voce.nomi)
            if (n == nome)
                for (int i : voce.indici)
                    if (i == indice) return true;
    return false;
}

TipoControllo TipoDaNome(std::string_view n) {
    if (IniziaCon(n, "cmd") || IniziaCon(n, "Cmd") || IniziaCon(n, "Command")) return TipoControllo::Pulsante;
    if (IniziaCon(n, "Txt") || IniziaCon(n, "txt")) return TipoControllo::CasellaTesto;
    if (IniziaCon(n, "Fra")) return TipoControllo::Cornice;
    if (IniziaCon(n, "Shp")) return TipoControllo::Forma;
    if (IniziaCon(n, "Img")) return TipoControllo::Immagine;
    return TipoControllo::Etichetta;
}

uint8_t PassiDi(std::string_view nome, TipoControllo tipo) {
    uint8_t s = ScalaPredefinita(tipo);
    if (nome == "cmdNumero" || nome == "cmdLingua") s = static_cast<uint8_t>(s & ~ScalaCarattere);
    return s;
}

RapportoAdattamento AdattaSchermo(RegistroGeometria& r, Istogrammi& g, const FattoriSchermo& f) {
    RapportoAdattamento esito;
    for (const auto& voce : ElencoAdattamento())
        for (int i : voce.indici)
            for (const auto& nome : voce.nomi) {
                Barra* b = BarraDi(g, nome, i);
                VoceGeometria* v = r.trova(nome, i);
                if (b) ScalaBarra(*b, f);
                // A chart that also registers its bars keeps both records in step.
                if (v) ScalaVoce(*v, f, PassiDi(nome, v->tipo));
                if (!b && !v) {
                    esito.mancanti.push_back(Chiave(nome, i));
                    continue;
                }
                ++esito.istanze;
                esito.passi += b ? 4 : std::popcount(static_cast<unsigned>(PassiDi(nome, v->tipo)));
            }
    return esito;
}

RapportoAdattamento AdattaSchermo(StatoPrincipale& s) {
    const DimensioniSchermo schermo = SchermoTwips();
    const FattoriSchermo f = FattoriSchermo::da(schermo);
    s.fattoriAdattamento = f;
    RapportoAdattamento esito = AdattaSchermo(s.geometria, s.istogrammi, f);
    if (VoceGeometria* p = s.geometria.trova("vivUDO15", -1)) {
        p->larghezza = schermo.larghezza;
        p->altezza = schermo.altezza;
    }
    return esito;
}

void PreparaShpVari8(StatoPrincipale& s) {
    if (VoceGeometria* v = s.geometria.trova("ShpVari", 8)) {
        v->alto = 5650;
        v->altezza = 2870;
    }
}

RapportoAdattamento AdattaSplash(RegistroGeometria& splash, const FattoriSchermo& f) {
    RapportoAdattamento esito;
    auto scala = [&](std::string_view nome, int i, uint8_t passi) {
        VoceGeometria* v = splash.trova(nome, i);
        if (!v) {
            esito.mancanti.push_back(Chiave(nome, i));
            return;
        }
        ScalaVoce(*v, f, passi);
        ++esito.istanze;
        esito.passi += std::popcount(static_cast<unsigned>(passi));
    };
    scala("dozAzazadUDO", -1, ScalaGeometria);
    for (int i = 0; i <= 3; ++i) scala("lblSplash", i, ScalaTutto);
    scala("ImgScreen", -1, ScalaGeometria);
    return esito;
}

RapportoAdattamento AdattaSplash(RegistroGeometria& splash) {
    return AdattaSplash(splash, FattoriSchermo::correnti());
}

std::optional<RapportoAdattamento> AdattaFinestraPrincipale(StatoPrincipale& s) {
    const DimensioniSchermo schermo = SchermoTwips();
    if (!DaAdattare(schermo)) return std::nullopt;
    PreparaShpVari8(s);
    RapportoAdattamento esito = AdattaSchermo(s);
    AggiornaIstogrammi(s.istogrammi, s.temperamento, s.altezzaSchermo());
    return esito;
}

bool AdattaRegistrazioneTardiva(StatoPrincipale& s, std::string_view nome, int indice) {
    if (!s.fattoriAdattamento || !InElencoAdattamento(nome, indice)) return false;
    VoceGeometria* v = s.geometria.trova(nome, indice);
    if (!v) return false;
    ScalaVoce(*v, *s.fattoriAdattamento, PassiDi(nome, v->tipo));
    return true;
}

}  // namespace vk
