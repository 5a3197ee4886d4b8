#include "frequencies/TabellaFrequenze.h"

#include <cmath>

#include "app/Notazione.h"
#include "common/TestoDouble.h"
#include "model/Temperamento.h"

namespace vk {

namespace {

// The walk from LA around the circle of fifths: the fifth added, whether an
// octave comes off in the same step, the cell reached. RE-LA closes the
// circle and is never taken.
struct Passo {
    int quinta;
    bool menoOttava;
    int cella;
};
constexpr Passo Giro[11] = {{4, false, 65}, {5, true, 60},  {6, false, 67}, {7, true, 62},
                            {8, false, 69}, {9, true, 64},  {10, true, 59}, {11, false, 66},
                            {12, true, 61}, {1, false, 68}, {2, true, 63}};

// Rows DO .. SI of the table, as written notes.
using L = LetteraNota;
using A = Alterazione;
constexpr NotaScritta Righe[12] = {{L::Do, A::Nessuna}, {L::Do, A::Diesis},  {L::Re, A::Nessuna},
                                   {L::Mi, A::Bemolle}, {L::Mi, A::Nessuna}, {L::Fa, A::Nessuna},
                                   {L::Fa, A::Diesis},  {L::Sol, A::Nessuna}, {L::Sol, A::Diesis},
                                   {L::La, A::Nessuna}, {L::Si, A::Bemolle}, {L::Si, A::Nessuna}};

ValoreFisso PassoDiapason(PassoLA p) {
    switch (p) {
        case PassoLA::Decimi: return ValoreFisso::daDecimillesimi(1000);
        case PassoLA::Centesimi: return ValoreFisso::daDecimillesimi(100);
        case PassoLA::Interi: break;
    }
    return ValoreFisso::intero(1);
}

// Ten-thousandths in one unit of the last of `decimali` decimals.
int64_t PassoDecimali(int decimali) {
    int64_t p = 1;
    for (int i = decimali; i < 4; ++i) p *= 10;
    return p;
}

}  // namespace

std::optional<ValoreFisso> Unita4296(std::string_view micro) { return ProporzioneDiTesto(micro, 1, MicroPerUnita); }

const char* TestoPassoLA(PassoLA p) {
    switch (p) {
        case PassoLA::Decimi: return "0.1";
        case PassoLA::Centesimi: return "0.01";
        case PassoLA::Interi: break;
    }
    return "Interi";
}

std::string TestoDecimali(int decimali) {
    return decimali == TabellaFrequenze::SenzaComune ? "N" : std::to_string(decimali);
}

int OttavaDellaCella(int cella) { return cella >= 121 ? 10 : (cella - 1) / 12 + 1; }

TabellaFrequenze::TabellaFrequenze()
    : diapason_([this] { TmrDiapason_Timer(); }, [this] { Rilascio(); }, IntervalloDiapason, false) {
    lblFreq[CellaRiferimento] = "440";
    lblNDec.fill(4);
    for (auto& riga : cmdDec) riga.fill(Colori::Bianco);
    cmdDec[4].fill(Colori::RossoChiaro);
    AggiornaNomiNoteFrequenze("IT");
}

void TabellaFrequenze::cmdMostraFrequenze_Click(const Temperamento& t, std::string_view lingua) {
    for (int k = 1; k <= 12; ++k) {
        // A fifth that is no number (a file can bring anything) gives no
        // unit, and the cells that depend on it stay empty.
        const auto u = Unita4296(t.Quinte[static_cast<size_t>(k)]);
        lblValoreQuinte2[static_cast<size_t>(k)] = u ? u->testo() : std::string();
    }
    Calcola();
    TxtNomeDelTemperamento = t.Nome;
    AggiornaNomiNoteFrequenze(lingua);
    aperta = true;
}

void TabellaFrequenze::Calcola() {
    CalcolaFrequenzeCentrali();
    CompletaTabellaFrequenze();
}

void TabellaFrequenze::CalcolaFrequenzeCentrali() {
    const double a = DoubleDaTesto(lblFreq[CellaRiferimento]);
    double x = 0;
    for (const Passo& p : Giro) {
        x = x + DoubleDaTesto(lblValoreQuinte2[static_cast<size_t>(p.quinta)]);
        if (p.menoOttava) x = x - OttavaUnita;
        lblFreq[static_cast<size_t>(p.cella)] = TestoDouble(a * std::pow(2.0, x / OttavaUnita));
    }
}

void TabellaFrequenze::CompletaTabellaFrequenze() {
    auto cella = [this](int i) -> std::string& { return lblFreq[static_cast<size_t>(i)]; };
    auto valore = [&](int i) { return DoubleDaTesto(cella(i)); };
    // The other octaves from the texts of the central block, not from the
    // unrounded products.
    for (int i = 58; i <= 69; ++i)
        for (int j = 1; j <= 4; ++j) cella(i + 12 * j) = TestoDouble(valore(i) * std::pow(2.0, j));
    for (int i = 58; i <= 61; ++i) cella(i + 60) = TestoDouble(valore(i) * 32);
    for (int i = 58; i <= 69; ++i)
        for (int j = 1; j <= 4; ++j) cella(i - 12 * j) = TestoDouble(valore(i) / std::pow(2.0, j));
    for (int i = 61; i <= 69; ++i) cella(i - 60) = TestoDouble(valore(i) / 32);

    // To four decimals, exactly on the digits of each text; then each octave
    // to its own decimals, in 64 bits, so no reference overflows here.
    for (int i = 1; i <= 121; ++i) {
        const auto v = ValoreFisso::daTesto(cella(i));
        if (!v) {
            cella(i).clear();
            continue;
        }
        const int dec = lblNDec[static_cast<size_t>(OttavaDellaCella(i))];
        const bool arrotonda = dec >= 0 && dec <= 3;
        ValoreFisso r = arrotonda ? v->arrotondato(dec) : *v;
        // The reference never rounds down to zero: it keeps the smallest
        // value its octave's decimals can show.
        if (i == CellaRiferimento && r.decimillesimi() <= 0 && v->decimillesimi() > 0)
            r = ValoreFisso::daDecimillesimi(PassoDecimali(arrotonda ? dec : 4));
        cella(i) = r.testo();
    }
}

void TabellaFrequenze::AggiornaNomiNoteFrequenze(std::string_view lingua) {
    for (int r = 1; r <= 12; ++r) {
        const auto nome = Scrivi(Righe[r - 1], lingua);
        if (!nome) return;
        lblNomiNote[static_cast<size_t>(r)] = *nome;
        lblNomiNote[static_cast<size_t>(r + 12)] = *nome;
    }
    lblNomiNote[25] = lblNomiNote[1];
}

void TabellaFrequenze::RicoloraLA() {
    cmd440Colore = lblFreq[CellaRiferimento] == "440" ? Colori::RossoChiaro : Colori::Bianco;
}

void TabellaFrequenze::cmd440_MouseDown(int indice) {
    if (indice == 0 || indice == 2) {
        lblIndexDiap = indice;
        diapason_.premi();
    } else if (indice == 1) {
        cmd440Colore = Colori::RossoChiaro;
        lblFreq[CellaRiferimento] = "440";
    }
}

void TabellaFrequenze::TmrDiapason_Timer() {
    const auto a = ValoreFisso::daTesto(lblFreq[CellaRiferimento]);
    if (!a) return;
    const ValoreFisso passo = PassoDiapason(cmdLA);
    const ValoreFisso b = lblIndexDiap == 2 ? *a + passo : *a - passo;
    // A table of zero or negative frequencies means nothing: the reference
    // stays above zero, and within what a cell can hold.
    if (b.decimillesimi() <= 0 || b.decimillesimi() > ValoreFisso::Limite) return;
    lblFreq[CellaRiferimento] = b.testo();
    RicoloraLA();
}

void TabellaFrequenze::cmd440_MouseUp(int indice) {
    if (indice == 0 || indice == 2) {
        diapason_.rilascia();  // stops the timer, then Rilascio()
    } else if (indice == 1) {
        Rilascio();
    }
}

void TabellaFrequenze::Rilascio() {
    RicoloraLA();
    Calcola();
}

void TabellaFrequenze::cmdLA_Click() {
    switch (cmdLA) {
        case PassoLA::Interi: cmdLA = PassoLA::Decimi; break;
        case PassoLA::Decimi: cmdLA = PassoLA::Centesimi; break;
        case PassoLA::Centesimi: cmdLA = PassoLA::Interi; break;
    }
}

void TabellaFrequenze::AzzeraTuttiIDecimali() {
    for (auto& riga : cmdDec) riga.fill(Colori::Bianco);
}

void TabellaFrequenze::AzzeraDecimaliTutti() {
    for (auto& riga : cmdDec) riga[0] = Colori::Bianco;
    lblNDec[0] = SenzaComune;
}

void TabellaFrequenze::AzzeraDecimaliOttava(int k) {
    for (auto& riga : cmdDec) riga[static_cast<size_t>(k)] = Colori::Bianco;
}

void TabellaFrequenze::AllineaDecimaliTutti() {
    int uguali = 1;
    for (int i = 2; i <= 10 && lblNDec[static_cast<size_t>(i)] == lblNDec[static_cast<size_t>(i - 1)]; ++i) ++uguali;
    if (uguali != 10) return;
    lblNDec[0] = lblNDec[1];
    const int n = lblNDec[1];
    if (n >= 0 && n <= 4) cmdDec[static_cast<size_t>(n)][0] = Colori::RossoChiaro;
}

void TabellaFrequenze::cmdDec_Click(int cifra, int indice) {
    if (cifra < 0 || cifra > 4 || indice < 0 || indice > 10) return;
    const auto n = static_cast<size_t>(cifra);
    if (indice == 0) {
        AzzeraTuttiIDecimali();
        for (size_t i = 0; i <= 10; ++i) {
            cmdDec[n][i] = Colori::RossoChiaro;
            lblNDec[i] = cifra;
        }
    } else {
        const auto k = static_cast<size_t>(indice);
        AzzeraDecimaliOttava(indice);
        lblNDec[k] = cifra;
        if (lblNDec[k] != lblNDec[0]) AzzeraDecimaliTutti();
        cmdDec[n][k] = Colori::RossoChiaro;
    }
    AllineaDecimaliTutti();
    Calcola();
}

void TabellaFrequenze::cmdDefault_Click() {
    AzzeraTuttiIDecimali();
    lblNDec[0] = SenzaComune;
    for (size_t k = 1; k <= 10; ++k) {
        lblNDec[k] = DecimaliPredefiniti[k];
        cmdDec[static_cast<size_t>(DecimaliPredefiniti[k])][k] = Colori::RossoChiaro;
    }
    Calcola();
}

}  // namespace vk
