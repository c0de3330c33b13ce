// The options dialog: where the main, to-do and clock windows reopen, whether
// the to-do window comes with the main window, and its blending.
#pragma once
#include "app/logic/OptionsSettings.h"
#include "common/ui/SmallDialog.h"

class QCheckBox;
class QSlider;
class QTabWidget;
class QTreeWidget;

namespace veltrano {

class SettingsStore;

inline constexpr auto kConfigurationCaption = u"Configuration";
inline constexpr QSize kConfigurationClientSize{298, 211};

// "Configuration": made the first time it is opened, from the main window
// (page "Common") or the to-do window (page "To-Does"). Its controls show and
// change the program's options; each opening loads them from the settings
// file again, and "OK" writes them there.
class OptionsDialog final : public SmallDialog {
    Q_OBJECT
public:
    enum Node { CommonNode = 0, ToDoesNode = 1 };

    OptionsDialog(SettingsStore &settings, OptionsValues &values);

    // Selects the page chooser's node (the dialog then shows its page).
    void choosePage(Node node);

    void onOk();
    void onCancel();

signals:
    // ">>": the to-do window, to see the slider's effect.
    void toDoWindowWanted();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void bindBox(QCheckBox *box, void (OptionsValues::*set)(bool));
    void fillControls();
    QWidget *createCommonPage();
    QWidget *createToDoesPage();
    void showChosenPage();

    SettingsStore &m_settings;
    OptionsValues &m_values;
    QTreeWidget *m_pageChooser = nullptr;
    QTabWidget *m_pageControl = nullptr;
    QCheckBox *m_saveMainPosition = nullptr;
    QCheckBox *m_saveMainSize = nullptr;
    QCheckBox *m_saveClockPosition = nullptr;
    QCheckBox *m_toDoListMemory = nullptr;
    QCheckBox *m_toDoAlpha = nullptr;
    QSlider *m_trackBarToDo = nullptr;
    QCheckBox *m_toDoAutostart = nullptr;
};

} // namespace veltrano
