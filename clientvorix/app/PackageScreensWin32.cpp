#include <stdexcept>

#include "PackageScreens.h"
#include "forms/Form.h"
#include "forms/HostLink.h"
#include "forms/SnapshotWriter.h"

namespace clientvorix {

namespace {

ZvFormsLink& Link() {
    static ZvFormsLink link{};
    return link;
}

}  // namespace

struct PackageScreens::Impl {
    std::string scriptPath;
    std::string snapshotDir;
    std::vector<forms::FormObserver*> observers;

    // The package's form reaches the observers as a form of the same name:
    // all they read of it. Called from inside the package, which has its own
    // C++ runtime: nothing may go back out.
    static void FormEvent(void* context, int32_t event, const char* formName, int32_t modalResult) noexcept {
        try {
            auto* self = static_cast<Impl*>(context);
            forms::Form proxy(formName ? formName : "");
            for (forms::FormObserver* o : self->observers) {
                switch (event) {
                    case ZV_FORM_CREATED: o->FormCreated(proxy); break;
                    case ZV_FORM_SHOWN: o->FormShown(proxy); break;
                    case ZV_FORM_CLOSED: o->FormClosed(proxy, modalResult); break;
                    case ZV_FORM_DESTROYED: o->FormDestroyed(proxy); break;
                    default: break;
                }
            }
        } catch (...) {
            // An observer that failed misses this event; the package goes on.
        }
    }
    static void MessageBoxShown(void* context, const char* text, const char* caption, uint32_t flags,
                                int32_t answer) noexcept {
        try {
            auto* self = static_cast<Impl*>(context);
            for (forms::FormObserver* o : self->observers) o->MessageBoxShown(text, caption, flags, answer);
        } catch (...) {
            // As above.
        }
    }
};

PackageScreens::PackageScreens(const Options& o, std::vector<forms::ScriptAction> script)
    : impl_(std::make_unique<Impl>()) {
    (void)script;  // the package reads the script itself, with its own copy of the form model
    if (o.ui == Ui::Terminal) throw std::runtime_error("the Windows build draws real windows: --ui windows");
    impl_->scriptPath = o.script ? *o.script : "";
    // The package draws the pictures; the folder is made and tried here, so a
    // bad one stops the run before anything is shown.
    if (o.snapshot) {
        const forms::SnapshotWriter check(*o.snapshot);
    }
    impl_->snapshotDir = o.snapshot ? *o.snapshot : "";
    ZvFormsLink& link = Link();
    link = ZvFormsLink{};
    link.ui = RunsHeadless(o) ? ZV_FORMS_UI_HEADLESS : ZV_FORMS_UI_WINDOWS;
    link.scriptPath = o.script ? impl_->scriptPath.c_str() : nullptr;
    link.snapshotDir = o.snapshot ? impl_->snapshotDir.c_str() : nullptr;
    link.context = impl_.get();
    link.form_event = Impl::FormEvent;
    link.message_box = Impl::MessageBoxShown;
}

PackageScreens::~PackageScreens() { Link() = ZvFormsLink{}; }

void PackageScreens::AddObserver(forms::FormObserver& observer) { impl_->observers.push_back(&observer); }

// The package draws the pictures and keeps their failure.
std::string PackageScreens::SnapshotFailure() const {
    const ZvFormsLink& link = Link();
    char message[2048] = {};
    return link.snapshot_failure && link.snapshot_failure(message, sizeof message) ? message : "";
}

bool PackageScreens::Aborted() const { return AbortCode() != 0; }

int PackageScreens::AbortCode() const {
    const ZvFormsLink& link = Link();
    return link.abort_state ? link.abort_state(link.packageContext, nullptr, 0) : 0;
}

std::string PackageScreens::AbortMessage() const {
    const ZvFormsLink& link = Link();
    char message[2048] = {};
    if (link.abort_state) link.abort_state(link.packageContext, message, sizeof message);
    return message;
}

int PackageScreens::UnusedScriptLine() const {
    const ZvFormsLink& link = Link();
    return link.unused_script_line ? link.unused_script_line(link.packageContext) : 0;
}

}  // namespace clientvorix

// Looked up by the package in the running program.
extern "C" __declspec(dllexport) ZvFormsLink* ZvHostFormsLink() { return &clientvorix::Link(); }
