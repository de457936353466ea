#include "forms/ControlVisitor.h"

#include "forms/Control.h"

namespace forms {

ControlKind KindOf(const Control& c) {
    struct Kinds final : ControlVisitor {
        ControlKind kind = ControlKind::Other;
        void Visit(const Label&) override { kind = ControlKind::Label; }
        void Visit(const Edit&) override { kind = ControlKind::Edit; }
        void Visit(const GlyphButton&) override { kind = ControlKind::Button; }
        void Visit(const Panel&) override { kind = ControlKind::Panel; }
        void Visit(const Memo&) override { kind = ControlKind::Memo; }
        void Visit(const Image&) override { kind = ControlKind::Image; }
    } kinds;
    c.Accept(kinds);
    return kinds.kind;
}

}  // namespace forms
