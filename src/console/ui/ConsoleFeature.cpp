#include "console/ui/ConsoleFeature.h"

#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "common/ui/Hints.h"
#include "common/ui/ModalDialogs.h"
#include "platform/Platform.h"
#include "console/logic/Console.h"
#include "console/ui/KeymapInfoDialog.h"

#include <QWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace veltrano {

ConsoleFeature::ConsoleFeature(AppContext &context, MainFrame &frame) : m_context(context), m_frame(frame)
{
    setObjectName(QStringLiteral("ConsoleFeature"));
    m_mainEditCmd = named(new QLineEdit, "MainEditCmd");
    m_mainEditCmd->setAccessibleName(QStringLiteral("Console"));
    m_mainEditCmd->installEventFilter(this);
    frame.setConsoleLine(m_mainEditCmd);

    // Its own menu takes the place of the edit's cut-and-paste menu.
    auto *menu = named(new QMenu(m_mainEditCmd), "PopupMenuCmd");
    QAction *keymapInfo = makeAction(menu, "KeymapInfo1", QStringLiteral("Keymap Info..."));
    menu->addAction(keymapInfo);
    connect(keymapInfo, &QAction::triggered, this, &ConsoleFeature::showKeymapInfo);
    attachContextMenu(m_mainEditCmd, menu);
}

void ConsoleFeature::runCommand(const QString &text)
{
    const ConsoleReactions reactions{[this] { m_frame.requestExit(); }, [this] { showKeymapInfo(); }};
    RunConsoleCommand(text, m_context.platform().shell(), m_context.messagesAbout(&m_frame.window()), reactions);
}

ConsoleFeature::~ConsoleFeature() = default;

KeymapInfoDialog &ConsoleFeature::keymapInfo()
{
    if (!m_keyMap)
        m_keyMap = std::make_unique<KeymapInfoDialog>();
    return *m_keyMap;
}

void ConsoleFeature::showKeymapInfo()
{
    m_context.dialogs().open(keymapInfo());
}

bool ConsoleFeature::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainEditCmd && event->type() == QEvent::KeyPress)
        return onConsoleKey(static_cast<const QKeyEvent &>(*event));
    return QObject::eventFilter(watched, event);
}

// Enter runs the line and Esc drops it; either way the key goes no further.
bool ConsoleFeature::onConsoleKey(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        runCommand(m_mainEditCmd->text());
        m_mainEditCmd->clear();
        return true;
    case Qt::Key_Escape:
        m_mainEditCmd->clear();
        return true;
    default:
        return false;
    }
}

} // namespace veltrano
