#pragma once
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken rule of a reader stops the run like a crash, so that the fuzzer keeps the input
// and the replay test fails on it.
[[noreturn]] inline void fuzzFail(const char* rule, const QString& detail = QString())
{
    std::fprintf(stderr, "broken rule: %s\n%s\n", rule, detail.toLocal8Bit().constData());
    std::abort();
}

#define FUZZ_CHECK(condition, detail)          \
    do {                                       \
        if (!(condition))                      \
            fuzzFail(#condition, (detail));    \
    } while (false)
