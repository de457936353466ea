#include "forms/MessageBoxStyle.h"

#include <algorithm>

#include "forms/Types.h"

namespace forms {

namespace {

// The platform's bit fields of a box's flags.
constexpr uint32_t kButtonsMask = 0xF, kIconMask = 0xF0, kDefaultMask = 0xF00;
constexpr uint32_t kOkCancel = 0x1, kYesNoCancel = 0x3;
constexpr uint32_t kIconStop = 0x10, kIconQuestion = 0x20;
constexpr int kIdCancel = 2;

std::vector<BoxButton> ButtonsOf(uint32_t group) {
    using B = BoxButton;
    switch (group) {
        case kOkCancel: return {B::Ok, B::Cancel};
        case kYesNoCancel: return {B::Yes, B::No, B::Cancel};
        case MB_YESNO: return {B::Yes, B::No};
        default: return {B::Ok};
    }
}

BoxIcon IconOf(uint32_t icon) {
    switch (icon) {
        case kIconStop: return BoxIcon::Stop;
        case kIconQuestion: return BoxIcon::Question;
        case MB_ICONEXCLAMATION: return BoxIcon::Exclamation;
        case MB_ICONINFORMATION: return BoxIcon::Information;
        default: return BoxIcon::None;
    }
}

}  // namespace

MessageBoxStyle MessageBoxStyle::Decode(uint32_t flags) {
    MessageBoxStyle s;
    s.buttons = ButtonsOf(flags & kButtonsMask);
    s.icon = IconOf(flags & kIconMask);
    // A default beyond the last button falls on the last, as the platform's does.
    s.defaultButton = std::min<size_t>((flags & kDefaultMask) >> 8, s.buttons.size() - 1);
    // Esc answers the last button: Cancel where the box has it, else "Não" or its only "OK".
    s.escapeButton = s.buttons.size() - 1;
    return s;
}

size_t MessageBoxStyle::IndexOf(int answer) const {
    const auto at = std::find_if(buttons.begin(), buttons.end(), [&](BoxButton b) { return AnswerOf(b) == answer; });
    return static_cast<size_t>(at - buttons.begin());
}

int AnswerOf(BoxButton b) {
    switch (b) {
        case BoxButton::Cancel: return kIdCancel;
        case BoxButton::Yes: return IDYES;
        case BoxButton::No: return IDNO;
        case BoxButton::Ok: break;
    }
    return IDOK;
}

std::string CaptionOf(BoxButton b) {
    switch (b) {
        case BoxButton::Cancel: return "Cancelar";
        case BoxButton::Yes: return "Sim";
        case BoxButton::No: return "N\xE3o";
        case BoxButton::Ok: break;
    }
    return "OK";
}

}  // namespace forms
