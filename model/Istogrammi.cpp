#include "model/Istogrammi.h"

#include "common/Micro.h"

namespace vk {

ClasseQuinta ClasseDiQuinta(ValoreFisso q) {
    if (q > Micro::QuintaNaturale) return ClasseQuinta::OltreNaturale;
    if (q == Micro::QuintaNaturale) return ClasseQuinta::Naturale;
    if (q > Micro::QuintaEquabile) return ClasseQuinta::TraEquabileENaturale;
    if (q == Micro::QuintaEquabile) return ClasseQuinta::Equabile;
    return ClasseQuinta::SottoEquabile;
}

ClasseTerza ClasseDiTerza(ValoreFisso t) {
    if (t > Micro::TerzaPitagorica) return ClasseTerza::OltrePitagorica;
    if (t == Micro::TerzaPitagorica) return ClasseTerza::Pitagorica;
    if (t > Micro::TerzaEquabile) return ClasseTerza::TraEquabileEPitagorica;
    if (t == Micro::TerzaEquabile) return ClasseTerza::Equabile;
    if (t > Micro::TerzaNaturale) return ClasseTerza::TraNaturaleEEquabile;
    if (t == Micro::TerzaNaturale) return ClasseTerza::Naturale;
    return ClasseTerza::SottoNaturale;
}

ColoreVB ColoreDi(ClasseQuinta c) {
    switch (c) {
        case ClasseQuinta::OltreNaturale: return 0xFFFFE1;
        case ClasseQuinta::Naturale: return 0xDBFDE7;
        case ClasseQuinta::TraEquabileENaturale: return 0xC0FFFF;
        case ClasseQuinta::Equabile: return 0xCCE4FB;
        case ClasseQuinta::SottoEquabile: return 0xD7D7FF;
    }
    return 0xC0FFFF;
}

ColoreVB ColoreDi(ClasseTerza c) {
    switch (c) {
        case ClasseTerza::OltrePitagorica: return 0xFF00FF;
        case ClasseTerza::Pitagorica: return 0xFF;
        case ClasseTerza::TraEquabileEPitagorica: return 0x80FF;
        case ClasseTerza::Equabile: return 0x80FFFF;
        case ClasseTerza::TraNaturaleEEquabile: return 0x80FF80;
        case ClasseTerza::Naturale: return 0xFFFF00;
        case ClasseTerza::SottoNaturale: return 0xFF8080;
    }
    return 0x80FFFF;
}

const char* LetteraDi(ClasseTerza c) {
    switch (c) {
        case ClasseTerza::Pitagorica: return "P";
        case ClasseTerza::Equabile: return "E";
        case ClasseTerza::Naturale: return "N";
        default: return "";
    }
}

AltezzaBarra AltezzaQuinta(double c) {
    double h = c < 630 ? 2188 : c > 720 ? 4800 : (c - 550) * 4800 / 175.5;
    return {h, 4800 - h + 3720};
}

AltezzaBarra AltezzaTerza(double t) {
    double h = t < 371 ? 41 : t > 420 ? 4815 : (t - 370) * 4815 / 50;
    return {h, 4815 - h + 3720};
}

AltezzaBarra AltezzaSemitono(double s) {
    double h = s < 71 ? 41 : s > 135 ? 2670 : (s - 70) * 2670 / 65;
    return {h, 2670 - h + 105};
}

double FattoreAltezza(double altezzaSchermoTwips) {
    return altezzaSchermoTwips == 11520.0 ? 1.0 : altezzaSchermoTwips / 11520.0;
}

Istogrammi IstogrammiIniziali() {
    Istogrammi g;
    for (int k = 0; k <= 12; ++k) {
        const float left = ColonneGrafico[static_cast<size_t>(k)].barre;
        g.ShpQuinte[k] = {left, 4415, 1095, 4110, ColoreQuinteSpente};
        g.ShpTerze[k] = {left, 5640, 540, 2895, 0x80FFFF};
    }
    for (int n = 1; n <= 12; ++n)
        g.ShpSemitoni[n] = {6360.0f + 720.0f * static_cast<float>(n - 1), 1540, 375, 1230, ColoreSemitoni};
    return g;
}

namespace {

void Imposta(Barra& b, AltezzaBarra a, double f) {
    b.Height = static_cast<float>(a.Height * f);
    b.Top = static_cast<float>(a.Top * f);
}

void CopiaBarra(Barra& dest, const Barra& orig) {
    dest.Top = orig.Top;
    dest.Height = orig.Height;
    dest.Colore = orig.Colore;
}

void DisegnaQuinta(Istogrammi& g, const Temperamento& t, int k, double f) {
    if (auto c = Numero(t.QuinteCents[k])) Imposta(g.ShpQuinte[k], AltezzaQuinta(c->comeDouble()), f);
    if (!g.colorazioneAttiva()) {
        g.ShpQuinte[k].Colore = ColoreQuinteSpente;
    } else if (auto q = Numero(t.Quinte[k])) {
        g.ShpQuinte[k].Colore = ColoreDi(ClasseDiQuinta(*q));
    }
}

void DisegnaTerza(Istogrammi& g, Temperamento& t, int k, double f) {
    if (auto c = Numero(t.TerzeCents[k])) Imposta(g.ShpTerze[k], AltezzaTerza(c->comeDouble()), f);
    if (auto te = Numero(t.Terze[k])) {
        ClasseTerza cl = ClasseDiTerza(*te);
        g.ShpTerze[k].Colore = ColoreDi(cl);
        t.SigleTerze[k] = LetteraDi(cl);
    }
}

}  // namespace

void AggiornaIstogrammi(Istogrammi& g, Temperamento& t, double altezza) {
    const double f = FattoreAltezza(altezza);
    for (int k = 1; k <= 12; ++k) DisegnaQuinta(g, t, k, f);
    CopiaBarra(g.ShpQuinte[0], g.ShpQuinte[7]);
    for (int n = 1; n <= 12; ++n)
        if (auto s = Numero(t.SemitoniCents[n])) Imposta(g.ShpSemitoni[n], AltezzaSemitono(s->comeDouble()), f);
    for (int k = 1; k <= 12; ++k) DisegnaTerza(g, t, k, f);
    CopiaBarra(g.ShpTerze[0], g.ShpTerze[7]);
    g.lblTerzeC0 = t.TerzeCents[7];
}

void DisegnaBarraQuintaQS(Istogrammi& g, const Temperamento& t, double altezza) {
    const int k = t.IndiceQS;
    if (k < 1 || k > 12) return;
    DisegnaQuinta(g, t, k, FattoreAltezza(altezza));
    if (k == 7) CopiaBarra(g.ShpQuinte[0], g.ShpQuinte[7]);
}

void Command9_Click(Istogrammi& g, const Temperamento& t) {
    const bool accendi = g.Command9 == CaptionColoriQuinte;
    g.Command9 = accendi ? CaptionNoColoriQuinte : CaptionColoriQuinte;
    for (int k = 1; k <= 12; ++k) {
        if (!accendi) {
            g.ShpQuinte[k].Colore = ColoreQuinteSpente;
        } else if (auto q = Numero(t.Quinte[k])) {
            g.ShpQuinte[k].Colore = ColoreDi(ClasseDiQuinta(*q));
        }
    }
    g.ShpQuinte[0].Colore = g.ShpQuinte[7].Colore;
}

}  // namespace vk
