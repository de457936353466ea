#include "forms/Timer.h"

#include "forms/Application.h"

namespace forms {

Timer::Timer(Form& form, std::string name) : Component(std::move(name)), form_(form) {
    Application::Instance().RegisterTimer(this);
}

Timer::~Timer() { Application::Instance().UnregisterTimer(this); }

// Changing the interval of a running timer restarts it, as the platform does.
void Timer::SetInterval(int ms) {
    interval_ = ms;
    if (enabled_) dueAt_ = Application::Instance().Now() + interval_;
}

void Timer::SetEnabled(bool e) {
    enabled_ = e;
    if (enabled_) dueAt_ = Application::Instance().Now() + interval_;
}

void Timer::Fire() {
    if (!enabled_ || interval_ <= 0) return;
    // The next period starts now; a handler that re-enables the timer restarts it anyway.
    dueAt_ = Application::Instance().Now() + interval_;
    if (OnTimer) OnTimer(*this);
}

}  // namespace forms
