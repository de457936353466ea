#include "forms/Application.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <stdexcept>

#include "port/Os.h"

namespace forms {

Application& Application::Instance() {
    static Application app;
    return app;
}

void Application::AddObserver(FormObserver* o) {
    if (o && std::find(observers_.begin(), observers_.end(), o) == observers_.end()) observers_.push_back(o);
}

void Application::RemoveObserver(FormObserver* o) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

int64_t Application::Now() const {
    if (backend_) return backend_->Now();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string Application::ExeName() const {
    return port::ProgramPath();
}

void Application::Created(Form& f) {
    Guarded([&f] {
        if (f.OnCreate) f.OnCreate(f);
    });
    for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->FormCreated(f);
}

void Application::Destroy(Form* f) {
    if (!f) return;
    Guarded([f] {
        if (f->OnDestroy) f->OnDestroy(*f);
    });
    for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->FormDestroyed(*f);
    delete f;
}

// Without a backend nobody can answer: the platform's failure answer (0).
int Application::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
    for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->MessageBoxShowing(text, caption, flags);
    const int answer = backend_ ? backend_->MessageBox(*this, text, caption, flags) : 0;
    for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->MessageBoxShown(text, caption, flags, answer);
    return answer;
}

// Only what is due when the call starts runs: a repeating timer cannot keep
// the caller here forever.
void Application::ProcessMessages() {
    QueueDueTimers();
    while (!queue_.empty()) {
        const Event e = queue_.front();
        queue_.pop_front();
        Dispatch(e);
    }
    if (backend_) backend_->Repaint(*this);
}

void Application::HandleMessage() {
    if (queue_.empty()) QueueDueTimers();
    if (queue_.empty()) {
        if (!backend_) throw std::logic_error("no backend delivers input: the modal loop would wait forever");
        if (Form* f = ActiveForm())
            for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->FormWaiting(*f);
        backend_->Idle(*this);
        return;
    }
    const Event e = queue_.front();
    queue_.pop_front();
    Dispatch(e);
}

void Application::HandleException(std::exception_ptr e) {
    std::string message = "Unknown error";
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& ex) {
        message = ex.what();
    } catch (...) {
    }
    if (!onException_) return;
    try {
        onException_(e, message);
    } catch (const OperatorAbort&) {
        throw;
    } catch (...) {
        // A failing error handler has nowhere left to report to.
    }
}

void Application::Guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (const OperatorAbort&) {
        throw;
    } catch (...) {
        HandleException(std::current_exception());
    }
}

void Application::Dispatch(const Event& e) {
    Guarded([&] {
        switch (e.kind) {
            case Event::Kind::Key:
                if (Form* f = ActiveForm()) f->DispatchKey(e.key, e.shift);
                break;
            case Event::Kind::KeyDown:
                if (Form* f = ActiveForm()) f->DispatchKeyDown(e.virtualKey);
                break;
            case Event::Kind::Click:
                if (Form* f = ActiveForm())
                    if (Control* c = f->FindControl(e.control)) f->DispatchClick(*c);
                break;
            case Event::Kind::Timer:
                if (e.timer && std::find(timers_.begin(), timers_.end(), e.timer) != timers_.end()) e.timer->Fire();
                break;
            case Event::Kind::Activate:
                if (e.form) e.form->Activate();
                break;
        }
    });
}

void Application::PostKey(char key, bool shift) {
    Event e;
    e.kind = Event::Kind::Key;
    e.key = key;
    e.shift = shift;
    queue_.push_back(e);
}

void Application::PostKeyDown(uint16_t virtualKey) {
    Event e;
    e.kind = Event::Kind::KeyDown;
    e.virtualKey = virtualKey;
    queue_.push_back(e);
}

void Application::PostClick(const std::string& controlName) {
    Event e;
    e.kind = Event::Kind::Click;
    e.form = ActiveForm();
    e.control = controlName;
    queue_.push_back(e);
}

void Application::PostActivate(Form& f) {
    Event e;
    e.kind = Event::Kind::Activate;
    e.form = &f;
    queue_.push_back(e);
}

void Application::EmptyKeyQueue() {
    std::erase_if(queue_, [](const Event& e) { return e.kind == Event::Kind::Key || e.kind == Event::Kind::KeyDown; });
    if (backend_) backend_->FlushInput(*this);
}

void Application::RegisterTimer(Timer* t) {
    if (t && std::find(timers_.begin(), timers_.end(), t) == timers_.end()) timers_.push_back(t);
}

void Application::UnregisterTimer(Timer* t) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end());
    std::erase_if(queue_, [t](const Event& e) { return e.kind == Event::Kind::Timer && e.timer == t; });
}

int64_t Application::NextTimerDue() const {
    int64_t due = -1;
    for (const Timer* t : timers_)
        if (t->Enabled() && t->Interval() > 0 && (due < 0 || t->DueAt() < due)) due = t->DueAt();
    return due;
}

// A timer has at most one event waiting, as the platform merges its timer messages.
bool Application::QueueDueTimers() {
    const int64_t now = Now();
    bool queued = false;
    for (Timer* t : timers_) {
        if (!t->Enabled() || t->Interval() <= 0 || t->DueAt() > now) continue;
        const bool waiting = std::any_of(queue_.begin(), queue_.end(), [t](const Event& e) {
            return e.kind == Event::Kind::Timer && e.timer == t;
        });
        if (waiting) continue;
        Event e;
        e.kind = Event::Kind::Timer;
        e.timer = t;
        queue_.push_back(e);
        queued = true;
    }
    return queued;
}

void Application::NotifyShown(Form& f) {
    for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->FormShown(f);
}

void Application::NotifyClosed(Form& f, int modalResult) {
    for (FormObserver* o : std::vector<FormObserver*>(observers_)) o->FormClosed(f, modalResult);
}

void Application::PushModal(Form& f) { modal_.push_back(&f); }

void Application::PopModal(Form& f) {
    auto it = std::find(modal_.rbegin(), modal_.rend(), &f);
    if (it != modal_.rend()) modal_.erase(std::next(it).base());
}

void Application::FormGone(Form& f) {
    modal_.erase(std::remove(modal_.begin(), modal_.end(), &f), modal_.end());
    std::erase_if(queue_, [&f](const Event& e) { return e.form == &f; });
}

void Application::Reset() {
    observers_.clear();
    handle_ = 1;
    onException_ = nullptr;
    modal_.clear();
    queue_.clear();
    timers_.clear();
}

}  // namespace forms
