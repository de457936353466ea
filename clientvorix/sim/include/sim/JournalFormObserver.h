#pragma once
// Journals what the operator was shown: forms created, shown, closed (with
// their modal result) and destroyed, and every message box with its answer.
#include "forms/FormObserver.h"

namespace sim {

class JournalFormObserver : public forms::FormObserver {
public:
    void FormCreated(forms::Form& f) override;
    void FormShown(forms::Form& f) override;
    void FormClosed(forms::Form& f, int modalResult) override;
    void FormDestroyed(forms::Form& f) override;
    void MessageBoxShown(const std::string& text, const std::string& caption, uint32_t flags,
                         int answer) override;
};

}  // namespace sim
