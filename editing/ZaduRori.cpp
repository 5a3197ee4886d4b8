#include "editing/ZaduRori.h"

#include "app/Notazione.h"
#include "common/Micro.h"
#include "model/ApplicaQuinte.h"

namespace vk {

std::array<std::string, 13> NomiQuinteEasy(std::string_view lingua) {
    // Any code that is no notation gives the Italian names.
    const Lingua l = LinguaDaCodice(lingua).value_or(Lingua::IT);
    std::array<std::string, 13> r{};
    for (int k = 1; k <= 12; ++k) r[static_cast<size_t>(k)] = NomeDaItaliano(NomeQuintaItaliano(k), l);
    return r;
}

std::optional<DerivatiEasy> CalcolaSemitoniTerzeEasy(const std::array<std::string, 13>& quinte) {
    std::array<ValoreFisso, 13> r{};
    for (int k = 1; k <= 12; ++k) {
        auto v = FissoDigitato(quinte[static_cast<size_t>(k)]);
        if (!v) return std::nullopt;
        r[static_cast<size_t>(k)] = *v;
    }
    const ValoreFisso O = Micro::Ottava;
    const ValoreFisso DO{};
    const ValoreFisso SOL = r[1];
    const ValoreFisso RE = SOL + r[2] - O;
    const ValoreFisso LA = RE + r[3];
    const ValoreFisso MI = LA + r[4] - O;
    const ValoreFisso SI = MI + r[5];
    const ValoreFisso FAd = SI + r[6] - O;
    const ValoreFisso DOd = FAd + r[7] - O;
    const ValoreFisso SOLd = DOd + r[8];
    const ValoreFisso MIb = SOLd + r[9] - O;
    const ValoreFisso SIb = MIb + r[10];
    const ValoreFisso FA = SIb + r[11] - O;

    DerivatiEasy d;
    const ValoreFisso cromatica[13] = {DO, DOd, RE, MIb, MI, FA, FAd, SOL, SOLd, LA, SIb, SI, O};
    for (int n = 1; n <= 12; ++n) d.semitoni[static_cast<size_t>(n)] = cromatica[n] - cromatica[n - 1];
    const ValoreFisso terze[13] = {ValoreFisso{},
                                   MI,
                                   SI - SOL,
                                   FAd - RE,
                                   DOd + O - LA,
                                   SOLd - MI,
                                   MIb + O - SI,
                                   SIb - FAd,
                                   FA - DOd,
                                   O - SOLd,
                                   SOL - MIb,
                                   RE + O - SIb,
                                   LA - (O - r[12])};
    for (int k = 1; k <= 12; ++k) d.terze[static_cast<size_t>(k)] = terze[k];
    for (int k = 1; k <= 12; ++k) {
        d.semitoni[0] += d.semitoni[static_cast<size_t>(k)];
        d.terze[0] += d.terze[static_cast<size_t>(k)];
    }
    return d;
}

bool ApplicabileEasy(const std::array<std::string, 13>& quinte) {
    const auto d = CalcolaSemitoniTerzeEasy(quinte);
    if (!d) return false;
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        if (!FissoDigitato(quinte[i])->leggibile() || !d->terze[i].leggibile() || !d->semitoni[i].leggibile())
            return false;
    }
    return true;
}

bool ApplicaTemperamentoEasy(const std::array<std::string, 13>& quinte, Temperamento& t, Istogrammi& g,
                             double altezza) {
    if (!ApplicabileEasy(quinte)) return false;
    const auto d = CalcolaSemitoniTerzeEasy(quinte);
    QuinteNuove n;
    n.Terze.emplace();
    n.Semitoni.emplace();
    for (size_t i = 1; i <= 12; ++i) {
        // A hand-typed fifth is kept as typed but for its thousands
        // separators: with a point in it, no other command could read it,
        // and a file saved with it would not open again.
        std::string quinta;
        for (char c : quinte[i])
            if (c != '.') quinta += c;
        n.Quinte[i] = std::move(quinta);
        (*n.Terze)[i] = Testo(d->terze[i]);
        (*n.Semitoni)[i] = Testo(d->semitoni[i]);
    }
    // The cents through this screen's single precision; in the Pythagorean
    // mode the naming then puts the fifths' CentsDaMicro in their place.
    OpzioniQuinte o;
    o.RegolaCents = OpzioniQuinte::Cents::SingolaPrecisione;
    o.ModoDa = OpzioniQuinte::Prova::Colore;
    o.AzzeraSelezione = true;
    o.Ridisegna = &g;
    o.AltezzaSchermo = altezza;
    return ApplicaQuinte(t, std::move(n), o);
}

void ZaduRori::apri(std::string_view lingua) {
    for (int k = 1; k <= 12; ++k) TxtCentsEasy[static_cast<size_t>(k)].clear();
    TxtIndicazioniOperativeEasy = TestiEasy::Istruzioni;
    // A notation other than the four gives the Italian names.
    lblEtiQuinteEasy = NomiQuinteEasy(lingua);
    aperta = true;
}

