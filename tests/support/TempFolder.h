#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace veltrano::test {

// A fresh data folder for one test, removed afterwards. path() ends with "/".
class TempFolder {
public:
    TempFolder();
    QString path() const { return m_dir.path() + u'/'; }
    QString file(const QString &relative) const { return path() + relative; }
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;
    // A sync engine's way of bringing a version made on another machine:
    // written beside, given the time it was made there (`madeSecondsAgo`),
    // then renamed over the file.
    void bringVersion(const QString &relative, const QByteArray &bytes, int madeSecondsAgo) const;

private:
    QTemporaryDir m_dir;
};

} // namespace veltrano::test
