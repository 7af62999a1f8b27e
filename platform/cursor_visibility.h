#pragma once
// The mouse pointer over the program's windows: hidden while the full-screen
// saver runs, shown again when it ends or gives way to the settings dialog.
// Hiding twice needs showing only once: the state is a switch, not a counter.

namespace morvane {

class CursorVisibility {
public:
    static void hide();
    static void show();
    static bool isHidden();
};

} // namespace morvane
