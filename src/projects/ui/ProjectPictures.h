#pragma once
#include <QIcon>

namespace veltrano {

// ImageListLevels: a folder whose colour tells the tree level, 0 to
// kLevelPictureCount - 1; deeper levels get the last picture.
QIcon levelPicture(int level);

} // namespace veltrano
