#include "common/FileTesto.h"

namespace vk {

bool FineRigaSoloCR(std::string_view byte) {
    return byte.find('\r') != std::string_view::npos && byte.find('\n') == std::string_view::npos;
}

void LettoreVoci::vaiA(std::size_t pos) {
    pos_ = pos < byte_.size() ? pos : byte_.size();
    esaminati_ = pos_;
    primoNonTesto_ = VoceLetta::Nessuno;
    esito_ = EsitoLettura::Ok;
    traVirgolette_ = false;
    lette_.clear();
}

void LettoreVoci::saltaRiga() {
    const auto lf = byte_.find('\n', pos_);
    pos_ = lf == std::string::npos ? byte_.size() : lf + 1;
}

void LettoreVoci::esamina() {
    if (primoNonTesto_ != VoceLetta::Nessuno) return;
    for (; esaminati_ < pos_; ++esaminati_)
        if (NonTesto(byte_[esaminati_])) {
            primoNonTesto_ = esaminati_;
            return;
        }
}

void LettoreVoci::registra(std::size_t inizio, std::size_t fineTesto, std::size_t chiusa) {
    VoceLetta v{inizio, fineTesto, chiusa, pos_};
    // The line past the item's text, without the line end the reading took.
    const std::size_t da = v.traVirgolette() ? chiusa + 1 : inizio;
    std::size_t a = pos_;
    if (a > da && byte_[a - 1] == '\n') --a;
    if (a > da && byte_[a - 1] == '\r') --a;
    const std::string_view riga = std::string_view(byte_).substr(da, a - da);
    const auto dove = [&](std::size_t i) { return i == std::string_view::npos ? VoceLetta::Nessuno : da + i; };
    if (!v.traVirgolette()) v.virgolette = dove(riga.find('"'));
    v.crSolo = dove(riga.find('\r'));
    if (v.traVirgolette())
        for (std::size_t i = 0; i < riga.size(); ++i)
            if (!Spazio(riga[i]) && riga[i] != '\r') {
                v.dopo = da + i;
                break;
            }
    lette_.push_back(v);
    esamina();
}

std::optional<std::string> LettoreVoci::leggi() {
    traVirgolette_ = false;
    while (pos_ < byte_.size() && Spazio(byte_[pos_])) ++pos_;
    if (pos_ >= byte_.size()) {
        esito_ = EsitoLettura::FineFile;
        esamina();
        return std::nullopt;
    }
    const std::size_t inizio = pos_;
    const std::string_view b = byte_;
    if (b[pos_] == '"') {
        const auto chiusa = b.find('"', pos_ + 1);
        if (chiusa == std::string::npos) {
            pos_ = b.size();
            esito_ = EsitoLettura::VirgoletteNonChiuse;
            esamina();
            return std::nullopt;
        }
        std::string voce = Utf8DaWindows1252(b.substr(pos_ + 1, chiusa - pos_ - 1));
        pos_ = chiusa + 1;
        saltaRiga();
        traVirgolette_ = true;
        esito_ = EsitoLettura::Ok;
        registra(inizio, chiusa, chiusa);
        return voce;
    }
    const auto lf = b.find('\n', pos_);
    std::size_t fineVoce = lf == std::string::npos ? b.size() : lf;
    if (fineVoce > pos_ && b[fineVoce - 1] == '\r') --fineVoce;
    while (fineVoce > pos_ && Spazio(b[fineVoce - 1])) --fineVoce;
    std::string voce = Utf8DaWindows1252(b.substr(pos_, fineVoce - pos_));
    saltaRiga();
    esito_ = EsitoLettura::Ok;
    registra(inizio, fineVoce, VoceLetta::Nessuno);
    return voce;
}

void ScrittoreVoci::testo(std::string_view utf8) {
    testo_ += '"';
    testo_ += utf8;
    testo_ += "\"\r\n";
}

void ScrittoreVoci::numero(std::string_view scritto) {
    testo_ += scritto;
    testo_ += "\r\n";
}

void ScrittoreVoci::numero(int64_t n) { numero(std::to_string(n)); }

}  // namespace vk
