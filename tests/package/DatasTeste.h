#pragma once
// Dates relative to today, as the operator types them into the date boxes.
#include <cstdio>
#include <ctime>
#include <string>

#include "port/Os.h"

namespace zvtest {

// MMYYYY, `meses` months from now.
inline std::string MesAno(int meses) {
    const std::tm t = port::LocalTime(std::time(nullptr));
    const int total = t.tm_mon + meses;
    char texto[8];
    std::snprintf(texto, sizeof texto, "%02d%04d", total % 12 + 1, t.tm_year + 1900 + total / 12);
    return texto;
}

// DDMMYYYY, `dias` days from today.
inline std::string DiaMesAno(int dias) {
    std::tm t = port::LocalTime(std::time(nullptr));
    t.tm_mday += dias;
    t.tm_hour = 12;  // clear of any daylight-saving edge
    std::mktime(&t);
    char texto[40];
    std::snprintf(texto, sizeof texto, "%02d%02d%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return texto;
}

}  // namespace zvtest
