#pragma once
#include <QIcon>
#include <QList>
#include <QObject>

namespace veltrano {

// The shared picture lists (all 16 x 16). No window: created third at start-up.
class TDataModuleImg : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleImg(QObject *parent = nullptr);

    QList<QIcon> ImageListSmall;   // main tool bar, bottom bar
    QList<QIcon> ImageListNotePad; // note tool bar
    QList<QIcon> ImageListLevels;  // project tree, one per level 0 to 6
    QList<QIcon> ImageListDays;    // tray: index d on day d of the month
};

} // namespace veltrano
