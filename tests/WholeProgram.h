#pragma once
// The whole program as main() assembles it, fresh for each test: messages and the end of the
// program recorded as for a single screen, every other service the real one unless given.

#include "Program.h"
#include "ScreenTestSupport.h"

inline void freshWholeProgram(ProgramServices services = {}) {
    freshProgram();
    services.messages = [](QWidget*, const shell::Message& m) { messages() << m; };
    if (!services.end)
        services.end = [] { ++programEndLog().ends; };
    assembleProgram(std::move(services));
}
