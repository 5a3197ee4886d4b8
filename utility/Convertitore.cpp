#include "utility/Convertitore.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "common/TestoDouble.h"
#include "common/Micro.h"
#include "common/ValoreFisso.h"

namespace vk {

namespace {

// The first value each unit refuses as too high.
constexpr uint64_t LimiteDecimali = 10000;
constexpr uint64_t LimiteCents = 12001;
constexpr uint64_t LimiteMicro = 30000001;

// Cents per unit of decimal logarithm, 1200 / log10 2 to 15 digits.
constexpr double CentsPerLog10 = 3986.31371386483;

std::string Fisso(double x) {
    auto v = ValoreFisso::daDouble(x);
    return v ? v->testo() : "-";
}

std::string Fisso(std::optional<ValoreFisso> v) { return v ? v->testo() : "-"; }

// Whether a typed number is `limite` or more, decided on its digits, not on
// its double: below a whole limit lies every number of a smaller whole part,
// whatever its decimals.
bool AlmenoIlLimite(std::string_view testo, uint64_t limite) {
    const std::string_view intera = testo.substr(0, testo.find(','));
    const size_t primaCifra = intera.find_first_not_of('0');
    if (primaCifra == std::string_view::npos) return limite == 0;
    // Past 19 digits, past any limit.
    if (intera.size() - primaCifra > 19) return true;
    uint64_t n = 0;
    for (char c : intera.substr(primaCifra)) n = n * 10 + static_cast<uint64_t>(c - '0');
    return n >= limite;
}

}  // namespace

double ValoreDigitato(std::string_view testo) {
    std::string s(testo);
    for (char& c : s)
        if (c == ',') c = '.';
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s.empty()) return 0;
    double x = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
    if (ec == std::errc::result_out_of_range) {
        // Too large when a whole digit is not zero, else too small.
        for (char c : s) {
            if (c == '.') break;
            if (c != '0') return HUGE_VAL;
        }
        return 0;
    }
    if (ec != std::errc()) return 0;
    return x;
}

const char* Convertitore::TestoIstruzione(Istruzione i) {
    switch (i) {
        case Istruzione::Iniziale: return "Clicca il pulsante dell'unità che vuoi convertire";
        case Istruzione::Digita: return "Ora digita sul tastierino numerico il valore dell'unità da convertire";
        case Istruzione::Conferma: return "Quando hai digitato il numero clicca di nuovo sul pulsante";
        case Istruzione::NuovaUnita: return "Clicca il pulsante della nuova unità che vuoi convertire";
        case Istruzione::TroppoAlto: return "Valore troppo alto!";
        case Istruzione::Zero: return "Non puoi impostare questo valore a zero!";
        case Istruzione::DivisoZero: return "Non puoi dividere per zero: cambia denominatore!";
        case Istruzione::Denominatore: return "Imposta nella frazione il valore del denominatore";
        case Istruzione::NumeratoreZero: break;
    }
    return "Non puoi impostare il numeratore a zero!";
}

void Convertitore::mostra(Istruzione i) {
    istruzione_ = i;
    istruzione = TestoIstruzione(i);
}

void Convertitore::cmdRadice_Click() {
    radice_ = !radice_;
    coloreRadice = radice_ ? ArancioChiaro : Colori::FacciaPulsante;
}

void Convertitore::cmdNumero_Click(int indice) {
    if (!digitando_) {
        if (indice >= Frazione && indice <= Micro) scegliUnita(indice);
        return;
    }
    if (indice >= 0 && indice <= 9) cifra(indice);
    else if (indice == Virgola) virgola();
    else if (indice == Cancella) cancella();
    else if (indice >= Frazione && indice <= Micro) conferma(indice);
}

std::string& Convertitore::ricevente() {
    switch (unita_) {
        case Decimali: return decimali;
        case Cents: return cents;
        case Micro: return micro;
        default: return parte_ == 1 ? fraz1 : fraz2;
    }
}

void Convertitore::scegliUnita(int indice) {
    unita_ = indice;
    mostra(Istruzione::Digita);
    digitando_ = true;
    for (ColoreVB& c : coloreUnita) c = Colori::FacciaPulsante;
    coloreDellUnita(indice) = Colori::RossoChiaro;
    for (std::string* t : {&fraz1, &fraz2, &decimali, &cents, &micro}) *t = "-";
    for (ColoreVB* c : {&coloreFraz1, &coloreFraz2, &coloreDecimali, &coloreCents, &coloreMicro})
        *c = Colori::Bianco;
    switch (indice) {
        case Frazione: coloreFraz1 = Colori::RossoChiaro; break;
        case Decimali: coloreDecimali = Colori::RossoChiaro; break;
        case Cents: coloreCents = Colori::RossoChiaro; break;
        default: coloreMicro = Colori::RossoChiaro; break;
    }
}

