#pragma once
#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;

namespace veltrano {

// The notification-area icon. Where the desktop has no tray, `isAvailable` is
// false and balloons are shown some other way.
class Tray : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool isAvailable() const = 0;
    virtual void show(const QIcon &icon, const QString &toolTip, QMenu *menu) = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    virtual void showBalloon(const QString &title, const QString &text, int msecs) = 0;
signals:
    void doubleClicked();
};

} // namespace veltrano
