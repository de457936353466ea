#pragma once
// Writes a picture of every form as the operator sees it and of every message
// box as it is shown (over the form it covers) into a folder, numbered in the
// order they were shown: "001-FrmCred_Mnu.svg", "002-FrmVis_Crd.svg",
// "003-FrmVis_Crd-box.svg", "004-FrmVis_Crd.svg". A form is drawn when it
// first waits for the operator after it was shown (its activation has run by
// then: menus lay out their options there), or, when it never waits, as it
// stood when a form was shown over it or when it closed; and again when it
// waits after a message box or a form over it closed. Attach it to the
// application as an observer.
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
    void Draw(const Form& f);

    std::string folder_;
    int shown_ = 0;
    int written_ = 0;
    std::string failure_;
    // The form owed a picture: shown and not drawn yet, or come back to the
    // front. Followed only while it is certainly alive (on the modal stack).
    enum class Owed { Nothing, Shown, Back };
    const Form* owed_ = nullptr;
    Owed why_ = Owed::Nothing;
    void Owe(const Form* f, Owed why) {
        owed_ = f;
        why_ = f ? why : Owed::Nothing;
    }
};

}  // namespace forms
