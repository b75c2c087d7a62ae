// libFuzzer entry for one target, named when it is compiled (ZELVORIA_FUZZ_TARGET); the checks
// live in FuzzChecks.cpp.
#include "fuzz/FuzzChecks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const fuzzchecks::Target& thisTarget() {
    static const fuzzchecks::Target& target = [] () -> const fuzzchecks::Target& {
        const auto& all = fuzzchecks::targets();
        const auto found = std::find_if(all.begin(), all.end(), [](const fuzzchecks::Target& t) {
            return std::strcmp(t.name, ZELVORIA_FUZZ_TARGET) == 0;
        });
        if (found == all.end()) {
            std::fprintf(stderr, "no fuzz target is called %s\n", ZELVORIA_FUZZ_TARGET);
            std::abort();
        }
        return *found;
    }();
    return target;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = thisTarget().check(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s: %s\n", ZELVORIA_FUZZ_TARGET, failure.c_str());
        std::abort();
    }
    return 0;
}
