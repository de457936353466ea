#include "forms/HostLink.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "forms/Application.h"
#include "forms/SnapshotWriter.h"
#include "forms/backends/HeadlessBackend.h"
#include "forms/backends/ScreenBackend.h"
#include "port/Os.h"

namespace forms {

namespace {

// Tells the host program's observers what the package's forms do.
class LinkObserver : public FormObserver {
public:
    explicit LinkObserver(const ZvFormsLink& link) : link_(link) {}
    void FormCreated(Form& f) override { Event(ZV_FORM_CREATED, f, 0); }
    void FormShown(Form& f) override { Event(ZV_FORM_SHOWN, f, 0); }
    void FormClosed(Form& f, int modalResult) override { Event(ZV_FORM_CLOSED, f, modalResult); }
    void FormDestroyed(Form& f) override { Event(ZV_FORM_DESTROYED, f, 0); }
    void MessageBoxShown(const std::string& text, const std::string& caption, uint32_t flags,
                         int answer) override {
        if (link_.message_box) link_.message_box(link_.context, text.c_str(), caption.c_str(), flags, answer);
    }

private:
    void Event(ZvFormsEvent e, Form& f, int modalResult) {
        if (link_.form_event) link_.form_event(link_.context, e, f.Name().c_str(), modalResult);
    }
    const ZvFormsLink& link_;
};

// What this package attached, so detaching removes exactly that.
struct Attachment {
    ZvFormsLink* link = nullptr;
    std::unique_ptr<Backend> backend;
    std::unique_ptr<Backend> detached;  // kept after detaching: the host program reads its abort
    std::unique_ptr<LinkObserver> observer;
    std::unique_ptr<SnapshotWriter> snapshots;
    std::string snapshotFailure;  // kept after detaching: the host program reads it after Finalize
};

Attachment& Attached() {
    static Attachment attached;
    return attached;
}

// Whether this module carries a form model of its own, apart from the host
// program's (the package linked it in), rather than sharing the program's.
bool OwnFormModel() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

// Cut to the caller's buffer and terminated.
void CopyOut(const std::string& text, char* message, int32_t capacity) {
    if (!message || capacity <= 0) return;
    const size_t n = std::min(text.size(), static_cast<size_t>(capacity - 1));
    std::memcpy(message, text.data(), n);
    message[n] = '\0';
}

// The host program calls these two; it has its own C++ runtime, so nothing
// may go back out.
int32_t AbortState(void* packageContext, char* message, int32_t capacity) noexcept {
    const auto* backend = static_cast<const Backend*>(packageContext);
    if (!backend || !backend->Aborted()) return 0;
    try {
        CopyOut(backend->AbortMessage(), message, capacity);
    } catch (...) {
        CopyOut("", message, capacity);
    }
    return backend->AbortCode();
}

int32_t UnusedScriptLine(void* packageContext) noexcept {
    const auto* backend = static_cast<const Backend*>(packageContext);
    return backend ? backend->UnusedScriptLine() : 0;
}

int32_t SnapshotFailure(char* message, int32_t capacity) noexcept {
    try {
        const Attachment& a = Attached();
        const std::string failure = a.snapshots ? a.snapshots->Failure() : a.snapshotFailure;
        if (failure.empty()) return 0;
        CopyOut(failure, message, capacity);
    } catch (...) {
        CopyOut("", message, capacity);
    }
    return 1;
}

std::vector<ScriptAction> ScriptOf(const ZvFormsLink* link) {
    if (!link || !link->scriptPath) return {};
    return LoadOperatorScript(link->scriptPath);
}

// Without a link the package is on a till, whose client knows nothing of the
// form model: the operator sees the platform's screen.
std::unique_ptr<Backend> BackendFor(const ZvFormsLink* link) {
    if (link && link->ui == ZV_FORMS_UI_HEADLESS) return std::make_unique<HeadlessBackend>(ScriptOf(link));
    if (link && link->scriptPath) return MakeScreenBackend(ScriptOf(link));
    return MakeScreenBackend();
}

}  // namespace

void AttachToHostProgram() {
    Application& app = Application::Instance();
    Attachment& a = Attached();
    if (app.GetBackend() || !OwnFormModel()) return;
    const auto linkFunction = reinterpret_cast<ZvFormsLinkFunction>(port::ProgramSymbol(ZV_FORMS_LINK_EXPORT));
    a.link = linkFunction ? linkFunction() : nullptr;
    try {
        a.backend = BackendFor(a.link);
    } catch (const std::exception&) {
        return;  // a script the host program could read and we cannot: no operator, no screens
    }
    if (!a.backend) return;
    a.detached.reset();
    app.SetBackend(a.backend.get());
    if (!a.link) return;
    a.observer = std::make_unique<LinkObserver>(*a.link);
    app.AddObserver(a.observer.get());
    // The pictures are drawn where the forms are: in this copy of the form model.
    a.snapshotFailure.clear();
    if (a.link->snapshotDir) {
        try {
            a.snapshots = std::make_unique<SnapshotWriter>(a.link->snapshotDir);
            app.AddObserver(a.snapshots.get());
        } catch (const std::exception& e) {
            a.snapshotFailure = e.what();  // the host program tried the folder first; still, it is said
        }
    }
    a.link->packageContext = a.backend.get();
    a.link->abort_state = AbortState;
    a.link->snapshot_failure = SnapshotFailure;
    a.link->unused_script_line = UnusedScriptLine;
}

// The abort stays readable: the host program reads it after Finalize.
void DetachFromHostProgram() {
    Application& app = Application::Instance();
    Attachment& a = Attached();
    if (!a.backend) return;
    if (a.observer) app.RemoveObserver(a.observer.get());
    if (a.snapshots) {
        app.RemoveObserver(a.snapshots.get());
        a.snapshotFailure = a.snapshots->Failure();
    }
    a.snapshots.reset();
    if (app.GetBackend() == a.backend.get()) app.SetBackend(nullptr);
    a.observer.reset();
    a.detached = std::move(a.backend);
}

}  // namespace forms
