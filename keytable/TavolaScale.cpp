#include "keytable/TavolaScale.h"

namespace vk {

namespace {

constexpr std::array<bool, 12> ScalaMinore = {false, false, true, true, false, true, false,
                                              true,  true,  false, true, false};
constexpr std::array<bool, 12> ScalaMaggiore = {false, false, true, false, true, true, false,
                                                true,  false, true,  false, true};
constexpr std::array<const char*, 12> LimitiProgetto = {"",  "-20", "-16", "-12", "-8", "-4",
                                                        "0", "4",   "8",   "12",  "16", "20"};

constexpr size_t I(int i) { return static_cast<size_t>(i); }

}  // namespace

TavolaScale::TavolaScale(StatoPrincipale& s) : s_(s) {
    coloreScala.fill(Colori::Bianco);
    visibileScala.fill(true);
    for (int k = 1; k <= TonalitaTavola; ++k) {
        cmdNotaScala[I(k)] = NomeTonalita(k, Lingua::IT);
        coloreNotaScala[I(k)] = Colori::FacciaPulsante;
    }
    testoAlterazioni.fill(Colori::Nero);
    testoEufonico.fill(Colori::Nero);
    testoLegenda.fill(Colori::Nero);
    testoLegenda[0] = ColoriTavola::GrigioScuro;
    lblLegenda[0] = "Cents: (*)";
    lblLegenda[14] = TitoloTavola;
    lblLegenda[15] = "(gli istogrammi 'vuoti' rappresentano i valori degli intervalli naturali)";
    lblLegenda[16] = "(*) = Scarto in Cents rispetto ai valori naturali dei rispettivi intervalli";
    lblLegenda[17] = "Indice Eufonico (I.E.) della tonalit\xC3\xA0: ";
    lblLegenda[18] = std::string(1, '0');  // as a literal, g++ 12 warns of a false overlap
    lblLegenda[19] = "Buono";
    lblLegenda[20] = "Eufonia complessiva:";
    for (int n = 1; n <= 11; ++n) lblNumLeg[I(n)] = LimitiProgetto[I(n)];
    testoNumLeg.fill(Colori::Nero);
    coloreLegenda.fill(Colori::FacciaPulsante);
    coloreIsto.fill(Colori::GialloPallido);
    bordoLivelli.fill(Colori::Nero);
    bordoLivelli[9] = ColoriTavola::GrigioScuro;
    visibileIsto.fill(true);
    captionRapporti();
    coloreSelezInterv.fill(Colori::Bianco);
    colorePreset.fill(Colori::FacciaPulsante);
    colorePreset[0] = ColoriTavola::ArancioChiaro;
}

void TavolaScale::apri() {
    calcola();
    if (auto l = LinguaDaCodice(s_.LinguaNote))
        for (int k = 1; k <= TonalitaTavola; ++k) cmdNotaScala[I(k)] = NomeTonalita(k, *l);
    lblEufonico = CalcolaIndiciEufonici(lblScala);
    aperta = true;
}

void TavolaScale::calcola() {
    lblScala = CalcolaTavolaScale(s_.temperamento.Semitoni);
    ++calcoli;
    coloraTavola();
}

void TavolaScale::coloraTavola() {
    LimitiFasce L{};
    for (int n = 1; n <= 11; ++n) L[I(n)] = Numero(lblNumLeg[I(n)]).value_or(ValoreFisso{});
    for (int c = 1; c <= CelleScarti; ++c) {
        // An empty cell (a semitone that is no number) is drawn as a zero.
        const auto x = Numero(lblScala[I(c)]);
        coloreScala[I(c)] = ColoriFasce[I(x ? FasciaScarto(*x, L) : FasciaZero)];
    }
}

void TavolaScale::evidenzia(int k, bool si) {
    if (k < 1 || k > TonalitaTavola) return;
    coloreNotaScala[I(k)] = si ? Colori::RossoChiaro : Colori::FacciaPulsante;
    testoAlterazioni[I(k)] = si ? ColoriTavola::RossoScuro : Colori::Nero;
    testoEufonico[I(k)] = si ? ColoriTavola::RossoScuro : Colori::Nero;
}

void TavolaScale::captionRapporti() {
    for (int i = 1; i <= IntervalliTavola; ++i) cmdSelezInterv[I(i)] = RapportiIntervalli[I(i)];
}

void TavolaScale::nota(int k) {
    if (k < 1 || k > TonalitaTavola) return;
    evidenzia(lblNotaSelezionata, false);
    evidenzia(k, true);
    lblNotaSelezionata = k;
    if (lblClickScale != k) {
        lblClickScale = k;
        mostraScarti();
        disegnaIstogramma();
        lblLegenda[18] = lblEufonico[I(k)];
        // An index that is no number (an unreadable temperament) has no word.
        const auto v = Numero(lblLegenda[18]);
        lblLegenda[19] = v ? GiudizioEufonia(*v) : "";
        s_.CopreIstogrammiVisibile = false;
        for (int i = 1; i <= IntervalliTavola; ++i) cmdSelezInterv[I(i)] = NotaIntervallo(k, i);
    } else {
        s_.CopreIstogrammiVisibile = true;
        evidenzia(k, false);
        lblClickScale = 0;
        captionRapporti();
    }
}

void TavolaScale::esci() {
    aperta = false;
    s_.CopreIstogrammiVisibile = true;
    evidenzia(lblClickScale, false);
    lblClickScale = 0;
    preset(0);
    captionRapporti();
}

void TavolaScale::mostraScarti() {
    const int k = lblClickScale;
    if (k == 0) return;
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const int c = CellaScarto(k, n);
        lblScartiInCents[I(n)] = lblScala[I(c)];
        coloreIsto[I(n)] = coloreScala[I(c)];
    }
}

