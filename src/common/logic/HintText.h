#pragma once
#include <QString>

namespace veltrano {

// A hint is "short|long": tool tips show the short part, the status bar the
// long one. A hint without "|" is both.
QString HintShortPart(const QString &hint);
QString HintLongPart(const QString &hint);

} // namespace veltrano
