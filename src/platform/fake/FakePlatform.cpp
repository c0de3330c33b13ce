#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtFileSystem.h"

#include <QDir>
#include <QFileInfo>

namespace veltrano {
namespace {

class HeldName final : public InstanceMarker {
public:
    HeldName(QMap<QString, InstanceMarker *> &held, QString name) : m_held(held), m_name(std::move(name))
    {
        m_held.insert(m_name, this);
    }
    ~HeldName() override { m_held.remove(m_name); }

private:
    QMap<QString, InstanceMarker *> &m_held;
    QString m_name;
};

} // namespace

std::unique_ptr<InstanceMarker> FakeSingleInstance::acquire(const QString &name)
{
    if (held.contains(name))
        return nullptr;
    return std::make_unique<HeldName>(held, name);
}

std::unique_ptr<InstanceMarker> FakeSingleInstance::acquireFolder(const QString &folder)
{
    if (heldFolders.contains(folder))
        return nullptr;
    return std::make_unique<HeldName>(heldFolders, folder);
}

bool FakeSingleInstance::activateHolder(const QString &name)
{
    InstanceMarker *holder = held.value(name);
    if (!holder)
        return false;
    QMetaObject::invokeMethod(holder, &InstanceMarker::activationRequested, Qt::QueuedConnection);
    return true;
}

IoStatus FakeFileSystem::replaceFile(const QString &path, const QByteArray &bytes)
{
    ++replaceCount;
    if (diskFull)
        return IoStatus::failure(QStringLiteral("No space left on device"));
    return QtFileSystem::replaceFile(path, bytes);
}

std::optional<QByteArray> FakeFileSystem::readFile(const QString &path, QString *reason, qint64 maxBytes) const
{
    if (unreadable.contains(path)) {
        if (reason)
            *reason = QStringLiteral("Permission denied");
        return std::nullopt;
    }
    return QtFileSystem::readFile(path, reason, maxBytes);
}

QString FakeTrash::bin()
{
    if (!m_bin)
        m_bin = std::make_unique<QTemporaryDir>();
    return m_bin->path();
}

IoStatus FakeTrash::moveToTrash(const QString &path)
{
    if (!refusal.isEmpty())
        return IoStatus::failure(refusal);
    const QString name = QFileInfo(path).fileName();
    const QString target = bin() + u'/' + QString::number(trashed.size()) + u'-' + name;
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return IoStatus::failure(QStringLiteral("No such file or directory"));
    if (!QDir().rename(path, target))
        return IoStatus::failure(QStringLiteral("Invalid cross-device link"));
    trashed << path;
    return IoStatus::success();
}

FakeHotKeys::Refusal FakeHotKeys::registerHotKey(int id, int, int)
{
    const Refusal refusal = refuse.value(id, Refusal::None);
    if (refusal == Refusal::None)
        registered.insert(id);
    return refusal;
}

} // namespace veltrano
