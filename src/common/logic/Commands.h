#pragma once
#include <array>

class QAction;

namespace veltrano {

// Every command of the main window: its id, then its action's object name
// (which tests and screen readers find it by). A feature reaches an action
// through its id (MainFrame::command), so a misspelt command does not compile
// and a missing one stops the program.
#define VELTRANO_MAIN_COMMANDS(X)                                                                        \
    X(Exit, CloseApp) X(ShowToDoList, FastToDoListShow) X(ShowClock, ActionDeduviClockFormShow)          \
    X(ShowOptions, ConfigurationFormShow) X(HideToTray, MinimuzeWindoe) X(ShowAbout, AboutFormShow)      \
    X(ShowHelp, ShowHelp) X(OpenNotepad, ActionOpenNotePad) X(OpenWordPad, ActionOpenWordPad)            \
    X(OpenCalculator, ActionOpenCalc) X(OpenPaint, ActionOpenPaint) X(OpenTerminal, ActionOpenCmd)       \
    X(OpenSafeRemoval, ActionSafeRemove) X(OpenDateTimeSettings, ActionDateAndTimeSetUp)                 \
    X(OpenSoftwareSettings, ActionInstallUninstall) X(OpenCdTray, ActionOpenCD)                          \
    X(CloseCdTray, ActionCloseCD) X(ShowTodayPage, ActionShowToday)                                      \
    X(ShowProjectsPage, ActionShowProjects) X(ShowStructuresPage, ActionShowStructures)                  \
    X(ShowMyPage, ActionShowMyPage) X(ShowTasksPage, ActionShowTasks)                                    \
    X(ShowNotesPage, ActionShowNotes) X(ShowContactsPage, ActionShowContacts) X(ObjectsToday, oday1)     \
    X(ObjectsProjects, Projects1) X(ObjectsStructures, Structures1) X(ObjectsMyPage, MyPage1)            \
    X(ObjectsTasks, asks1) X(ObjectsNotes, Notes1) X(ObjectsContacts, Contacts1)                         \
    X(ToggleMainToolBar, MainToolBar1) X(ToggleBottomBar, BottomToolBar1)                                \
    X(ToggleStatusBar, StatusBar1) X(DefaultSize, DefaultSize1) X(LargeSize, LargeSize1)                 \
    X(VeryLargeSize, VeryLargeSize1) X(StayOnTop, StayOnTop1) X(CoffeeOpenCdTray, OpenCD1)               \
    X(CoffeeCloseCdTray, CloseCD1) X(NewStructure, NewProject2) X(RenameStructure, Rename2)              \
    X(DeleteStructure, Delete2) X(ShowTimeline, WeekEditor1)                                             \
    X(ShowPasswordGenerator, PasswordGenerator1) X(OpenConsole, Console1)                                \
    X(OpenControlPanel, ControlPanel1) X(OpenClockSettings, WindowsClock1) X(Sleep, GoToSleepMode1)      \
    X(Backup, ntbackupexe1) X(AddToAutorun, oAutorun1) X(RemoveFromAutorun, Fromtheautorun1)             \
    X(MailDeveloper, Help1) X(OpenHomePage, QuillonHomePage1)

#define VELTRANO_COMMAND_ID(id, objectName) id,
enum class Command { VELTRANO_MAIN_COMMANDS(VELTRANO_COMMAND_ID) };
#undef VELTRANO_COMMAND_ID

#define VELTRANO_COUNT_COMMAND(id, objectName) +1
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
