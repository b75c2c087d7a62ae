#pragma once
// The one way the program ends: the process ends at once.
// Both steps can be replaced, so that tests can watch the end without losing their runner.

#include <functional>

namespace shell {

void ExitProgram();

class ProgramEnd {
public:
    using Step = std::function<void()>;

    // Ends the process; the default flushes output and exits with status 0 at once.
    static void setEndStep(Step step);
    // True once ExitProgram has run: no screen handler runs after that.
    static bool ended();
    // Back to a fresh program: not ended, the default end step.
    static void reset();
};

} // namespace shell
