#include "common/FileTesto.h"

namespace vk {

bool FineRigaSoloCR(std::string_view byte) {
    return byte.find('\r') != std::string_view::npos && byte.find('\n') == std::string_view::npos;
}

void LettoreVoci::saltaRiga() {
    const auto lf = testo_.find('\n', pos_);
    pos_ = lf == std::string::npos ? testo_.size() : lf + 1;
}

std::optional<std::string> LettoreVoci::leggi() {
    traVirgolette_ = false;
    while (pos_ < testo_.size() && Spazio(testo_[pos_])) ++pos_;
    if (pos_ >= testo_.size()) {
        esito_ = EsitoLettura::FineFile;
        return std::nullopt;
    }
    if (testo_[pos_] == '"') {
        const auto chiusa = testo_.find('"', pos_ + 1);
        if (chiusa == std::string::npos) {
            pos_ = testo_.size();
            esito_ = EsitoLettura::VirgoletteNonChiuse;
            return std::nullopt;
        }
        std::string voce = testo_.substr(pos_ + 1, chiusa - pos_ - 1);
        pos_ = chiusa + 1;
        saltaRiga();
        traVirgolette_ = true;
        esito_ = EsitoLettura::Ok;
        return voce;
    }
    const auto lf = testo_.find('\n', pos_);
    std::size_t fineVoce = lf == std::string::npos ? testo_.size() : lf;
    if (fineVoce > pos_ && testo_[fineVoce - 1] == '\r') --fineVoce;
    while (fineVoce > pos_ && Spazio(testo_[fineVoce - 1])) --fineVoce;
    std::string voce = testo_.substr(pos_, fineVoce - pos_);
    saltaRiga();
    esito_ = EsitoLettura::Ok;
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
