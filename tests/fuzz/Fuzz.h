#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target defines; libFuzzer calls it, and so does the corpus replay of the test suite.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n);

// A broken promise of the code under test: stop where the fuzzer (or the replay) can see it.
#define FUZZ_VERIFICA(condizione)                                                                            \
    do {                                                                                                     \
        if (!(condizione)) {                                                                                 \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condizione);                            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
