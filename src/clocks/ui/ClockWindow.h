#pragma once
// The desk clock window, "Deduvi Clock": a thin window over ClockRender.
#include "clocks/logic/ClockRender.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class QAction;
class QLabel;
class QMenu;

namespace veltrano {

class Clock;
class ClockLayer;
class ClockPanel;
class RegionalFormats;
class SettingsStore;

// Created hidden at start-up and kept to the end; closing it only hides it.
// It belongs to the desktop, not to the main window, so it stays when the
// main window hides to the tray.
class ClockWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{171, 187};
    static constexpr int kTimer1Ms = 500;

    // `savedPosition`: where the clock was closed last time, when it is to
    // reopen there (read at start-up); otherwise it opens centred.
    ClockWindow(SettingsStore &settings, const Clock &clock, const RegionalFormats &formats,
                std::optional<QPoint> savedPosition);
    ~ClockWindow() override;

    // Shows the clock, or brings it to the front when it is already shown.
    void showClock();
    void onTick();
    void toggleStayOnTop();
    const ClockRender &render() const { return m_render; }
    // The two layers as last drawn: `Moscow` (the dial) and `Image1` (hands).
    const QImage &dialPicture() const { return m_dial; }
    const QImage &handsPicture() const { return m_hands; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPanel();
    void buildMenu();
    void onShow();
    void ensureLayers();
    void drawHands();
    void drawDial();
    void placeOnFirstShow();

    SettingsStore &m_settings;
    const Clock &m_clock;
    const RegionalFormats &m_formats;
    ClockRender m_render;
    QImage m_dial;
    QImage m_hands;
    std::optional<HandTime> m_handsShown;
    bool m_dialShown = false;
    int m_secondShown = -1; // of the day, in LabelTime
    bool m_placed = false;

    ClockPanel *m_clockPanel = nullptr;
    ClockLayer *m_dialLayer = nullptr;
    ClockLayer *m_handsLayer = nullptr;
    QLabel *m_timeLabel = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_stayOnTop = nullptr;
    QTimer m_tick;
};

} // namespace veltrano
