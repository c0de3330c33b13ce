#include "common/logic/SettingsStore.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace veltrano {

std::optional<int> parseSettingsInteger(const QString &text)
{
    QStringView digits = text;
    int base = 10;
    bool negative = false;
    if (digits.startsWith(u"0x") || digits.startsWith(u"0X")) {
        digits = digits.mid(2);
        base = 16;
    } else if (digits.startsWith(u'$')) {
        digits = digits.mid(1);
        base = 16;
    } else if (digits.startsWith(u'-')) {
        digits = digits.mid(1);
        negative = true;
    }
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        const bool decimal = u >= u'0' && u <= u'9';
        const bool hexLetter = (u | 0x20) >= u'a' && (u | 0x20) <= u'f';
        if (!(decimal || (base == 16 && hexLetter)))
            return std::nullopt;
    }
    bool ok = false;
    if (base == 16) {
        // Hexadecimal spells the 32 bits: $FFFFFFFF is -1.
        const qulonglong bits = digits.toULongLong(&ok, 16);
        if (!ok || bits > std::numeric_limits<quint32>::max())
            return std::nullopt;
        return static_cast<int>(static_cast<quint32>(bits));
    }
    const qlonglong magnitude = digits.toLongLong(&ok, 10);
    const qlonglong value = negative ? -magnitude : magnitude;
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

SettingsStore::SettingsStore(FileSystem &files, const TextCodec &codec, QString fileName,
                             ErrorReporter reportError)
    : m_files(files), m_codec(codec), m_fileName(std::move(fileName)), m_reportError(std::move(reportError))
{
    load();
}

bool SettingsStore::load()
{
    if (!m_files.exists(m_fileName)) {
        m_loaded = true;
        return true;
    }
    const auto bytes = m_files.readFile(m_fileName, nullptr, kSettingsFileLimit);
    if (!bytes)
        return false;
    DecodedText decoded = m_codec.decode(*bytes);
    m_document = IniDocument::parse(decoded.text);
    m_encoding = decoded.encoding;
    m_loaded = true;
    return true;
}

QString SettingsStore::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const auto raw = m_document.value(section, key);
    if (!raw)
        return defaultValue;
    QString value = *raw;
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    value.truncate(kMaxStringLength);
    return value;
}

int SettingsStore::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const auto raw = m_document.value(section, key);
    if (!raw)
        return defaultValue;
    return parseSettingsInteger(*raw).value_or(defaultValue);
}

bool SettingsStore::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool SettingsStore::writeString(const QString &section, const QString &key, const QString &value)
{
    if (m_exitWrites && m_heldRefusal)
        return false;
    // A file that exists but could not be read is never overwritten with only
    // the values this run knows: that would lose everything else in it.
    if (!m_loaded && !load()) {
        reportRefused();
        return false;
    }
    // A line break would split the value into lines of their own.
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');

    reloadIfChangedOutside();
    IniDocument changed = m_document;
    changed.setValue(section, key, oneLine);
    if (!writeDocument(std::move(changed)))
        return false;
    const auto same = [&](const ChangedKey &c) {
        return c.section.compare(section, Qt::CaseInsensitive) == 0 && c.key.compare(key, Qt::CaseInsensitive) == 0;
    };
    if (const auto it = std::find_if(m_changed.begin(), m_changed.end(), same); it != m_changed.end())
        it->value = oneLine;
    else
        m_changed.append({section, key, oneLine});
    return true;
}

bool SettingsStore::writeDocument(IniDocument changed)
{
    const IoStatus status = m_files.replaceFile(m_fileName, m_codec.encode(changed.toText(), m_encoding));
    if (!status) {
        reportRefused();
        return false;
    }
    m_document = std::move(changed);
    m_refusalTold = false;
    return true;
}

bool SettingsStore::writeAgain()
{
    if (!m_loaded)
        return false;
    return writeDocument(m_document);
}

bool SettingsStore::reloadIfChangedOutside()
{
    if (!m_loaded || !m_files.changedOutside(m_fileName))
        return false;
    const auto bytes = m_files.readFile(m_fileName, nullptr, kSettingsFileLimit);
    // What cannot be read now is not taken in: the program's picture stays.
    if (!bytes)
        return false;
    DecodedText decoded = m_codec.decode(*bytes);
    IniDocument fresh = IniDocument::parse(decoded.text);
    for (const ChangedKey &changed : std::as_const(m_changed))
        fresh.setValue(changed.section, changed.key, changed.value);
    m_document = std::move(fresh);
    m_encoding = decoded.encoding;
    return true;
}

void SettingsStore::reportRefused()
{
    const QString report = QStringLiteral("Unable to write to %1").arg(m_fileName);
    if (m_exitWrites) {
        m_heldRefusal = report;
        return;
    }
    if (!std::exchange(m_refusalTold, true))
        m_reportError(report);
}

bool SettingsStore::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool SettingsStore::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace veltrano
