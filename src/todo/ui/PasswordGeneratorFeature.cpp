#include "todo/ui/PasswordGeneratorFeature.h"

#include "app/ui/Main.h"
#include "todo/ui/FormPasswordGenerator.h"

#include <QAction>

namespace veltrano {

PasswordGeneratorFeature::PasswordGeneratorFeature(TMainForm &main) : QObject(&main)
{
    setObjectName(QStringLiteral("PasswordGeneratorFeature"));
    connect(main.command(Command::PasswordGenerator1), &QAction::triggered, this, [this] {
        if (m_window)
            m_window->PasswordGenerator1Click();
    });
}

} // namespace veltrano
