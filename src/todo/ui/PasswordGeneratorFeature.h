#pragma once
#include <QObject>

namespace veltrano {

class TMainForm;
class TfrmPasswordGenerator;

// "Password Generator..." of the main and tray menus opens the generator,
// which is created later, in its place among the windows.
class PasswordGeneratorFeature final : public QObject {
    Q_OBJECT
public:
    explicit PasswordGeneratorFeature(TMainForm &main);
    void setWindow(TfrmPasswordGenerator *window) { m_window = window; }

private:
    TfrmPasswordGenerator *m_window = nullptr;
};

} // namespace veltrano
