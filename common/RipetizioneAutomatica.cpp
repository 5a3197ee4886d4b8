#include "common/RipetizioneAutomatica.h"

#include <utility>

namespace vk {

RipetizioneAutomatica::RipetizioneAutomatica(Azione passo, Azione completamento, int intervalloMs,
                                             bool conClic)
    : passo_(std::move(passo)),
      completamento_(std::move(completamento)),
      intervalloMs_(intervalloMs),
      conClic_(conClic) {}

void RipetizioneAutomatica::premi() { attivo_ = true; }

bool RipetizioneAutomatica::tick() {
    if (!generaTick()) return false;
    if (passo_) passo_();
    return true;
}

void RipetizioneAutomatica::clic() {
    if (conClic_ && passo_) passo_();
}

void RipetizioneAutomatica::rilascia() {
    // Stop first, so that the completion sees an idle button.
    attivo_ = false;
    if (completamento_) completamento_();
}

}  // namespace vk
