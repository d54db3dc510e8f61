// SPDX-License-Identifier: MIT
#include "fuzz/fuzz_target.h"

#include <cstdio>
#include <cstdlib>

namespace vestrel::fuzz {

namespace {

std::vector<Target>& registry()
{
    static std::vector<Target> targets;
    return targets;
}

void abortWith(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

FailureHandler handler = abortWith;

} // namespace

bool Register(const char* name, TargetFunction run)
{
    registry().push_back({name, run});
    return true;
}

const std::vector<Target>& Targets() { return registry(); }

TargetFunction Find(const std::string& name)
{
    for (const Target& t : registry())
        if (t.name == name)
            return t.run;
    return nullptr;
}

void Fail(const char* what) { handler(what); }

void SetFailureHandler(FailureHandler h) { handler = h ? h : abortWith; }

} // namespace vestrel::fuzz
