#pragma once
// Small pieces several tabs share: the product heading, names of control arrays.

#include <QString>

class QLabel;
class QWidget;

namespace morvane {

// Controls that come in arrays are named like "Label30(1)".
QString arrayName(const char* name, int index);

// The bold "Morvane 3.0" heading at the top of a tab.
QLabel* productHeading(QWidget* parent);

// A file shipped with the program (README.md, LICENSE): in the data folder or in
// the documentation folder beside it. Empty when neither has it.
QString shippedFile(const QString& appPath, const QString& name);

} // namespace morvane
