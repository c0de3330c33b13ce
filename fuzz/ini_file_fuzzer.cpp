// libFuzzer target for the settings file: the INI document parser and the
// store's string, integer and flag reads over it. Besides crashes and
// sanitizer reports it checks what a user of PM.INI relies on:
// - writing one value reads back as that value and changes no other one;
// - the file as written reads back, from disk, as the store held it;
// - the document's own text is a fixed point of parse and write;
// - a file that is no file of bytes (FIFO, device) or too large reads as no
//   settings, and every write is refused rather than made over it.
#include "FuzzSupport.h"
#include "common/logic/IniDocument.h"
#include "common/logic/SettingsStore.h"
#include "platform/qt/Utf8SystemCodec.h"

#include <QList>
#include <QtEndian>

using namespace veltrano;
using veltrano::fuzz::require;

namespace {

const QString kPath = QStringLiteral("/data/PM.INI");

struct Name {
    QString section;
    QString key;
};

// Names the program reads and writes, so that writes go where real ones go.
QList<Name> programNames()
{
    return {{u"Application"_qs, u"Hiden"_qs},      {u"MainForm"_qs, u"Left"_qs},
            {u"MainForm"_qs, u"Wid"_qs},           {u"MainForm"_qs, u"Alarm1Sound"_qs},
            {u"MainForm"_qs, u"Alarm1Time"_qs},    {u"ToolBars"_qs, u"Main"_qs},
            {u"Common"_qs, u"To-Do Autostart"_qs}, {u"ToDo EditForm"_qs, u"Prior"_qs}};
}

// Probes for reads: the names the file seems to hold. They need not be exact;
// a name the file does not hold must simply read as the default.
QList<Name> namesInFile(const QString &text)
{
    QList<Name> names;
    QString section;
    QString flat = text;
    flat.replace(u'\r', u'\n');
    for (const QString &line : flat.split(u'\n', Qt::SkipEmptyParts)) {
        if (names.size() >= 48)
            break;
        const qsizetype open = line.indexOf(u'[');
        const qsizetype close = line.indexOf(u']');
        if (open >= 0 && close > open) {
            section = line.mid(open + 1, close - open - 1).trimmed();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            names.append({section, line.left(eq).trimmed()});
    }
    return names;
}

// A name's string, integer and flag reads, in one comparable and printable value.
QStringList readAll(const SettingsStore &store, const Name &name)
{
    return {name.section + u'/' + name.key, store.readString(name.section, name.key, u"<default>"_qs),
            QString::number(store.readInteger(name.section, name.key, -7)),
            QString::number(store.readBool(name.section, name.key, true))};
}

bool sameName(const Name &a, const Name &b)
{
    return a.section.compare(b.section, Qt::CaseInsensitive) == 0
        && a.key.compare(b.key, Qt::CaseInsensitive) == 0;
}

// What a string value reads back as, by the Windows reading rules the store
// keeps: one line, blanks around it dropped, one pair of quotes taken off.
QString readBackOf(QString value)
{
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    value.truncate(SettingsStore::kMaxStringLength);
    return value;
}

void checkDocumentFixedPoint(const QString &text, const QList<Name> &names)
{
    const IniDocument doc = IniDocument::parse(text);
    const QString written = doc.toText();
    const IniDocument again = IniDocument::parse(written);
    require(again.toText() == written, "a written document reads back as the same text");
    for (const Name &name : names)
        require(again.value(name.section, name.key) == doc.value(name.section, name.key),
                "a written document keeps every value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::inputBytes(data, size);
    const Utf8SystemCodec codec = fuzz::codecFor(data, size);
    const QString text = codec.decode(bytes).text;

    QList<Name> names = programNames();
    names += namesInFile(text);
    checkDocumentFixedPoint(text, names);

    fuzz::MemoryFileSystem files;
    const fuzz::Hostile kind = files.place(kPath, bytes);
    bool refused = false;
    SettingsStore store(files, codec, kPath, [&](const QString &) { refused = true; });
    if (kind != fuzz::Hostile::None) {
        for (const Name &name : programNames())
            fuzz::requireEqual(store.readString(name.section, name.key, u"<default>"_qs), u"<default>"_qs,
                               "a hostile file holds no settings");
        require(!store.writeBool(u"ToolBars"_qs, u"Main"_qs, false) && refused,
                "a settings file that could not be read is not written over, and that is said");
        require(files.untouched(kPath, bytes, kind), "a hostile settings file stays as it was");
        return 0;
    }
    QList<QStringList> before;
    for (const Name &name : names)
        before.append(readAll(store, name));

    // One write of the kind the program makes, its target and value taken from the input.
    const QList<Name> targets = programNames();
    const Name target = targets.at(static_cast<qsizetype>(size % targets.size()));
    if (size >= 4 && (data[0] & 1)) {
        const int number = qFromLittleEndian<qint32>(data);
        require(store.writeInteger(target.section, target.key, number) && !refused, "a write succeeds");
        fuzz::requireEqual(store.readInteger(target.section, target.key, 0), number, "an integer reads back");
    } else {
        const QString value = text.mid(text.size() / 2, 3000);
        require(store.writeString(target.section, target.key, value) && !refused, "a write succeeds");
        fuzz::requireEqual(store.readString(target.section, target.key, QString()), readBackOf(value),
                           "a string reads back");
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!sameName(names.at(i), target))
            fuzz::requireEqual(readAll(store, names.at(i)), before.at(i), "a write changes no other value");
    }

    const SettingsStore reread(files, codec, kPath, [](const QString &) {});
    names.append(target);
    for (const Name &name : names)
        fuzz::requireEqual(readAll(reread, name), readAll(store, name),
                           "the written file reads as the store held it");
    return 0;
}
