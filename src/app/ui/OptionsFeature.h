#pragma once
#include "app/logic/OptionsSettings.h"
#include "todo/logic/ToDoSettings.h"

#include <QObject>
#include <functional>
#include <memory>

namespace veltrano {

class AppContext;
class MainFrame;
class OptionsDialog;

// What the options do to the to-do window at once.
struct ToDoReactions {
    std::function<void(bool on)> switchBlending;
    std::function<void(int value)> setBlendValue;
    std::function<void()> showWindow;
};

// The options: read at start-up (which already decides the to-do window's
// blending), edited in "Configuration", made the first time it is opened.
class OptionsFeature final : public QObject {
    Q_OBJECT
public:
    OptionsFeature(AppContext &context, MainFrame &frame);
    ~OptionsFeature() override;

    void setToDoReactions(ToDoReactions reactions);
    // What the to-do window applies whenever it is shown.
    ToDoBlend toDoBlend() const;
    const OptionsValues &values() const { return m_values; }

    void openOnCommonPage();
    void openOnToDoPage();
    OptionsDialog &dialog();

private:
    void openOnPage(int node);

    AppContext &m_context;
    OptionsValues m_values;
    ToDoReactions m_reactions;
    std::unique_ptr<OptionsDialog> m_dialog;
};

} // namespace veltrano
