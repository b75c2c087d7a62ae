// libFuzzer entry for the sign_words target; the checks live in FuzzChecks.cpp.
#include "fuzz/FuzzChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = fuzzchecks::checkSignInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "sign_words: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
