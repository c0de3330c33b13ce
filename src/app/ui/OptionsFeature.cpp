#include "app/ui/OptionsFeature.h"

#include "app/ui/OptionsDialog.h"
#include "common/ui/AppContext.h"
#include "common/ui/MainFrame.h"
#include "common/ui/ModalDialogs.h"

#include <QAction>

namespace veltrano {

OptionsFeature::OptionsFeature(AppContext &context, MainFrame &frame) : m_context(context)
{
    setObjectName(QStringLiteral("OptionsFeature"));
    m_values.load(context.settings());
    connect(frame.command(Command::ShowOptions), &QAction::triggered, this, &OptionsFeature::openOnCommonPage);
    connect(&m_values, &OptionsValues::blendingSwitched, this, [this](bool on) {
        if (m_reactions.switchBlending)
            m_reactions.switchBlending(on);
    });
    connect(&m_values, &OptionsValues::blendValueSet, this, [this](int value) {
        if (m_reactions.setBlendValue)
            m_reactions.setBlendValue(value);
    });
}

OptionsFeature::~OptionsFeature() = default;

void OptionsFeature::setToDoReactions(ToDoReactions reactions)
{
    m_reactions = std::move(reactions);
}

ToDoBlend OptionsFeature::toDoBlend() const
{
    return {m_values.values().toDoAlpha, m_values.values().toDoAlphaPos};
}

OptionsDialog &OptionsFeature::dialog()
{
    if (!m_dialog) {
        m_dialog = std::make_unique<OptionsDialog>(m_context.settings(), m_values);
        connect(m_dialog.get(), &OptionsDialog::toDoWindowWanted, this, [this] {
            if (m_reactions.showWindow)
                m_reactions.showWindow();
        });
    }
    return *m_dialog;
}

void OptionsFeature::openOnCommonPage()
{
    openOnPage(OptionsDialog::CommonNode);
}

void OptionsFeature::openOnToDoPage()
{
    openOnPage(OptionsDialog::ToDoesNode);
}

void OptionsFeature::openOnPage(int node)
{
    dialog().choosePage(OptionsDialog::Node(node));
    m_context.dialogs().open(dialog());
}

} // namespace veltrano
