#pragma once
#include "todo/logic/ToDoSettings.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace veltrano {

class SettingsStore;
struct ToDoWindowState;

// Where the to-do window is and how clear it looks: docked beside the main
// window while both are on screen, its outer placement kept in the feature's
// state (and written to the settings file when the window is left), pulled
// to the work area's edges after a drag, and blended as the options say.
class ToDoDocking final : public QObject {
    Q_OBJECT
public:
    ToDoDocking(QWidget &window, QWidget &mainWindow, ToDoWindowState &state, SettingsStore &settings,
                std::function<ToDoBlend()> blendSource);

    // The outer placement, frame included, whether the window manager has
    // framed the window yet or not.
    QRect placement() const;
    void setOuterGeometry(const QRect &outer);
    // Beside the main window while both are on screen: its top and height,
    // this window's width, inside the work area; in front of the main window
    // where it has to lie over it.
    void dockToMainWindow();
    // The show steps: blending as configured, on screen, docked.
    void onShow();
    // The window was left: its placement reaches the settings file (when it
    // changed) and the state.
    void onDeactivate();

    // Blending as the options dialog switches it; an opacity from 0 (clear)
    // to 255 (opaque).
    void setBlending(bool on);
    void setBlendValue(int value);
    bool blending() const { return m_blending; }
    int blendValue() const { return m_blendValue; }
    void onMouseOver();
    void onMouseLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<QSize> frameExtra() const;
    void settleAfterShow(int looksLeft);
    static constexpr int kFrameLooks = 10;
    static constexpr int kFrameLookMs = 100;
    void settleOuterGeometry();
    void keepInFrontOfMainWindow();
    void applyOpacity();
    void keepPlacement();

    QWidget &m_window;
    QWidget &m_mainWindow;
    ToDoWindowState &m_state;
    SettingsStore &m_settings;
    std::function<ToDoBlend()> m_blendSource;
    bool m_blending = false;
    int m_blendValue = 255;
    // An outer geometry given before the window manager framed the window.
    std::optional<QRect> m_pendingOuter;
    bool m_placing = false; // our own move and resize, not the user's
    std::optional<QRect> m_writtenPlacement;
    std::optional<QRect> m_dockedAt; // where it was last docked
};

} // namespace veltrano
