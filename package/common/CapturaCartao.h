#pragma once
// Card capture with the BIN query.
namespace forms {
class Label;
}

namespace zv {

// Reads a card on the PIN pad, runs the BIN query and lets the PIN pad library
// judge the card, reading again while it asks for that; progress goes to
// `rotulo`. True when a card was read and accepted. Fields 1009 "FF" and 1027
// (message 801) are left for the authorisation to overwrite.
bool CapturaCartao(forms::Label& rotulo);
// One BIN query and verdict for the card just read; `repetir` tells the
// caller to read a card again.
bool FazConsultaBinsConsulta(bool& repetir, forms::Label& rotulo);

}  // namespace zv
