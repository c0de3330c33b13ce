#pragma once
// Services the program does not use on Linux yet. Each refuses honestly, so a
// caller never mistakes a missing service for success.
#include "platform/CdTray.h"
#include "platform/HotKeys.h"
#include "platform/Power.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/Tray.h"

namespace veltrano {

class UnavailableHotKeys final : public HotKeys {
public:
    using HotKeys::HotKeys;
    Refusal registerHotKey(int, int, int) override { return Refusal::Unsupported; }
    void unregisterHotKey(int) override {}
};

class UnavailableShell final : public Shell {
public:
    bool open(const QString &) override { return false; }
    bool startTool(DesktopTool) override { return false; }
    bool setAutostart(bool) override { return false; }
};

class UnavailablePower final : public Power {
public:
    bool suspend() override { return false; }
};

class UnavailableCdTray final : public CdTray {
public:
    bool open() override { return false; }
    bool close() override { return false; }
};

class UnavailableSound final : public Sound {
public:
    bool play(const QString &) override { return false; }
};

class UnavailableTray final : public Tray {
public:
    using Tray::Tray;
    bool isAvailable() const override { return false; }
    void show(const QIcon &, const QString &, QMenu *) override {}
    void setIcon(const QIcon &) override {}
    void showBalloon(const QString &, const QString &, int) override {}
};

} // namespace veltrano
