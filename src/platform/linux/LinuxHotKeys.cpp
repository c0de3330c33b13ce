#include "platform/linux/LinuxHotKeys.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace veltrano {
namespace {

constexpr xcb_keysym_t kKeysymF1 = 0xffbe;
constexpr xcb_keysym_t kKeysymNumLock = 0xff7f;
constexpr uint16_t kModifierBits = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// Function keys, letters and digits: all the program ever asks for.
xcb_keysym_t keysymOf(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return kKeysymF1 + xcb_keysym_t(key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return xcb_keysym_t('a' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return xcb_keysym_t(key);
    return 0;
}

uint16_t xModifiersOf(int modifiers)
{
    uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

struct KeySymbolsDeleter {
    void operator()(xcb_key_symbols_t *symbols) const { xcb_key_symbols_free(symbols); }
};
using KeySymbols = std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter>;

QList<uint8_t> keycodesOf(xcb_key_symbols_t *symbols, xcb_keysym_t keysym)
{
    QList<uint8_t> codes;
    xcb_keycode_t *found = xcb_key_symbols_get_keycode(symbols, keysym);
    for (xcb_keycode_t *code = found; code && *code != XCB_NO_SYMBOL; ++code)
        codes << *code;
    std::free(found);
    return codes;
}

// The modifier bit NumLock sets on this keyboard map (usually Mod2).
uint16_t numLockMaskOf(xcb_connection_t *connection, xcb_key_symbols_t *symbols)
{
    const QList<uint8_t> numLockCodes = keycodesOf(symbols, kKeysymNumLock);
    xcb_get_modifier_mapping_reply_t *reply
        = xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    if (!reply)
        return XCB_MOD_MASK_2;
    uint16_t mask = 0;
    const xcb_keycode_t *map = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (numLockCodes.contains(map[modifier * perModifier + i]))
                mask = uint16_t(1u << modifier);
        }
    }
    std::free(reply);
    return mask ? mask : uint16_t(XCB_MOD_MASK_2);
}

} // namespace

LinuxHotKeys::~LinuxHotKeys()
{
    for (const Grab &grab : std::as_const(m_grabs))
        ungrab(grab);
    if (m_filtering && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool LinuxHotKeys::connectToDisplay()
{
    if (m_connection)
        return true;
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return false;
    m_connection = x11->connection();
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    if (!screens.rem) {
        m_connection = nullptr;
        return false;
    }
    m_root = screens.data->root;
    KeySymbols symbols(xcb_key_symbols_alloc(m_connection));
    m_numLockMask = numLockMaskOf(m_connection, symbols.get());
    return true;
}

// A grab has to ignore CapsLock and NumLock, or the key would stop working
// while either is on.
QList<uint16_t> LinuxHotKeys::lockVariants(uint16_t modifiers) const
{
    return {modifiers, uint16_t(modifiers | XCB_MOD_MASK_LOCK), uint16_t(modifiers | m_numLockMask),
            uint16_t(modifiers | XCB_MOD_MASK_LOCK | m_numLockMask)};
}

// All or nothing: when any variant is held by another client the key would
// only work some of the time, so every variant we got is let go again.
bool LinuxHotKeys::grabAll(const Grab &grab)
{
    QList<xcb_void_cookie_t> cookies;
    for (uint8_t keycode : grab.keycodes) {
        for (uint16_t modifiers : lockVariants(grab.modifiers))
            cookies << xcb_grab_key_checked(m_connection, 1, m_root, modifiers, keycode,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    bool refused = false;
    for (const xcb_void_cookie_t &cookie : std::as_const(cookies)) {
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            refused = true;
            std::free(error);
        }
    }
    if (refused)
        ungrab(grab);
    return !refused;
}

void LinuxHotKeys::ungrab(const Grab &grab)
{
    if (!m_connection)
        return;
    for (uint8_t keycode : grab.keycodes) {
        for (uint16_t modifiers : lockVariants(grab.modifiers))
            xcb_ungrab_key(m_connection, keycode, m_root, modifiers);
    }
    xcb_flush(m_connection);
}

HotKeys::Refusal LinuxHotKeys::registerHotKey(int id, int key, int modifiers)
{
    unregisterHotKey(id);
    const xcb_keysym_t keysym = keysymOf(key);
    if (!keysym || !connectToDisplay())
        return Refusal::Unsupported;
    KeySymbols symbols(xcb_key_symbols_alloc(m_connection));
    Grab grab{keycodesOf(symbols.get(), keysym), xModifiersOf(modifiers)};
    if (grab.keycodes.isEmpty())
        return Refusal::Unsupported;
    if (!grabAll(grab))
        return Refusal::HeldByAnotherProgram;
    m_grabs.insert(id, grab);
    if (!m_filtering) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filtering = true;
    }
    return Refusal::None;
}

void LinuxHotKeys::unregisterHotKey(int id)
{
    const auto found = m_grabs.constFind(id);
    if (found == m_grabs.cend())
        return;
    ungrab(*found);
    m_grabs.erase(found);
}

// The press is taken here, so a focused window of ours does not also see it
// as an ordinary shortcut and act twice.
bool LinuxHotKeys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    const uint16_t modifiers = press->state & kModifierBits;
    for (auto it = m_grabs.cbegin(); it != m_grabs.cend(); ++it) {
        if (it->modifiers == modifiers && it->keycodes.contains(press->detail)) {
            emit hotKeyPressed(it.key());
            return true;
        }
    }
    return false;
}

} // namespace veltrano
