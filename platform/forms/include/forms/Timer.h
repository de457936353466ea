#pragma once
#include <cstdint>
#include <functional>

#include "forms/Component.h"

namespace forms {

class Form;

// Fires from the event loop Interval ms after it was enabled, and again every
// Interval while enabled; a handler that disables it makes it one-shot.
class Timer : public Component {
public:
    Timer(Form& form, std::string name);
    ~Timer() override;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);  // enabling (again) restarts the interval
    int64_t DueAt() const { return dueAt_; }
    Form& OwnerForm() const { return form_; }

    std::function<void(Timer& sender)> OnTimer;

    // Called by the application when due.
    void Fire();

private:
    Form& form_;
    int interval_ = 1000;
    bool enabled_ = false;
    int64_t dueAt_ = 0;
};

}  // namespace forms
