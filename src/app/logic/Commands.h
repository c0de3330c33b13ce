#pragma once
#include <array>

class QAction;

namespace veltrano {

// Every command of the main window, spelled as its action's object name. A
// feature reaches an action through its id (TMainForm::command), so a
// misspelt command does not compile and a missing one stops the program.
#define VELTRANO_MAIN_COMMANDS(X)                                                                        \
    X(CloseApp) X(FastToDoListShow) X(ActionDeduviClockFormShow) X(ConfigurationFormShow)               \
    X(MinimuzeWindoe) X(AboutFormShow) X(ShowHelp)                                                      \
    X(ActionOpenNotePad) X(ActionOpenWordPad) X(ActionOpenCalc) X(ActionOpenPaint) X(ActionOpenCmd)     \
    X(ActionSafeRemove) X(ActionDateAndTimeSetUp) X(ActionInstallUninstall) X(ActionOpenCD)             \
    X(ActionCloseCD)                                                                                    \
    X(ActionShowToday) X(ActionShowProjects) X(ActionShowStructures) X(ActionShowMyPage)                \
    X(ActionShowTasks) X(ActionShowNotes) X(ActionShowContacts)                                         \
    X(oday1) X(Projects1) X(Structures1) X(MyPage1) X(asks1) X(Notes1) X(Contacts1)                      \
    X(MainToolBar1) X(BottomToolBar1) X(StatusBar1)                                                     \
    X(DefaultSize1) X(LargeSize1) X(VeryLargeSize1) X(StayOnTop1)                                       \
    X(OpenCD1) X(CloseCD1) X(NewProject2) X(Rename2) X(Delete2) X(WeekEditor1) X(PasswordGenerator1)    \
    X(Console1) X(ControlPanel1) X(WindowsClock1) X(GoToSleepMode1) X(ntbackupexe1)                     \
    X(oAutorun1) X(Fromtheautorun1) X(Help1) X(QuillonHomePage1)

#define VELTRANO_COMMAND_ID(name) name,
enum class Command { VELTRANO_MAIN_COMMANDS(VELTRANO_COMMAND_ID) };
#undef VELTRANO_COMMAND_ID

#define VELTRANO_COUNT_COMMAND(name) +1
inline constexpr int kCommandCount = 0 VELTRANO_MAIN_COMMANDS(VELTRANO_COUNT_COMMAND);
#undef VELTRANO_COUNT_COMMAND

// The object name of the command's action.
const char *commandName(Command command);

// The actions behind the ids, filled as the main window creates them.
class CommandTable {
public:
    void add(Command command, QAction *action);
    bool contains(Command command) const;
    // A command nobody created is a mistake in the program: asking for it
    // stops the program with the command's name instead of leaving a button
    // or feature wired to nothing.
    QAction *action(Command command) const;

private:
    std::array<QAction *, kCommandCount> m_actions{};
};

} // namespace veltrano
