#include "saver/saver_session_win.h"

#include "saver/program_state.h"

namespace brelvix {

void RunSaverSession(bool /*setupActive*/) {
    // The session's windows and music are not built yet: it ends at once.
    Program().EndSaver = true;
}

} // namespace brelvix
