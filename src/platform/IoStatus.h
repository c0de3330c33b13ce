#pragma once
#include <QString>

namespace veltrano {

// Outcome of a file operation: success, or the system's reason for refusing it.
struct IoStatus {
    bool ok = true;
    QString reason;

    static IoStatus success() { return {}; }
    static IoStatus failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

} // namespace veltrano
