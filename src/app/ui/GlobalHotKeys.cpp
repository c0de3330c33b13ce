#include "app/ui/GlobalHotKeys.h"

#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "common/logic/MessageBoxes.h"
#include "platform/HotKeys.h"
#include "platform/Platform.h"

#include <QWidget>
#include <QAction>

namespace veltrano {

// Silent unless QT_LOGGING_RULES asks for it (the end-to-end tests do).
Q_LOGGING_CATEGORY(lcHotKeys, "veltrano.hotkeys", QtWarningMsg)

GlobalHotKeys::GlobalHotKeys(AppContext &context, MainFrame &frame)
    : m_context(context), m_frame(frame), m_keys(context.platform().hotKeys())
{
    setObjectName(QStringLiteral("GlobalHotKeys"));
    connect(&m_keys, &HotKeys::hotKeyPressed, this, &GlobalHotKeys::onHotKey);
}

GlobalHotKeys::~GlobalHotKeys()
{
    if (!m_registered)
        return;
    m_keys.unregisterHotKey(kToDoHotKey);
    m_keys.unregisterHotKey(kClockHotKey);
}

void GlobalHotKeys::registerKeys()
{
    if (m_registered)
        return;
    m_registered = true;
    registerKey(kToDoHotKey, Qt::ControlModifier, kToDoHotKeyRefused);
    registerKey(kClockHotKey, Qt::ShiftModifier, kClockHotKeyRefused);
}

void GlobalHotKeys::registerKey(int id, int modifiers, const char16_t *refusal)
{
    const HotKeys::Refusal result = m_keys.registerHotKey(id, Qt::Key_F1, modifiers);
    if (result == HotKeys::Refusal::None)
        return;
    qCInfo(lcHotKeys) << "hot key" << id << "refused"
                      << (result == HotKeys::Refusal::Unsupported ? "(no X11 session)" : "(held by another program)");
    m_context.messagesAbout(&m_frame.window()).notice(QString::fromUtf16(refusal));
}

void GlobalHotKeys::onHotKey(int id)
{
    if (id != kToDoHotKey && id != kClockHotKey)
        return;
    qCInfo(lcHotKeys) << "hot key" << id << "pressed";
    if (const auto reaction = m_reactions.find(id); reaction != m_reactions.end() && reaction->second) {
        reaction->second();
        return;
    }
    m_frame.command(id == kToDoHotKey ? Command::ShowToDoList : Command::ShowClock)->trigger();
}

void GlobalHotKeys::setReaction(int id, std::function<void()> reaction)
{
    m_reactions[id] = std::move(reaction);
}

} // namespace veltrano
