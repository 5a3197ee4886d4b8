#pragma once
// Hold-to-repeat: a press starts the repetition, each tick repeats the step,
// the click at release (where the button has one) adds one more step, the
// release stops and runs the completion. The widget's timer calls tick();
// tests call it directly.
#include <functional>

namespace vk {

class RipetizioneAutomatica {
public:
    using Azione = std::function<void()>;

    // conClic false: the button has no click action, so clic() does nothing
    // and a press shorter than one tick changes nothing.
    RipetizioneAutomatica(Azione passo, Azione completamento, int intervalloMs, bool conClic = true);

    // Mouse-down: the repetition starts; nothing is stepped yet.
    void premi();
    // One timer tick: the step, only while a tick can be generated.
    // Returns whether the step ran.
    bool tick();
    // The click (mouse released over the button, or keyboard): one step,
    // whether or not the repetition runs.
    void clic();
    // Mouse-up: the repetition stops, then the completion runs, at every
    // release, also when no step was made.
    void rilascia();

    bool attivo() const { return attivo_; }
    bool conClic() const { return conClic_; }
    // Setting the interval neither starts nor stops the repetition.
    int intervallo() const { return intervalloMs_; }
    void impostaIntervallo(int ms) { intervalloMs_ = ms; }
    // Whether a timer should be running now: an interval below 1 ms never ticks.
    bool generaTick() const { return attivo_ && intervalloMs_ >= 1; }

private:
    Azione passo_;
    Azione completamento_;
    int intervalloMs_;
    bool conClic_;
    bool attivo_ = false;
};

}  // namespace vk
