#pragma once
// The withdrawal screen: the financial screen that decides, at every
// confirmation, whether the PIN is captured. Never shown by itself.
#include <string>

#include "withdrawal/FinanceiroTrnZentravela.h"

namespace zv {

class TFrmSaq_Fin : public TFrmFin_Trn {
public:
    explicit TFrmSaq_Fin(std::string name = "FrmSaq_Fin");

    // The PIN is captured when the host's "SENHASAQ:" says so; the PIN pad
    // library is then told, through field 10148, to collect it.
    void SetaCapturaSenha();

    bool PreparaConfirmacao() override;
};

}  // namespace zv

namespace zv::SaqueFinanceiroZentravela {
extern forms::Form* FrmSaq_Fin;

void Initialization();
void Finalization();
}  // namespace zv::SaqueFinanceiroZentravela
