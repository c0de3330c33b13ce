#include "platform/windows/WindowsMci.h"

#include "platform/win32/Win32Text.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>

#include <windows.h>

#include <mmsystem.h>

namespace veltrano {
namespace {

constexpr auto kAlias = u"veltrano_alarm";

MCIERROR mci(const QString &command)
{
    return mciSendStringW(wide(command), nullptr, 0, nullptr);
}

} // namespace

QString MciDeviceTypeFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"wav")
        return QStringLiteral("waveaudio");
    if (suffix == u"mid" || suffix == u"midi" || suffix == u"rmi")
        return QStringLiteral("sequencer");
    return QStringLiteral("mpegvideo");
}

WindowsSound::~WindowsSound()
{
    if (m_open)
        mci(QStringLiteral("close ") + QString::fromUtf16(kAlias));
}

void WindowsSound::play(const QString &path)
{
    const QString alias = QString::fromUtf16(kAlias);
    if (m_open) {
        mci(QStringLiteral("close ") + alias);
        m_open = false;
    }
    // A quote would end the file's name early inside the command; no file
    // name on Windows may hold one, so such a path is no file.
    if (path.isEmpty() || path.contains(u'"')) {
        answerLater(path, false);
        return;
    }
    const QString open = QStringLiteral("open \"%1\" type %2 alias %3")
                             .arg(QDir::toNativeSeparators(path), MciDeviceTypeFor(path), alias);
    m_open = mci(open) == 0;
    const bool played = m_open && mci(QStringLiteral("play ") + alias) == 0;
    answerLater(path, played);
}

bool WindowsCdTray::open()
{
    return mci(QStringLiteral("set cdaudio door open wait")) == 0;
}

bool WindowsCdTray::close()
{
    return mci(QStringLiteral("set cdaudio door closed wait")) == 0;
}

} // namespace veltrano
