#pragma once
// What the Saver form shows where, for tests of its layout: the board and every
// visible text, by the rectangle its text covers as painted.

#include <cstdio>

class QWidget;

namespace morvane {

class MoveListView;

// One block: "layout screen W H", then "layout NAME X Y W H" for the board,
// each visible label with text, and each entry of the move list, in the form's
// logical pixels.
void printLayoutReport(const QWidget& form, const MoveListView& list, std::FILE* out);

} // namespace morvane
