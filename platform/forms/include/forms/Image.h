#pragma once
#include <string>

#include "forms/Control.h"

namespace forms {

// A picture; backends may draw it as a frame. Alignment to the client area is recorded.
class Image : public Control {
public:
    using Control::Control;
    void Accept(ControlVisitor& v) const override { v.Visit(*this); }
    const std::string& Picture() const { return picture_; }
    void SetPicture(std::string description) { picture_ = std::move(description); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool s) { stretch_ = s; }
    bool AlignClient() const { return alignClient_; }
    void SetAlignClient(bool a) { alignClient_ = a; }

private:
    std::string picture_;
    bool stretch_ = false;
    bool alignClient_ = false;
};

}  // namespace forms
