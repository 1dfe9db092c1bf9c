// The running screen saver, from its windows going up to their teardown.
#pragma once

namespace brelvix {

// Returns when the session has ended (Program().EndSaver), windows unloaded.
// setupActive: a preview instance runs beside this one, so its "ActiveSetup"
// mark is left alone.
void RunSaverSession(bool setupActive);

} // namespace brelvix
