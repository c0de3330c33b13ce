#pragma once
#include <QString>

namespace veltrano {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the file once, in the background; false when the file cannot
    // be opened or played.
    virtual bool play(const QString &path) = 0;
};

} // namespace veltrano
