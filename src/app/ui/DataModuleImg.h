#pragma once
#include <QIcon>
#include <QList>
#include <QObject>

namespace veltrano {

// The shared picture lists (all 16 x 16). No window: created third at start-up.
// Each list is drawn the first time it is asked for, so start-up draws none.
class TDataModuleImg : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleImg(QObject *parent = nullptr);

    const QList<QIcon> &ImageListSmall() const;   // main tool bar, bottom bar
    const QList<QIcon> &ImageListNotePad() const; // note tool bar
    const QList<QIcon> &ImageListLevels() const;  // project tree, one per level 0 to 6
    const QList<QIcon> &ImageListDays() const;    // tray: index d on day d of the month

private:
    mutable QList<QIcon> m_small;
    mutable QList<QIcon> m_notePad;
    mutable QList<QIcon> m_levels;
    mutable QList<QIcon> m_days;
};

} // namespace veltrano
