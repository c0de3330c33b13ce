#include "passwords/ui/PasswordsFeature.h"

#include "app/ui/MainWindow.h"
#include "passwords/ui/PasswordGeneratorDialog.h"

#include <QAction>

namespace veltrano {

PasswordsFeature::PasswordsFeature(MainWindow &main) : QObject(&main)
{
    setObjectName(QStringLiteral("PasswordsFeature"));
    connect(main.command(Command::ShowPasswordGenerator), &QAction::triggered, this, [this] {
        if (m_window)
            m_window->openWithNewPassword();
    });
}

} // namespace veltrano
