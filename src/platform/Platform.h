#pragma once
#include <memory>

namespace veltrano {

class CdTray;
class Clock;
class DataLocations;
class FileSystem;
class HotKeys;
class Notifications;
class Power;
class RegionalFormats;
class Shell;
class SingleInstance;
class Sound;
class Termination;
class TextCodec;
class Trash;
class Tray;

// Every OS service the program uses. One implementation per OS, and a fake for
// tests; nothing else in the program calls the OS.
class Platform {
public:
    virtual ~Platform() = default;
    virtual Clock &clock() = 0;
    virtual DataLocations &dataLocations() = 0;
    virtual FileSystem &files() = 0;
    virtual TextCodec &textCodec() = 0;
    virtual RegionalFormats &regionalFormats() = 0;
    virtual SingleInstance &singleInstance() = 0;
    virtual Termination &termination() = 0;
    virtual HotKeys &hotKeys() = 0;
    virtual Shell &shell() = 0;
    virtual Power &power() = 0;
    virtual CdTray &cdTray() = 0;
    virtual Sound &sound() = 0;
    virtual Tray &tray() = 0;
    virtual Notifications &notifications() = 0;
    virtual Trash &trash() = 0;
};

// The platform of the OS this program was built for; CMake picks the folder
// (linux/, ...) whose implementation is linked.
std::unique_ptr<Platform> createPlatform();

} // namespace veltrano
