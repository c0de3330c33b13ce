#pragma once
#include "support/AssembledProgram.h"
#include "todo/ui/ToDoWindow.h"
#include "todo/ui/ToDoDocking.h"
#include "todo/ui/ToDoFeature.h"

#include <QApplication>
#include <QListView>

namespace veltrano::test {

// The program put together as it runs, with a to-do list file of the test's
// choosing; finds the to-do window's controls and the other windows by name.
class ToDoWindowFixture : public AssembledProgram {
protected:
    ToDoWindow &start(const QByteArray &ini = {}, const QByteArray &list = {})
    {
        if (!list.isEmpty())
            dir.write(QStringLiteral("list.todo"), list);
        create(ini);
        return toDo();
    }
    ToDoWindow &toDo() const { return program->toDo().window(); }
    QListView *view() const { return inToDo<QListView>("ToDoList"); }
    QByteArray listFile() const { return dir.read(QStringLiteral("list.todo")); }

    template <typename T = QWidget> T *inToDo(const char *name) const
    {
        return found<T>(toDo().findChild<T *>(QLatin1String(name)), name);
    }
    QStringList itemTexts() const
    {
        QStringList texts;
        for (int row = 0; row < view()->model()->rowCount(); ++row)
            texts << view()->model()->index(row, 0).data().toString();
        return texts;
    }
};

} // namespace veltrano::test
