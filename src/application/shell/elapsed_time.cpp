#include "application/shell/elapsed_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "application/host.h"
#include "model/program_state.h"

namespace quorvel {

namespace {
constexpr double kMsPerDay = 1000.0 * 60 * 60 * 24;
}

ElapsedTime::ElapsedTime(ProgramState& session, Host& host) : session_(session), host_(host) {}

void ElapsedTime::restart() {
    session_.timerStart = static_cast<double>(host_.tickMs());
    session_.elapsedShown = 0;
    session_.bankedElapsed = 0;
    running_ = true;
}

void ElapsedTime::tick() {
    double sinceStart = static_cast<double>(host_.tickMs()) - session_.timerStart;
    session_.elapsedShown = sinceStart / kMsPerDay + session_.bankedElapsed;
    if (session_.createMode) elapsedAtCompose = session_.elapsedShown;
    label_ = formatElapsed(session_.elapsedShown);
}

bool ElapsedTime::bankOnMinimise() {
    if (!running_) return false;
    session_.bankedElapsed = session_.elapsedShown;
    running_ = false;
    return true;
}

bool ElapsedTime::resumeOnRestore() {
    if (session_.bankedElapsed <= 0) return false;
    session_.elapsedShown = session_.bankedElapsed;
    if (session_.createMode) elapsedAtCompose = session_.bankedElapsed;
    running_ = true;
    session_.timerStart = static_cast<double>(host_.tickMs());
    return true;
}

void ElapsedTime::activate() {
    if (session_.elapsedShown > 0) running_ = true;
    session_.elapsedShown = session_.bankedElapsed;
    if (session_.timerStart == 0) session_.timerStart = static_cast<double>(host_.tickMs());
}

std::string formatElapsed(double days) {
    long long seconds = std::llround(std::max(0.0, days) * 86400.0);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

}  // namespace quorvel
