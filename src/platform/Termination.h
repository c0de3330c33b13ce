#pragma once
#include <QObject>

namespace veltrano {

// Tells when the system asks the program to end (a terminate signal, the
// desktop session ending), so it can run its normal shutdown.
class Termination : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void watch() = 0;
signals:
    void terminationRequested();
};

} // namespace veltrano
