// libFuzzer entry for the preset_tables target; the checks live in FuzzChecks.cpp.
#include "fuzz/FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = fuzzchecks::checkPresetTablesInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "preset_tables: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
