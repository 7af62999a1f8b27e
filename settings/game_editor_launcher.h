#pragma once
// The dialog's side of the graphical game editor: it opens the editor modally on
// the move lines entered so far and gets back the editor's move lines when the
// editor's OK is pressed, or nothing when it was cancelled.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

using GameEditorLauncher =
    std::function<std::optional<std::vector<std::string>>(const std::vector<std::string>& moveLines)>;

} // namespace morvane
