#pragma once
// A comment fitted to the caption's box: wrapped at word boundaries to the
// box's width, at most a few lines, with "…" where the rest is cut off.

#include <QFont>
#include <QString>

namespace morvane {

QString fittedLines(const QString& text, const QFont& font, int width, int maxLines);

} // namespace morvane
