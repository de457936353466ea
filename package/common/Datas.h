#pragma once
// Dates the operator types into masked boxes, checked against today.
#include <compare>
#include <string>
#include <string_view>

namespace zv {

struct Data {
    int ano = 0;
    int mes = 0;
    int dia = 0;
    auto operator<=>(const Data&) const = default;
};

// Today on the machine's clock, in local time.
Data Hoje();

// "DD/MM/AAAA" read as day, month and year in that order, whatever the
// system's short date format: the boxes' masks show that order. Blanks around
// the text are allowed; false when it is no valid date.
bool LeDataDiaMesAno(std::string_view texto, Data& data);

// The card issue date as a masked box holds it ("MM/AAAA"): six digits, read
// as month and year whatever the system's short date format, the first of
// that month a valid date not after today.
bool DataEmissaoCartaoValida(const std::string& mesAno);
// The same against the given day, so a month's edges can be tried.
bool DataEmissaoCartaoValida(const std::string& mesAno, const Data& hoje);

}  // namespace zv