void Convertitore::cifra(int d) {
    mostra(Istruzione::Conferma);
    // A number that begins with 0 goes on only with the comma.
    if (ultimaCifra_ == 0 && numeroCifre_ == 1) return;
    ultimaCifra_ = d;
    buffer_ += static_cast<char>('0' + d);
    conCifra_ = true;
    ricevente() = buffer_;
    ++numeroCifre_;
}

void Convertitore::virgola() {
    if (conVirgola_ || numeroCifre_ == 0) return;
    conVirgola_ = true;
    buffer_ += ',';
    ricevente() = buffer_;
    // So that zeros after "0," are taken.
    ultimaCifra_ = -1;
}

void Convertitore::cancella() {
    buffer_.clear();
    (parte_ == 1 ? fraz1 : fraz2) = "-";
    decimali = cents = micro = "-";
    conVirgola_ = false;
    conCifra_ = false;
    ultimaCifra_ = -1;
    numeroCifre_ = 0;
}

void Convertitore::scriviRapporto(double r) { decimali = FormaGenerale(r); }

void Convertitore::risultatiDalRapporto(double r) {
    const double c = (std::log(r) / std::log(10.0)) * CentsPerLog10;
    cents = Fisso(c);
    micro = Fisso(c * vk::Micro::PerCent);
}

void Convertitore::conferma(int indice) {
    if (!conCifra_ || indice != unita_) return;
    switch (unita_) {
        case Frazione: confermaFrazione(); break;
        case Decimali: confermaDecimali(); break;
        case Cents: confermaCents(); break;
        default: confermaMicro(); break;
    }
    chiusura();
}

void Convertitore::confermaFrazione() {
    if (parte_ == 1) {
        if (ValoreDigitato(fraz1) == 0) {
            cancella();
            mostra(Istruzione::NumeratoreZero);
        } else {
            parte_ = 2;
            coloreFraz2 = Colori::RossoChiaro;
            mostra(Istruzione::Denominatore);
        }
        return;
    }
    const double a = ValoreDigitato(fraz1);
    const double b = ValoreDigitato(fraz2);
    if (b == 0) {
        cancella();
        mostra(Istruzione::DivisoZero);
        return;
    }
    const double r = modoRadice() ? std::pow(2.0, b / a) : a / b;
    // Only a finite, positive ratio has a size.
    if (!std::isfinite(r)) {
        decimali = cents = micro = "-";
        mostra(Istruzione::TroppoAlto);
    } else if (r <= 0) {
        decimali = cents = micro = "-";
        mostra(Istruzione::Zero);
    } else {
        scriviRapporto(r);
        risultatiDalRapporto(r);
    }
    coloreDellUnita(Frazione) = Colori::FacciaPulsante;
    parte_ = 1;
}

void Convertitore::confermaDecimali() {
    const double d = ValoreDigitato(buffer_);
    if (d == 0) {
        decimali = "-";
        mostra(Istruzione::Zero);
    } else if (AlmenoIlLimite(buffer_, LimiteDecimali)) {
        decimali = "-";
        mostra(Istruzione::TroppoAlto);
    } else {
        risultatiDalRapporto(d);
    }
}

void Convertitore::confermaCents() {
    if (AlmenoIlLimite(buffer_, LimiteCents)) {
        cents = "-";
        mostra(Istruzione::TroppoAlto);
    } else {
        // The typed decimals themselves, not their double.
        cents = Fisso(ValoreFisso::daTesto(buffer_));
        micro = Fisso(MicroDaTestoCents(buffer_));
        scriviRapporto(std::pow(2.0, ValoreDigitato(buffer_) / 1200.0));
    }
}

void Convertitore::confermaMicro() {
    if (AlmenoIlLimite(buffer_, LimiteMicro)) {
        micro = "-";
        mostra(Istruzione::TroppoAlto);
    } else {
        const double c = ValoreDigitato(buffer_) / vk::Micro::PerCent;
        cents = Fisso(CentsDaTestoMicro(buffer_));
        scriviRapporto(std::pow(2.0, c / 1200.0));
    }
}

void Convertitore::chiusura() {
    if (parte_ == 1) {
        digitando_ = false;
        unita_ = 0;
    }
    conCifra_ = false;
    numeroCifre_ = 0;
    ultimaCifra_ = -1;
    buffer_.clear();
    conVirgola_ = false;
    for (int i = Decimali; i <= Micro; ++i) coloreDellUnita(i) = Colori::FacciaPulsante;
    coloreDellUnita(Frazione) = parte_ == 2 ? Colori::RossoChiaro : Colori::FacciaPulsante;
    coloreFraz1 = coloreDecimali = coloreCents = coloreMicro = Colori::Bianco;
    if (parte_ == 1) coloreFraz2 = Colori::Bianco;
    // A warning stays until the next key; anything else asks for a unit.
    switch (istruzione_) {
        case Istruzione::TroppoAlto:
        case Istruzione::Zero:
        case Istruzione::DivisoZero:
        case Istruzione::Denominatore:
        case Istruzione::NumeratoreZero: return;
        default: break;
    }
    mostra(Istruzione::NuovaUnita);
}

}  // namespace vk
