#pragma once
#include <QObject>

namespace veltrano {

class MainWindow;
class PasswordGeneratorDialog;

// "Password Generator..." of the main and tray menus opens the generator,
// which is created later, in its place among the windows.
class PasswordsFeature final : public QObject {
    Q_OBJECT
public:
    explicit PasswordsFeature(MainWindow &main);
    void setWindow(PasswordGeneratorDialog *window) { m_window = window; }

private:
    PasswordGeneratorDialog *m_window = nullptr;
};

} // namespace veltrano
