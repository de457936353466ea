#pragma once
// The stand-in client every package test sets up and reads back: its field
// store, journal and answers.
#include "sim/State.h"

inline sim::State& Cliente() { return sim::State::Instance(); }
