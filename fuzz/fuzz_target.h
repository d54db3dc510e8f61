// SPDX-License-Identifier: MIT
// Fuzz targets: one check function per reader of outside data, run by
// libFuzzer (scripts/fuzz.sh) and, over the seed corpora and every input that
// ever crashed, by the ordinary test suite (tests/fuzz_replay).
//
// A new target is one file fuzz/<name>.cpp holding
//     VESTREL_FUZZ_TARGET(<name>) { ...; return 0; }
// and its seeds in fuzz/corpus/<name>/; the build, scripts/fuzz.sh and the
// replay test find it by that name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vestrel::fuzz {

using TargetFunction = int (*)(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string name;
    TargetFunction run;
};

bool Register(const char* name, TargetFunction run);
const std::vector<Target>& Targets();
TargetFunction Find(const std::string& name); // nullptr when unknown

// A property that a target checks does not hold. Under libFuzzer this prints
// `what` and aborts, so the input is kept as a crasher; in the replay test it
// is an ordinary test failure.
void Fail(const char* what);
using FailureHandler = void (*)(const char* what);
void SetFailureHandler(FailureHandler handler);

inline void Check(bool holds, const char* what)
{
    if (!holds)
        Fail(what);
}

} // namespace vestrel::fuzz

#define VESTREL_FUZZ_TARGET(name)                                                                   \
    static int vestrelFuzz_##name(const std::uint8_t* data, std::size_t size);                      \
    [[maybe_unused]] static const bool vestrelFuzzRegistered_##name =                                \
        ::vestrel::fuzz::Register(#name, vestrelFuzz_##name);                                       \
    static int vestrelFuzz_##name(const std::uint8_t* data, std::size_t size)