void ZaduRori::azzera() {
    for (int k = 1; k <= 12; ++k) {
        TxtQuinteArrotondateEasy[static_cast<size_t>(k)].clear();
        TxtCentsEasy[static_cast<size_t>(k)].clear();
    }
    lblQuinteArrotondateTotale.clear();
    lblCorrezione.clear();
    passoCorrezione = false;
    TxtIndicazioniOperativeEasy = TestiEasy::Istruzioni;
}

void ZaduRori::copia(int indice) {
    if (indice == 0) {
        for (int k = 1; k <= 12; ++k) TxtCentsEasy[static_cast<size_t>(k)].clear();
    } else if (indice >= 1 && indice <= 12) {
        TxtCentsEasy[static_cast<size_t>(indice)] = TxtCentsEasy[static_cast<size_t>(Precedente(indice))];
    }
}

void ZaduRori::esci() {
    azzera();
    aperta = false;
}

void ZaduRori::applicaEChiudi(Temperamento& t, Istogrammi& g, double altezza) {
    lblCorrezione.clear();
    ApplicaTemperamentoEasy(TxtQuinteArrotondateEasy, t, g, altezza);
    azzera();
    aperta = false;
}

ZaduRori::Esito ZaduRori::ok(Temperamento& t, Istogrammi& g, double altezza) {
    lblCorrezione.clear();
    auto avviso = [this](const char* testo) {
        TxtIndicazioniOperativeEasy = testo;
        return Esito::Avviso;
    };
    for (int k = 1; k <= 12; ++k)
        if (TxtCentsEasy[static_cast<size_t>(k)].empty()) return avviso(TestiEasy::Dimenticato);

    std::array<NumeroDigitato, 13> c{};
    bool troppoGrande = false;
    for (int k = 1; k <= 12; ++k) {
        switch (LeggiDigitato(TxtCentsEasy[static_cast<size_t>(k)], c[static_cast<size_t>(k)])) {
            case LetturaDigitata::NonNumero: return avviso(TestiEasy::NonNumeri);
            case LetturaDigitata::TroppoGrande: troppoGrande = true; break;
            case LetturaDigitata::Numero: break;
        }
    }
    if (troppoGrande) return avviso(TestiEasy::SommaZero);

    ValoreFisso sommaFissa;
    double S = 0;
    for (int k = 1; k <= 12; ++k) {
        sommaFissa += c[static_cast<size_t>(k)].fisso;
        S += c[static_cast<size_t>(k)].esatto;
    }
    if (sommaFissa == ValoreFisso()) return avviso(TestiEasy::SommaZero);
    // Values that cancel only beyond the fourth decimal, or so large that a
    // fifth cannot be held, have no result either.
    if (S == 0) return avviso(TestiEasy::SommaZero);
    std::array<ValoreFisso, 13> r{};
    for (int k = 1; k <= 12; ++k) {
        const double dk = (-33264.0 / S) * c[static_cast<size_t>(k)].esatto;
        const double qk = dk + 995148.0;
        auto rk = ArrotondaQuintaEasy(qk);
        if (!rk) return avviso(TestiEasy::SommaZero);
        r[static_cast<size_t>(k)] = *rk;
    }

    ValoreFisso T;
    for (int k = 1; k <= 12; ++k) {
        TxtQuinteArrotondateEasy[static_cast<size_t>(k)] = Testo(r[static_cast<size_t>(k)]);
        T += r[static_cast<size_t>(k)];
    }
    lblQuinteArrotondateTotale = Testo(T);
    if (T != Micro::SetteOttave) {
        lblCorrezione = Testo(T - Micro::SetteOttave);
        passoCorrezione = true;
        TxtIndicazioniOperativeEasy = TestiEasy::Correggi;
        return Esito::Correzione;
    }
    // Deviations so large that a third or a semitone could not be saved.
    if (!ApplicabileEasy(TxtQuinteArrotondateEasy)) return avviso(TestiEasy::SommaZero);
    applicaEChiudi(t, g, altezza);
    return Esito::Applicato;
}

ZaduRori::Esito ZaduRori::mod(Temperamento& t, Istogrammi& g, double altezza) {
    if (!passoCorrezione) return Esito::Avviso;  // "MOD" is not on screen
    ValoreFisso T;
    for (int k = 1; k <= 12; ++k) {
        auto v = FissoDigitato(TxtQuinteArrotondateEasy[static_cast<size_t>(k)]);
        if (!v) {
            TxtIndicazioniOperativeEasy = TestiEasy::NonNumeri;
            return Esito::Avviso;
        }
        T += *v;
    }
    lblQuinteArrotondateTotale = Testo(T);
    if (T != Micro::SetteOttave) {
        // The Scarto keeps the first difference; the instructions are those of
        // the correction again (a previous refusal may have replaced them).
        TxtIndicazioniOperativeEasy = TestiEasy::Correggi;
        return Esito::Correzione;
    }
    // Fifths that close the circle but give a third or a semitone no file keeps.
    if (!ApplicabileEasy(TxtQuinteArrotondateEasy)) {
        TxtIndicazioniOperativeEasy = TestiEasy::NonNumeri;
        return Esito::Avviso;
    }
    applicaEChiudi(t, g, altezza);
    return Esito::Applicato;
}

}  // namespace vk
