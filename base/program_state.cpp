#include "base/program_state.h"

namespace brelvix {

ProgramState& Program() {
    static ProgramState state;
    return state;
}

} // namespace brelvix
