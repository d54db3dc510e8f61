// SPDX-License-Identifier: MIT
// libFuzzer's entry point for one target, named at compile time.
#include "fuzz/fuzz_target.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const vestrel::fuzz::TargetFunction target = [] {
        const auto found = vestrel::fuzz::Find(VESTREL_FUZZ_TARGET_NAME);
        if (!found) {
            std::fprintf(stderr, "no fuzz target %s\n", VESTREL_FUZZ_TARGET_NAME);
            std::abort();
        }
        return found;
    }();
    return target(data, size);
}
