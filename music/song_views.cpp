#include "music/song_views.h"

namespace brelvix {

SongViews& Views() {
    static SongViews views;
    return views;
}

void SetStatusBarView(StatusBarView* view) {
    Views().statusBar = view;
}

void SetSetupView(SetupView* view) {
    Views().setup = view;
}

} // namespace brelvix
