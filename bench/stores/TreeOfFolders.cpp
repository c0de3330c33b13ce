#include "TreeOfFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace veltrano::bench {

const QString &TenThousandFolders()
{
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString root = dir.path() + u'/';
        for (int p = 0; p < 100; ++p) {
            for (int s = 0; s < 9; ++s) {
                for (int d = 0; d < 10; ++d) {
                    const QString path = root + u"Projects Group/Project " + QString::number(p) + u"/Part "
                                         + QString::number(s) + u"/Task " + QString::number(d);
                    QDir().mkpath(path);
                    QFile note(path + u"/note.rtf");
                    note.open(QIODevice::WriteOnly);
                }
                QFile note(root + u"Projects Group/Project " + QString::number(p) + u"/Part "
                           + QString::number(s) + u"/note.rtf");
                note.open(QIODevice::WriteOnly);
            }
        }
        return root;
    }();
    return folder;
}

} // namespace veltrano::bench
