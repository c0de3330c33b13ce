#pragma once
#include "common/ui/MainFrame.h"

namespace veltrano {

class MainWindow;

// The main window as the features see it: a frame to plug pages and commands
// into, and the steps of its life as signals.
class MainWindowFrame final : public MainFrame {
    Q_OBJECT
public:
    explicit MainWindowFrame(MainWindow &window) : m_window(window) {}

    QAction *command(Command id) const override;
    QWidget *pageSheet(Page page) const override;
    void setPageContent(Page page, QWidget *content) override;
    void setPageContentMaker(Page page, std::function<void()> make) override;
    void setPageCaption(Page page, const QString &caption) override;
    void setSidePanelContent(QWidget *content) override;
    void setConsoleLine(QWidget *line) override;
    void choosePage(Page page) override;
    void showStatusMessage(const QString &text, int timeoutMs) override;
    QTimer &secondTimer() override;
    QTimer &hourTimer() override;
    QWidget &window() override;
    void requestExit() override;

private:
    MainWindow &m_window;
};

} // namespace veltrano
