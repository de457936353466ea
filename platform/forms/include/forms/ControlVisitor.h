#pragma once
// What a backend does with each kind of control: a control hands itself to
// the visitor as its own kind (Control::Accept), so drawing code never asks a
// control what it is, and a new kind is added here and in its own class.
namespace forms {

class Control;
class Edit;
class GlyphButton;
class Image;
class Label;
class Memo;
class Panel;

class ControlVisitor {
public:
    virtual ~ControlVisitor() = default;
    // A control of no kind below: nothing to draw.
    virtual void Visit(const Control&) {}
    virtual void Visit(const Label&) {}
    virtual void Visit(const Edit&) {}  // and masked edits
    virtual void Visit(const GlyphButton&) {}
    virtual void Visit(const Panel&) {}
    virtual void Visit(const Memo&) {}
    virtual void Visit(const Image&) {}
};

// The kind alone, for a layout rule that only asks whether a control is a
// label or a button; what draws a kind visits it.
enum class ControlKind { Other, Label, Edit, Button, Panel, Memo, Image };
ControlKind KindOf(const Control& c);

}  // namespace forms
