#include "screens/Aceita.h"

#include "host/Lumar.h"

namespace zv::aceita {

namespace {

char FiltroComum(char key) { return ValKeyBoard(&key); }

char FiltroNumerico(char key) {
    PermiteNumerico_BS_Enter(&key);
    return key;
}

}  // namespace

forms::Validator Digitos(char menor, char maior) {
    return {.kind = forms::Validator::Kind::Digits, .lowest = menor, .highest = maior, .filter = FiltroComum};
}

forms::Validator Valor() { return {.kind = forms::Validator::Kind::Amount, .filter = FiltroComum}; }

forms::Validator DigitosDoHost() { return {.kind = forms::Validator::Kind::Digits, .filter = FiltroNumerico}; }

}  // namespace zv::aceita
