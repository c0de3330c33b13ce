#pragma once

namespace veltrano {

// The tray of the default optical drive. Returns once the tray has moved.
class CdTray {
public:
    virtual ~CdTray() = default;
    virtual bool open() = 0;
    virtual bool close() = 0;
};

} // namespace veltrano
