#pragma once
#include <QObject>

namespace veltrano {

class TMainForm;

// The to-do list's share of the main window: with the autostart flag set,
// every showing of the main window ends by showing the to-do window.
class ToDoFeature final : public QObject {
    Q_OBJECT
public:
    explicit ToDoFeature(TMainForm &main);

    bool autostart() const { return m_autostart; }

private:
    void FormShow();

    TMainForm &m_main;
    bool m_autostart = true;
};

} // namespace veltrano
