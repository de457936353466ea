#include <stdexcept>

#include "ClientProgram.h"
#include "PackageScreens.h"
#include "forms/Application.h"
#include "forms/SnapshotWriter.h"
#include "forms/backends/ScreenBackend.h"
#include "forms/backends/TerminalBackend.h"

namespace clientvorix {

static_assert(forms::TerminalBackend::kNoTerminalExit == kExitNoOperator);

struct PackageScreens::Impl {
    std::unique_ptr<forms::Backend> backend;
    std::vector<forms::FormObserver*> observers;
    std::unique_ptr<forms::SnapshotWriter> snapshots;
};

PackageScreens::PackageScreens(const Options& o, std::vector<forms::ScriptAction> script)
    : impl_(std::make_unique<Impl>()) {
    if (o.ui == Ui::Windows) throw std::runtime_error("real windows are drawn by the Windows build only");
    // Before the terminal is taken: a folder that cannot be written is said plainly.
    if (o.snapshot) impl_->snapshots = std::make_unique<forms::SnapshotWriter>(*o.snapshot);
    if (RunsHeadless(o))
        impl_->backend = std::make_unique<forms::HeadlessBackend>(std::move(script));
    else if (o.script)
        impl_->backend = forms::MakeScreenBackend(std::move(script));
    else
        impl_->backend = forms::MakeScreenBackend();
    forms::Application::Instance().SetBackend(impl_->backend.get());
    if (impl_->snapshots) AddObserver(*impl_->snapshots);
}

PackageScreens::~PackageScreens() {
    forms::Application& app = forms::Application::Instance();
    for (forms::FormObserver* o : impl_->observers) app.RemoveObserver(o);
    app.SetBackend(nullptr);
}

void PackageScreens::AddObserver(forms::FormObserver& observer) {
    impl_->observers.push_back(&observer);
    forms::Application::Instance().AddObserver(&observer);
}

std::string PackageScreens::SnapshotFailure() const {
    return impl_->snapshots ? impl_->snapshots->Failure() : "";
}

bool PackageScreens::Aborted() const { return impl_->backend->Aborted(); }
int PackageScreens::AbortCode() const { return impl_->backend->AbortCode(); }
std::string PackageScreens::AbortMessage() const { return impl_->backend->AbortMessage(); }
int PackageScreens::UnusedScriptLine() const { return impl_->backend->UnusedScriptLine(); }

}  // namespace clientvorix
