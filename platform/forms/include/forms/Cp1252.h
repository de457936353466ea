#pragma once
// The converter lives in platform/cp1252; until its includers name it there.
#include "cp1252/Cp1252.h"

namespace forms {
using namespace cp1252;
}  // namespace forms
