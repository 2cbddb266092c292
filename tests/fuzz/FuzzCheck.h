#pragma once

#include <cstdio>
#include <cstdlib>

#include <QString>

// A broken invariant ends the run the way a crash does, so that libFuzzer keeps the input and
// the replay test fails with the reason printed.
[[noreturn]] inline void FuzzFailure(const char* file, int line, const char* condition,
                                     const QString& detail) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
                 detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                          \
    do {                                                                       \
        if (!(condition)) FuzzFailure(__FILE__, __LINE__, #condition, detail); \
    } while (false)
