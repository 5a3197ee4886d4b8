#include "utility/Convertitore.h"

#include <charconv>
#include <cmath>

#include "common/TestoDouble.h"
#include "common/Micro.h"
#include "common/ValoreFisso.h"

namespace vk {

namespace {

constexpr const char* TestoDigita = "Ora digita sul tastierino numerico il valore dell'unità da convertire";
constexpr const char* TestoConferma = "Quando hai digitato il numero clicca di nuovo sul pulsante";
constexpr const char* TestoNuovaUnita = "Clicca il pulsante della nuova unità che vuoi convertire";
constexpr const char* TroppoAlto = "Valore troppo alto!";
constexpr const char* Zero = "Non puoi impostare questo valore a zero!";
constexpr const char* DivisoZero = "Non puoi dividere per zero: cambia denominatore!";
constexpr const char* Denominatore = "Imposta nella frazione il valore del denominatore";
constexpr const char* NumeratoreZero = "Non puoi impostare il numeratore a zero!";

// Cents per unit of decimal logarithm, 1200 / log10 2 to 15 digits.
constexpr double CentsPerLog10 = 3986.31371386483;

std::string Fisso(double x) {
    auto v = ValoreFisso::daDouble(x);
    return v ? v->testo() : "-";
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

void Convertitore::cmdRadice_Click() {
    coloreRadice = coloreRadice == Colori::FacciaPulsante ? ArancioChiaro : Colori::FacciaPulsante;
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
    istruzione = TestoDigita;
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
    istruzione = TestoConferma;
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
        case Frazione:
            if (parte_ == 1) {
                if (ValoreDigitato(fraz1) == 0) {
                    cancella();
                    istruzione = NumeratoreZero;
                } else {
                    parte_ = 2;
                    coloreFraz2 = Colori::RossoChiaro;
                    istruzione = Denominatore;
                }
            } else {
                const double a = ValoreDigitato(fraz1);
                const double b = ValoreDigitato(fraz2);
                if (b == 0) {
                    cancella();
                    istruzione = DivisoZero;
                    break;
                }
                const double r = modoRadice() ? std::pow(2.0, b / a) : a / b;
                // Only a finite, positive ratio has a size.
                if (!std::isfinite(r)) {
                    decimali = cents = micro = "-";
                    istruzione = TroppoAlto;
                } else if (r <= 0) {
                    decimali = cents = micro = "-";
                    istruzione = Zero;
                } else {
                    scriviRapporto(r);
                    risultatiDalRapporto(r);
                }
                coloreDellUnita(Frazione) = Colori::FacciaPulsante;
                parte_ = 1;
            }
            break;
        case Decimali: {
            const double d = ValoreDigitato(buffer_);
            if (d == 0) {
                decimali = "-";
                istruzione = Zero;
            } else if (d >= 10000) {
                decimali = "-";
                istruzione = TroppoAlto;
            } else {
                risultatiDalRapporto(d);
            }
            break;
        }
        case Cents: {
            const double c = ValoreDigitato(buffer_);
            if (c >= 12001) {
                cents = "-";
                istruzione = TroppoAlto;
            } else {
                cents = Fisso(c);
                micro = Fisso(c * vk::Micro::PerCent);
                scriviRapporto(std::pow(2.0, c / 1200.0));
            }
            break;
        }
        default: {
            const double m = ValoreDigitato(buffer_);
            if (m >= 30000001) {
                micro = "-";
                istruzione = TroppoAlto;
            } else {
                const double c = m / vk::Micro::PerCent;
                cents = Fisso(c);
                scriviRapporto(std::pow(2.0, c / 1200.0));
            }
            break;
        }
    }
    chiusura();
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
    const std::string_view restano[] = {TroppoAlto, Zero, DivisoZero, Denominatore, NumeratoreZero};
    for (std::string_view r : restano)
        if (istruzione == r) return;
    istruzione = TestoNuovaUnita;
}

}  // namespace vk
