#pragma once
#include <cstdint>
#include <string>

namespace forms {

class Form;

// Whoever wants to know what the operator was shown (the stand-in client's journal).
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void FormCreated(Form& f) { (void)f; }
    virtual void FormShown(Form& f) { (void)f; }
    virtual void FormClosed(Form& f, int modalResult) { (void)f; (void)modalResult; }
    virtual void FormDestroyed(Form& f) { (void)f; }
    // The loop found nothing to do: the active form waits for the operator.
    virtual void FormWaiting(Form& f) { (void)f; }
    // A message box is about to wait for the operator; MessageBoxShown follows with the answer.
    virtual void MessageBoxShowing(const std::string& text, const std::string& caption, uint32_t flags) {
        (void)text; (void)caption; (void)flags;
    }
    virtual void MessageBoxShown(const std::string& text, const std::string& caption, uint32_t flags,
                                 int answer) {
        (void)text; (void)caption; (void)flags; (void)answer;
    }
};

}  // namespace forms
