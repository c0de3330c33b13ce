#include "projects/ui/ProjectPictures.h"

#include "common/ui/AppPictures.h"
#include "projects/logic/ProjectTree.h"

#include <array>

namespace veltrano {

QIcon levelPicture(int level)
{
    // Root first, then deeper levels in ever cooler colours: fill and outline.
    static const std::array<std::array<const char *, 2>, kLevelPictureCount> colours{{
        {"#f6ad55", "#9c4221"}, {"#f6e05e", "#975a16"}, {"#9ae6b4", "#276749"}, {"#90cdf4", "#2c5282"},
        {"#b794f4", "#553c9a"}, {"#fbb6ce", "#97266d"}, {"#cbd5e0", "#4a5568"}}};
    const auto &pair = colours[static_cast<size_t>(qBound(0, level, kLevelPictureCount - 1))];
    return twoTonePicture(QStringLiteral("level"), QColor::fromString(QLatin1String(pair[0])),
                          QColor::fromString(QLatin1String(pair[1])));
}

} // namespace veltrano
