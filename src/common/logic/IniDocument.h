#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace veltrano {

// The text of a Windows INI file, kept line for line so that comments, unknown
// keys and the user's layout survive every write. Section and key names match
// without regard to case; the first occurrence of a name wins.
class IniDocument {
public:
    static IniDocument parse(const QString &text);
    QString toText() const;

    // The raw value after "=", blanks around it removed; nothing when missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Replaces the value in place, adds the key at the end of its section, or
    // adds the section at the end of the file.
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    struct KeyLine {
        qsizetype index = -1;
        QString name;
    };
    qsizetype findSection(const QString &section) const;
    // First line after the section's header that opens another section.
    qsizetype sectionEnd(qsizetype header) const;
    KeyLine findKey(qsizetype header, const QString &key) const;

    QStringList m_lines;
    QString m_newline = QStringLiteral("\r\n");
};

} // namespace veltrano
