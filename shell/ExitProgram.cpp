#include "shell/ExitProgram.h"

#include <cstdio>
#include <cstdlib>

namespace shell {

namespace {
void endProcessNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

struct EndState {
    ProgramEnd::Step endStep = endProcessNow;
    bool ended = false;
};

EndState& endState() {
    static EndState state;
    return state;
}
} // namespace

void ProgramEnd::setEndStep(Step step) {
    endState().endStep = step ? std::move(step) : Step(endProcessNow);
}

bool ProgramEnd::ended() { return endState().ended; }

void ProgramEnd::reset() { endState() = EndState{}; }

void ExitProgram() {
    EndState& state = endState();
    if (state.ended)
        return; // a closing handler reached from the end itself: nothing more to do
    state.ended = true;
    state.endStep();
}

} // namespace shell
