#pragma once
// What a capture box accepts of the keys typed, for its layout row: each rule
// passes the key through the host's key filter first, as the host expects to
// see every key typed into such a box.
#include "forms/Validator.h"

namespace zv::aceita {

// The digits from `menor` to `maior`, through the common filter.
forms::Validator Digitos(char menor = '0', char maior = '9');
// An amount: digits and one decimal separator, through the common filter.
forms::Validator Valor();
// Digits, through the host's own numeric filter.
forms::Validator DigitosDoHost();

}  // namespace zv::aceita
