#pragma once
// The folder-selection dialog of the attended installer, drawn by the form
// model: the operator types the folder (starting at the drive) and confirms.
#include <optional>
#include <string>

#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"

namespace instala {

class TFrmSelecionaPasta : public forms::Form {
public:
    TFrmSelecionaPasta(const std::string& titulo, const std::string& raiz);

    forms::Label* lbTitulo;
    forms::Edit* edPasta;
    forms::GlyphButton* btOK;
    forms::GlyphButton* btCancela;

    // The folder typed, without surrounding blanks; empty when cancelled.
    std::string Pasta() const;
};

// Shows the dialog modally; no folder when the operator cancels or leaves it empty.
std::optional<std::string> SelecionaPasta(const std::string& titulo, const std::string& raiz);

}  // namespace instala
