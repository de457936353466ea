#include "forms/backends/HeadlessBackend.h"

#include <algorithm>

#include "forms/Application.h"
#include "forms/backends/ScriptPlayer.h"

namespace forms {

HeadlessBackend::HeadlessBackend(std::vector<ScriptAction> script, int64_t operatorDelayMs)
    : player_(std::make_unique<ScriptPlayer>(std::move(script))), delay_(operatorDelayMs) {}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::Append(std::vector<ScriptAction> more) { player_->Append(std::move(more)); }
bool HeadlessBackend::ScriptDone() const { return player_->Done(); }
size_t HeadlessBackend::ActionsLeft() const { return player_->Left(); }
bool HeadlessBackend::Aborted() const { return player_->Aborted(); }
int HeadlessBackend::AbortCode() const { return player_->AbortCode(); }
std::string HeadlessBackend::AbortMessage() const { return player_->AbortMessage(); }

void HeadlessBackend::TakeWaits() {
    if (nextActionAt_ < 0) nextActionAt_ = now_ + delay_;
    while (!player_->Done() && player_->Next().kind == ScriptAction::Kind::Wait)
        nextActionAt_ += player_->Take().ms;
}

// The operator is slower than the timers: whatever falls due before the next
// action's time fires first, one due time at a time, in order.
void HeadlessBackend::Idle(Application& app) {
    player_->ThrowIfAborted();
    TakeWaits();
    const int64_t due = app.NextTimerDue();
    if (due >= 0 && due <= nextActionAt_) {
        now_ = std::max(now_, due);
        app.QueueDueTimers();
        return;
    }
    if (player_->Done()) player_->RanOut(app);
    now_ = std::max(now_, nextActionAt_);
    const ScriptAction action = player_->Take();
    nextActionAt_ = now_ + delay_;
    player_->Perform(app, action);
}

int HeadlessBackend::MessageBox(Application& app, const std::string& text, const std::string& caption,
                                uint32_t flags) {
    (void)app;
    (void)caption;
    player_->ThrowIfAborted();
    TakeWaits();
    if (player_->Done()) player_->RanOutInBox(text);
    now_ = std::max(now_, nextActionAt_);
    const ScriptAction action = player_->Take();
    nextActionAt_ = now_ + delay_;
    return player_->Answer(action, text, flags);
}

}  // namespace forms
