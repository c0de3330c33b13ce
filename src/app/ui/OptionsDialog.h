// The options dialog: where the main, to-do and clock windows reopen, whether
// the to-do window comes with the main window, and its blending.
#pragma once
#include "app/logic/OptionsSettings.h"
#include "common/ui/FirstShow.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QSlider;
class QTabWidget;
class QTreeWidget;

namespace veltrano {

class MainWindow;

inline constexpr auto kConfigurationCaption = u"Configuration";
inline constexpr QSize kConfigurationClientSize{298, 211};

// What two of its controls do to the to-do window at once (set up by the
// assembly site, which knows the to-do window).
struct ConfigurationReactions {
    std::function<void(bool on)> switchToDoBlending;
    std::function<void(int value)> setToDoBlendValue;
    std::function<void()> showToDoWindow;
};

// "Configuration": created once at start-up, after the to-do window, and
// shown modally from the main window (page "Common") or the to-do window
// (page "To-Does"). Its blending values are what the to-do window asks
// whenever it is shown. Its controls are built when it is first opened; until
// then the values it loaded at creation are held, and act, without them.
class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    enum Node { CommonNode = 0, ToDoesNode = 1 };

    OptionsDialog(MainWindow &main, ConfigurationReactions reactions);

    // Selects the page chooser's node, then shows the dialog modally.
    void openOnPage(Node node);
    void openOnCommonPage() { openOnPage(CommonNode); }

    bool toDoAlpha() const;
    int toDoAlphaPos() const;

    void onOk();
    void onCancel();
    void onShowToDoWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void bindBox(QCheckBox *box, bool ConfigurationValues::*value);
    void fillControls();
    QWidget *createCommonPage();
    QWidget *createToDoesPage();
    void readValues();
    void onShow();
    void loadValues();
    void saveValues();
    void showChosenPage();
    // A value changed, by the user or by loading: held, shown, acted on.
    void changeToDoAlpha(bool on);
    void changeToDoAlphaPos(int position);
    void onBlendingToggled(bool on);
    void onBlendValueChanged(int position);

    MainWindow &m_main;
    ConfigurationReactions m_reactions;
    ConfigurationValues m_values; // what the controls show, built or not
    BuiltWhenFirstShown m_controls;
    QTreeWidget *m_treeView1 = nullptr;
    QTabWidget *m_pageControl = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QCheckBox *m_checkBox2 = nullptr;
    QCheckBox *m_saveDeduviPosition = nullptr;
    QCheckBox *m_toDoListMemory = nullptr;
    QCheckBox *m_toDoAlpha = nullptr;
    QSlider *m_trackBarToDo = nullptr;
    QCheckBox *m_toDoAutostart = nullptr;
};

} // namespace veltrano
