// A check that survives release builds and stops the fuzzer with a crash it reports and saves.
#pragma once

#include <cstdio>
#include <cstdlib>

#define ROLVA_FUZZ_CHECK(condition)                                                      \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)
