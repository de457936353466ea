#pragma once
// Writes a picture of every form as it is shown, and again when it waits for
// the operator after a message box or a form over it closed, and of every
// message box as it is shown (over the form it covers), into a folder,
// numbered in the order they were shown: "001-FrmCred_Mnu.svg",
// "002-FrmVis_Crd.svg", "003-FrmVis_Crd-box.svg", "004-FrmVis_Crd.svg".
// Attach it to the application as an observer.
#include <stdexcept>
#include <string>

#include "forms/FormObserver.h"

namespace forms {

class SnapshotWriter : public FormObserver {
public:
    // Makes the folder when it is missing; throws std::runtime_error when it
    // cannot be made or written, before anything is shown.
    explicit SnapshotWriter(std::string folder);

    void FormShown(Form& f) override;
    void FormClosed(Form& f, int modalResult) override;
    void FormWaiting(Form& f) override;
    void MessageBoxShowing(const std::string& text, const std::string& caption, uint32_t flags) override;
    void MessageBoxShown(const std::string& text, const std::string& caption, uint32_t flags, int answer) override;

    int Written() const { return written_; }
    // The first picture that could not be written ("" when none): a failure
    // here must not stop the operator, so it is kept for the end of the run.
    const std::string& Failure() const { return failure_; }

private:
    void Write(const std::string& name, const std::string& svg);

    std::string folder_;
    int shown_ = 0;
    int written_ = 0;
    std::string failure_;
    // The form that comes back to the front: drawn when it next waits. Only
    // compared with the waiting form, never followed (it may be gone).
    const Form* comesBack_ = nullptr;
};

}  // namespace forms
