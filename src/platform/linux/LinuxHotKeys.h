#pragma once
#include "platform/HotKeys.h"

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QMap>

#include <cstdint>

struct xcb_connection_t;

namespace veltrano {

// Global hot keys on X11: a passive grab of the key on the root window, so
// the press reaches us whichever window has the focus, or none of ours is
// shown. Other platforms (Wayland, offscreen) refuse every key.
class LinuxHotKeys final : public HotKeys, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    using HotKeys::HotKeys;
    ~LinuxHotKeys() override;
    Refusal registerHotKey(int id, int key, int modifiers) override;
    void unregisterHotKey(int id) override;

private:
    struct Grab {
        QList<uint8_t> keycodes;
        uint16_t modifiers = 0;
    };
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
    bool connectToDisplay();
    bool grabAll(const Grab &grab);
    void ungrab(const Grab &grab);
    QList<uint16_t> lockVariants(uint16_t modifiers) const;

    xcb_connection_t *m_connection = nullptr;
    uint32_t m_root = 0;
    uint16_t m_numLockMask = 0;
    bool m_filtering = false;
    QMap<int, Grab> m_grabs;
};

} // namespace veltrano
