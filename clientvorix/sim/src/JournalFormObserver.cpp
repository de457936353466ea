#include "sim/JournalFormObserver.h"

#include "forms/Form.h"
#include "sim/HostCall.h"
#include "sim/State.h"

namespace sim {
namespace {

void FormLine(const char* event, forms::Form& f, const nlohmann::json& extra = nullptr) {
    nlohmann::json line = {{"t", "form"}, {"event", event}, {"name", J(f.Name())}};
    if (extra.is_object()) line.update(extra);
    State::Instance().GetJournal().Add(std::move(line));
}

}  // namespace

void JournalFormObserver::FormCreated(forms::Form& f) { FormLine("create", f); }
void JournalFormObserver::FormShown(forms::Form& f) { FormLine("show", f); }
void JournalFormObserver::FormClosed(forms::Form& f, int modalResult) {
    FormLine("close", f, {{"modal_result", modalResult}});
}
void JournalFormObserver::FormDestroyed(forms::Form& f) { FormLine("destroy", f); }

void JournalFormObserver::MessageBoxShown(const std::string& text, const std::string& caption,
                                          uint32_t flags, int answer) {
    State::Instance().GetJournal().Add(
        {{"t", "box"}, {"text", J(text)}, {"caption", J(caption)}, {"flags", flags}, {"answer", answer}});
}

}  // namespace sim
