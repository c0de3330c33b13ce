#include "passwords/ui/PasswordsFeature.h"

#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "passwords/ui/PasswordGeneratorDialog.h"

#include <QAction>

namespace veltrano {

PasswordsFeature::PasswordsFeature(AppContext &context, MainFrame &frame) : m_context(context)
{
    setObjectName(QStringLiteral("PasswordsFeature"));
    connect(frame.command(Command::ShowPasswordGenerator), &QAction::triggered, this,
            [this] { dialog().openWithNewPassword(); });
}

PasswordsFeature::~PasswordsFeature() = default;

PasswordGeneratorDialog &PasswordsFeature::dialog()
{
    if (!m_dialog)
        m_dialog = std::make_unique<PasswordGeneratorDialog>(m_context.dialogs());
    return *m_dialog;
}

} // namespace veltrano
