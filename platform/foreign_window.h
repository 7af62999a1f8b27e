#pragma once
// Windows that belong to another program: the preview's host window, given by id.

#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>

namespace morvane {

// The inner size of window `id` in pixels, or nothing when there is no such window.
std::optional<QSize> foreignWindowSize(WId id);

// Whether window `id` still exists.
bool foreignWindowExists(WId id);

// Makes `widget` a child of window `id`, at `pos` and of `size`, and shows it.
// False when the window cannot be used.
bool embedInto(QWidget* widget, WId id, QPoint pos, QSize size);

// Calls `resized` with the new inner size of window `id` in pixels each time its
// owner changes it (a monitor added or changed), for as long as `owner` lives.
// Told by the windowing system, not found by polling. False when it cannot.
bool followForeignResize(WId id, QObject* owner, std::function<void(QSize)> resized);

} // namespace morvane
