#pragma once
#include <QObject>
#include <QString>

namespace veltrano {

// System-wide hot keys, received while the program's windows are hidden or
// another program has the focus.
class HotKeys : public QObject {
    Q_OBJECT
public:
    enum class Refusal { None, HeldByAnotherProgram, Unsupported };
    using QObject::QObject;
    // Grabs `key` (a Qt::Key) with `modifiers` (Qt::KeyboardModifiers) under `id`.
    virtual Refusal registerHotKey(int id, int key, int modifiers) = 0;
    virtual void unregisterHotKey(int id) = 0;
signals:
    void hotKeyPressed(int id);
};

} // namespace veltrano
