#include "forms/backends/HeadlessBackend.h"

#include <algorithm>

#include "forms/Application.h"
#include "forms/backends/ScriptPlayer.h"

namespace forms {

HeadlessBackend::HeadlessBackend(std::vector<ScriptAction> script, int64_t operatorDelayMs)
    : player_(std::make_unique<ScriptPlayer>(std::move(script))) {
    player_->SetStep(operatorDelayMs);
}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::Append(std::vector<ScriptAction> more) { player_->Append(std::move(more)); }
bool HeadlessBackend::ScriptDone() const { return player_->Done(); }
size_t HeadlessBackend::ActionsLeft() const { return player_->Left(); }
bool HeadlessBackend::Aborted() const { return player_->Aborted(); }
int HeadlessBackend::AbortCode() const { return player_->AbortCode(); }
std::string HeadlessBackend::AbortMessage() const { return player_->AbortMessage(); }
int HeadlessBackend::UnusedScriptLine() const { return player_->NextLine(); }

// The operator is slower than the timers: whatever falls due before the next
// action's time fires first, one due time at a time, in order.
void HeadlessBackend::Idle(Application& app) {
    player_->ThrowIfAborted();
    const int64_t next = player_->DueAt(now_);
    const int64_t due = app.NextTimerDue();
    if (due >= 0 && due <= next) {
        now_ = std::max(now_, due);
        app.QueueDueTimers();
        return;
    }
    now_ = std::max(now_, next);
    player_->PerformNext(app, now_);
}

int HeadlessBackend::MessageBox(Application& app, const std::string& text, const std::string& caption,
                                uint32_t flags) {
    (void)app;
    (void)caption;
    player_->ThrowIfAborted();
    now_ = std::max(now_, player_->DueAt(now_));
    return player_->AnswerNext(text, flags, now_);
}

}  // namespace forms
