#include "common/Datas.h"

#include <charconv>
#include <chrono>
#include <ctime>

#include "common/Conversoes.h"
#include "host/HostCalls.h"
#include "port/Os.h"

namespace zv {

namespace {

constexpr size_t DIGITOS_DATA_EMISSAO = 6;

// A part of a date: `minimo` to `maximo` digits and nothing else.
bool LeParte(std::string_view texto, size_t minimo, size_t maximo, int& valor) {
    if (texto.size() < minimo || texto.size() > maximo) return false;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return erro == std::errc() && fim == texto.data() + texto.size();
}

// There is no year 0 on a till's calendar (nor in the platform's conversion).
bool DataValida(const Data& d) {
    using namespace std::chrono;
    if (d.ano < 1) return false;
    return year_month_day{year{d.ano}, month{static_cast<unsigned>(d.mes)}, day{static_cast<unsigned>(d.dia)}}
        .ok();
}

}  // namespace

Data Hoje() {
    const std::tm local = port::LocalTime(std::time(nullptr));
    return Data{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool LeDataDiaMesAno(std::string_view texto, Data& data) {
    const std::string t = Trim(texto);
    const size_t barra1 = t.find('/');
    const size_t barra2 = barra1 == std::string::npos ? barra1 : t.find('/', barra1 + 1);
    if (barra2 == std::string::npos) return false;
    const std::string_view s(t);
    Data lida;
    if (!LeParte(s.substr(0, barra1), 1, 2, lida.dia) ||
        !LeParte(s.substr(barra1 + 1, barra2 - barra1 - 1), 1, 2, lida.mes) ||
        !LeParte(s.substr(barra2 + 1), 4, 4, lida.ano) || !DataValida(lida)) {
        return false;
    }
    data = lida;
    return true;
}

bool DataEmissaoCartaoValida(const std::string& mesAno) { return DataEmissaoCartaoValida(mesAno, Hoje()); }

bool DataEmissaoCartaoValida(const std::string& mesAno, const Data& hoje) {
    if (Trim(host::RemoveFormato(mesAno)).size() < DIGITOS_DATA_EMISSAO) return false;
    // Month and year in the box's order, whatever the system's short date format.
    Data primeiro;
    if (!LeDataDiaMesAno("01/" + mesAno, primeiro)) return false;
    // A card cannot have been issued after today; the first of this month is fine.
    return primeiro <= hoje;
}

}  // namespace zv
