#pragma once
#include <QObject>
#include <memory>

namespace veltrano {

class AppContext;
class MainFrame;
class PasswordGeneratorDialog;

// "Password Generator..." of the main and tray menus opens the generator,
// made the first time it is asked for.
class PasswordsFeature final : public QObject {
    Q_OBJECT
public:
    PasswordsFeature(AppContext &context, MainFrame &frame);
    ~PasswordsFeature() override;

    PasswordGeneratorDialog &dialog();

private:
    AppContext &m_context;
    std::unique_ptr<PasswordGeneratorDialog> m_dialog;
};

} // namespace veltrano
