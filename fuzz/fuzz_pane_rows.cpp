// libFuzzer entry for the pane_rows target; the checks live in FuzzChecks.cpp.
#include "fuzz/FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = fuzzchecks::checkPaneInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "pane_rows: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
