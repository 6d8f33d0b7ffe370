#include "application/shell/splash.h"

#include "application/host.h"
#include "application/shell/version.h"
#include "model/program_state.h"

namespace quorvel {

Splash::Splash(Host& host, ProgramState& session) : host_(host), session_(session) {}

void Splash::create(const std::function<void()>& startupRoutine) {
    session_.loadBusy = true;
    animationTimer_ = true;
    if (startupRoutine) startupRoutine();
}

void Splash::load() {
    visible_ = true;
    active_ = true;
    version_ = splashVersionText();
    handOverTimer_ = true;
    changed();
}

void Splash::animationTick() {
    if (!animationTimer_) return;
    labels_[step_] = true;
    ++step_;
    if (step_ == kAnimatedLabels) {
        labels_.fill(false);
        step_ = 0;
    }
    changed();
}

void Splash::handOverDue() {
    if (!handOverTimer_) return;
    host_.processEvents();
    handOverTimer_ = false;
    animationTimer_ = false;
    if (handOver_) handOver_();
    unload();
    session_.loadBusy = false;
    if (onGone_) onGone_();
}

void Splash::unload() {
    visible_ = false;
    host_.setDrawingSuspended(false);
    changed();
}

void Splash::changed() {
    if (onChanged_) onChanged_();
}

}  // namespace quorvel
