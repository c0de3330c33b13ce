#pragma once
#include <QString>

namespace veltrano {

class DataLocations {
public:
    virtual ~DataLocations() = default;
    // Full path of the running executable.
    virtual QString executablePath() const = 0;
    // Whether the program may create and replace files in `folder`.
    virtual bool isFolderWritable(const QString &folder) const = 0;
    // The per-user data location, with a trailing separator, used when the
    // executable's folder is not writable (an installed build).
    virtual QString perUserDataFolder() const = 0;
    // Whether the system's package manager installed the file.
    virtual bool isPackaged(const QString &path) const = 0;
};

} // namespace veltrano
