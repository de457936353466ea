#pragma once
// A check a fuzz target makes on what must hold: a broken one stops the run
// as a finding, with the input that broke it kept as the reproducer.
#include <cstdio>
#include <cstdlib>

#define ZV_FUZZ_CHECK(cond)                                                                \
    do {                                                                                   \
        if (!(cond)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)