void TavolaScale::disegnaIstogramma() {
    const int k = lblClickScale;
    if (k == 0) return;
    const int chiave = k == 13 ? 7 : k;
    const double altezza = s_.altezzaSchermo();
    const bool conEnfasi = coloreEnfasi == Colori::Bianco;
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const auto v = Numero(lblScala[I(CellaCumulata(chiave, n))]);
        // A size that is no number draws no bar.
        ShpIstoScala[I(n)] =
            v ? AltezzaBarraScala(v->comeDouble(), static_cast<double>(ProgressiviNaturali[I(n)]), conEnfasi,
                                  altezza)
              : BarraScala{};
    }
}

void TavolaScale::spostaLimiti(const char* fermo, const char* passo) {
    if (lblNumLeg[7] == fermo) return;
    const ValoreFisso d = *Numero(passo);
    for (int n = 7; n <= 11; ++n)
        if (auto v = Numero(lblNumLeg[I(n)])) lblNumLeg[I(n)] = (*v + d).testo();
    for (int n = 1; n <= 5; ++n)
        if (auto v = Numero(lblNumLeg[I(n)])) lblNumLeg[I(n)] = (*v - d).testo();
}

void TavolaScale::legendaPremi(int i) {
    if (i >= 0 && i <= 2) coloreLegenda[I(i)] = Colori::GialloPallido;
}

void TavolaScale::legendaRilascia(int i) {
    if (i >= 0 && i <= 2) coloreLegenda[I(i)] = Colori::FacciaPulsante;
}

void TavolaScale::legenda(int i) {
    if (i == 0) spostaLimiti("0,5", "-0,5");
    else if (i == 2) spostaLimiti("7,5", "0,5");
    else if (i == 1)
        for (int n = 1; n <= 11; ++n) lblNumLeg[I(n)] = LimitiProgetto[I(n)];
    else return;
    coloraTavola();
    if (lblClickScale != 0) mostraScarti();
}

void TavolaScale::enfasi() {
    coloreEnfasi = coloreEnfasi == Colori::FacciaPulsante ? Colori::Bianco : Colori::FacciaPulsante;
    disegnaIstogramma();
}

void TavolaScale::inverti() {
    const bool scuro = colorePannello != Colori::Nero;
    const ColoreVB fondo = scuro ? Colori::Nero : Colori::GrigioAzzurro;
    const ColoreVB testo = scuro ? Colori::Bianco : Colori::Nero;
    colorePannello = fondo;
    s_.CopreIstogrammiColore = fondo;
    testoNumLeg.fill(testo);
    testoNumLeg[6] = Colori::Nero;  // the "0" on its own opaque background
    testoLegenda.fill(testo);
    for (int i : {14, 18, 19}) testoLegenda[I(i)] = Colori::Nero;
    bordoLivelli.fill(scuro ? ColoriTavola::Grigio : Colori::Nero);
    coloreInverti = scuro ? Colori::Bianco : Colori::FacciaPulsante;
}

void TavolaScale::spessore() {
    // Lines 1, 2, 3 pixels thick, then 1 again; the caption says which.
    spessoreLivelli = spessoreLivelli % 3 + 1;
    cmdSpessore = "Linee " + std::to_string(spessoreLivelli);
}

void TavolaScale::colonna(int i, bool mostra) {
    for (int k = 1; k <= TonalitaTavola; ++k) visibileScala[I(CellaScarto(k, i))] = mostra;
}

void TavolaScale::intervallo(int i, bool mostra) {
    visibileIsto[I(i)] = mostra;
    coloreSelezInterv[I(i)] = mostra ? Colori::Bianco : Colori::FacciaPulsante;
    colonna(i, mostra);
}

void TavolaScale::preset(int p) {
    if (p < 0 || p > 3) return;
    if (lblPreset != p) {
        colorePreset[I(lblPreset)] = Colori::FacciaPulsante;
        colorePreset[I(p)] = ColoriTavola::ArancioChiaro;
        lblPreset = p;
    }
    for (int i = 1; i <= IntervalliTavola; ++i) {
        bool mostra = true;
        if (p == 1) mostra = s_.SelezioneLibera[I(i)] != Colori::GialloPallido;
        if (p == 2) mostra = ScalaMinore[I(i)];
        if (p == 3) mostra = ScalaMaggiore[I(i)];
        intervallo(i, mostra);
    }
}

void TavolaScale::selezInterv(int i) {
    if (i < 1 || i > IntervalliTavola) return;
    const bool mostra = coloreSelezInterv[I(i)] != Colori::Bianco;
    intervallo(i, mostra);
    if (colorePreset[1] == ColoriTavola::ArancioChiaro)
        s_.SelezioneLibera[I(i)] = mostra ? ColoriTavola::VerdePallido : Colori::GialloPallido;
}

}  // namespace vk
