#pragma once
#include <QLoggingCategory>
#include <QObject>
#include <functional>
#include <map>

namespace veltrano {

class AppContext;
class HotKeys;
class MainFrame;

Q_DECLARE_LOGGING_CATEGORY(lcHotKeys)

inline constexpr int kToDoHotKey = 1;  // Ctrl+F1
inline constexpr int kClockHotKey = 2; // Shift+F1
inline constexpr auto kToDoHotKeyRefused = u"Sorry. Unable to assign Ctrl-F1 as hotkey.";
inline constexpr auto kClockHotKeyRefused = u"Sorry. Unable to assign Shift-F1 as hotkey.";

// Ctrl+F1 and Shift+F1 for the whole desktop, held from just after the main
// window's first frame to the end.
class GlobalHotKeys final : public QObject {
    Q_OBJECT
public:
    GlobalHotKeys(AppContext &context, MainFrame &frame);
    ~GlobalHotKeys() override;

    // Registers both keys; a refused one is reported and the other still
    // tried. Held from then until destruction.
    void registerKeys();
    // The WM_HOTKEY of old: what each id does.
    void onHotKey(int id);
    // What a key does once the window it brings up exists (set at the
    // assembly site); until then it runs its main-window command.
    void setReaction(int id, std::function<void()> reaction);

private:
    void registerKey(int id, int modifiers, const char16_t *refusal);
    AppContext &m_context;
    MainFrame &m_frame;
    HotKeys &m_keys;
    std::map<int, std::function<void()>> m_reactions;
    bool m_registered = false;
};

} // namespace veltrano
