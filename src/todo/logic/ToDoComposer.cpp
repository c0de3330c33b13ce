#include "todo/logic/ToDoComposer.h"

#include "common/logic/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/RegionalFormats.h"

namespace veltrano {
namespace {

struct OptionKey {
    const char16_t *key;
    bool ToDoComposeOptions::*flag;
};

// The order the composer writes them in at exit.
constexpr OptionKey kOptionKeys[] = {
    {u"Time", &ToDoComposeOptions::time},
    {u"Date", &ToDoComposeOptions::date},
    {u"Prior", &ToDoComposeOptions::priority},
    {u"Mark", &ToDoComposeOptions::marker},
    {u"Num", &ToDoComposeOptions::autonumeration},
    {u"Scob", &ToDoComposeOptions::brackets},
};

} // namespace

ToDoComposeOptions ToDoComposeOptions::defaults()
{
    ToDoComposeOptions options;
    options.autonumeration = true;
    options.brackets = true;
    return options;
}

ToDoComposeOptions ReadToDoComposeOptions(const SettingsStore &settings)
{
    const QString section = QString::fromUtf16(kToDoEditSection);
    ToDoComposeOptions options;
    for (const OptionKey &option : kOptionKeys)
        options.*option.flag = settings.readBool(section, QString::fromUtf16(option.key), false);
    return options;
}

bool WriteToDoComposeOptions(SettingsStore &settings, const ToDoComposeOptions &options)
{
    const QString section = QString::fromUtf16(kToDoEditSection);
    for (const OptionKey &option : kOptionKeys) {
        if (!settings.writeBool(section, QString::fromUtf16(option.key), options.*option.flag))
            return false;
    }
    return true;
}

QString ComposeToDoText(const QString &typed, const ToDoComposeOptions &options,
                        const QString &dateText, const QString &timeText, qsizetype itemCount)
{
    QString t = typed;
    if (options.marker)
        t = u"  -- " + t;
    if (options.time)
        t = t + u" [ " + timeText + u" ]";
    if (options.date)
        t = t + u" [ " + dateText + u" ]";
    if (options.priority)
        t = u"[ ! ] " + t;
    if (options.brackets)
        t = u'[' + t + u']';
    if (options.autonumeration)
        t = QString::number(itemCount + 1) + u") " + t;
    return t;
}

ToDoStamps ReadToDoStamps(const Clock &clock, const RegionalFormats &formats)
{
    ToDoStamps stamps;
    stamps.date = formats.shortDate(clock.now().date());
    stamps.time = formats.longTime(clock.now().time());
    return stamps;
}

} // namespace veltrano
