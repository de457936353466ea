#pragma once
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Backend.h"
#include "forms/Form.h"
#include "forms/FormObserver.h"
#include "forms/Types.h"

namespace forms {

// Raised by a backend when the operator's script has nothing left while a
// form or box waits, or an expectation failed. The event dispatch lets it
// through instead of handing it to the error handler.
class OperatorAbort : public std::exception {
public:
    OperatorAbort(int exitCode, std::string message) : code_(exitCode), message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    int ExitCode() const { return code_; }

private:
    int code_;
    std::string message_;
};

// One queued event.
struct Event {
    enum class Kind { Key, KeyDown, Click, Timer, Activate };
    Kind kind = Kind::Key;
    char key = 0;
    bool shift = false;          // Key: Tab with Shift moves back
    uint16_t virtualKey = 0;     // KeyDown
    Form* form = nullptr;        // Click/Activate target form
    std::string control;         // Click target (by name, resolved on the active form)
    Timer* timer = nullptr;
};

// The application object of the form library: one per process.
class Application {
public:
    static Application& Instance();

    void SetBackend(Backend* backend) { backend_ = backend; }
    Backend* GetBackend() const { return backend_; }
    void AddObserver(FormObserver* o);
    void RemoveObserver(FormObserver* o);

    // The application's window handle; the package swaps it for the host's.
    WindowHandle Handle() const { return handle_; }
    void SetHandle(WindowHandle h) { handle_ = h; }

    int64_t Now() const;
    // Full path of the running program (the folder the client's files live in).
    std::string ExeName() const;

    // Creates a form: constructs it, then runs its OnCreate (escaping errors go
    // to the error handler) and tells the observers.
    template <class T, class... Args>
    T* Create(Args&&... args) {
        auto* f = new T(std::forward<Args>(args)...);
        Created(*f);
        return f;
    }
    // Runs OnDestroy, tells the observers, deletes the form.
    void Destroy(Form* f);

    // Shows a modal message box over the active form.
    int MessageBox(const std::string& text, const std::string& caption, uint32_t flags);

    // Dispatches everything waiting (due timers included), then returns.
    void ProcessMessages();
    // Waits for and dispatches one event (the modal loop's step).
    void HandleMessage();

    // Error handler every dispatch hands escaping exceptions to. The message is
    // what() of a std::exception, "Unknown error" otherwise.
    using ErrorHandler = std::function<void(std::exception_ptr error, const std::string& message)>;
    void SetOnException(ErrorHandler h) { onException_ = std::move(h); }
    const ErrorHandler& OnException() const { return onException_; }
    void HandleException(std::exception_ptr e);
    // Runs f, routing what escapes to the error handler (OperatorAbort passes through).
    void Guarded(const std::function<void()>& f);

    // The form that receives input: the top of the modal stack.
    Form* ActiveForm() const { return modal_.empty() ? nullptr : modal_.back(); }
    const std::vector<Form*>& ModalStack() const { return modal_; }

    // The event queue.
    void PostKey(char key, bool shift = false);
    // A key that moves rather than types (VK_UP, VK_NEXT, ...).
    void PostKeyDown(uint16_t virtualKey);
    void PostClick(const std::string& controlName);
    void PostActivate(Form& f);
    // Drops every queued key event (typed or moving) without dispatching it.
    void EmptyKeyQueue();
    const std::deque<Event>& Queue() const { return queue_; }
    bool QueueEmpty() const { return queue_.empty(); }

    // Timers.
    void RegisterTimer(Timer* t);
    void UnregisterTimer(Timer* t);
    // The earliest due time of an enabled timer, or -1.
    int64_t NextTimerDue() const;
    // Queues the timers due by Now(); returns whether any was queued.
    bool QueueDueTimers();

    // Observers' notifications (used by Form).
    void NotifyShown(Form& f);
    void NotifyClosed(Form& f, int modalResult);

    // Modal stack (used by Form::ShowModal).
    void PushModal(Form& f);
    void PopModal(Form& f);

    // For tests: forget forms, queue, timers, handlers.
    void Reset();

    // A new window's handle (used by Form::Handle).
    WindowHandle NewWindowHandle() { return nextWindow_++; }
    // A form is being deleted: nothing queued or stacked may point at it.
    void FormGone(Form& f);

private:
    Application() = default;
    void Created(Form& f);
    void Dispatch(const Event& e);

    Backend* backend_ = nullptr;
    std::vector<FormObserver*> observers_;
    WindowHandle handle_ = 1;
    ErrorHandler onException_;
    std::vector<Form*> modal_;
    std::deque<Event> queue_;
    std::vector<Timer*> timers_;
    WindowHandle nextWindow_ = 0x100;
};

}  // namespace forms
