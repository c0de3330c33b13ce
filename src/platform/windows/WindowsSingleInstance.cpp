#include "platform/windows/WindowsSingleInstance.h"

#include "platform/win32/Win32Text.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QSysInfo>
#include <QWinEventNotifier>

#include <windows.h>

namespace veltrano {
namespace {

QString activationEventName(const QString &name)
{
    return name + QStringLiteral(" activate");
}

class Handle {
public:
    explicit Handle(HANDLE handle = nullptr) : m_handle(handle) {}
    ~Handle()
    {
        if (m_handle && m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

class MappingMarker final : public InstanceMarker {
public:
    MappingMarker(HANDLE mapping, const QString &name) : m_mapping(mapping)
    {
        // Without the event the program runs on; a later start just cannot
        // call it forward. A holder without an event loop could never answer.
        if (!QAbstractEventDispatcher::instance())
            return;
        m_event = std::make_unique<Handle>(CreateEventW(nullptr, FALSE, FALSE, wide(activationEventName(name))));
        if (!m_event->valid())
            return;
        m_notifier = std::make_unique<QWinEventNotifier>(m_event->get());
        connect(m_notifier.get(), &QWinEventNotifier::activated, this, &InstanceMarker::activationRequested);
    }
    ~MappingMarker() override { m_notifier.reset(); }

private:
    Handle m_mapping;
    std::unique_ptr<Handle> m_event;
    std::unique_ptr<QWinEventNotifier> m_notifier;
};

// Used when the marker cannot be made at all: refusing would keep the user
// out of the program for good, so the start goes ahead unguarded.
class NoMarker final : public InstanceMarker {};

class FolderLockMarker final : public InstanceMarker {
public:
    explicit FolderLockMarker(HANDLE file) : m_file(file) {}

private:
    Handle m_file; // FILE_FLAG_DELETE_ON_CLOSE: closing it removes the file
};

QString hostForFileName(QString host)
{
    for (QChar &c : host) {
        const char16_t u = c.unicode();
        const bool plain = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
                           || u == u'-' || u == u'.' || u == u'_';
        if (!plain)
            c = u'_';
    }
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

void writeHolder(HANDLE file, const QString &host)
{
    const QByteArray text =
        QByteArray::number(qulonglong(GetCurrentProcessId())) + "\r\nVeltrano\r\n" + host.toUtf8() + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.constData(), DWORD(text.size()), &written, nullptr);
}

} // namespace

WindowsSingleInstance::WindowsSingleInstance(QString hostName)
    : m_hostName(hostName.isEmpty() ? QSysInfo::machineHostName() : std::move(hostName))
{
}

std::unique_ptr<InstanceMarker> WindowsSingleInstance::acquire(const QString &name)
{
    // In the session's own namespace: one running copy per user session.
    HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READONLY, 0, 1, wide(name));
    const DWORD error = GetLastError();
    if (!mapping)
        return std::make_unique<NoMarker>();
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mapping);
        return nullptr;
    }
    return std::make_unique<MappingMarker>(mapping, name);
}

QString WindowsSingleInstance::folderLockPath(const QString &folder) const
{
    const QString prefix = folder.endsWith(u'/') || folder.endsWith(u'\\') ? folder : folder + u'/';
    return QDir::toNativeSeparators(prefix + QStringView(kFolderLockPrefix) + hostForFileName(m_hostName) + u'#');
}

std::unique_ptr<InstanceMarker> WindowsSingleInstance::acquireFolder(const QString &folder)
{
    // A first start may come before the folder exists; it is made here so
    // that even two first starts meet at the lock.
    QDir().mkpath(folder);
    const QString path = folderLockPath(folder);
    // No sharing: while one copy holds the file open, every other open of it
    // fails with a sharing violation, whatever access it asks for.
    HANDLE file = CreateFileW(wide(path), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        writeHolder(file, m_hostName);
        return std::make_unique<FolderLockMarker>(file);
    }
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION)
        return nullptr;
    if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) {
        // A folder that cannot be written: a lock another copy left there
        // still counts, though this copy cannot make one.
        const Handle probe(CreateFileW(wide(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!probe.valid() && GetLastError() == ERROR_SHARING_VIOLATION)
            return nullptr;
    }
    return std::make_unique<NoMarker>();
}

bool WindowsSingleInstance::activateHolder(const QString &name)
{
    const Handle event(OpenEventW(EVENT_MODIFY_STATE, FALSE, wide(activationEventName(name))));
    if (!event.valid())
        return false;
    // The holder may take the foreground only if the process the user is
    // working in (this one) lets it.
    AllowSetForegroundWindow(ASFW_ANY);
    return SetEvent(event.get()) != FALSE;
}

} // namespace veltrano
