#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace veltrano {

std::optional<int> answerCommandLineQuestion(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // Qt's single-dash options (-reverse, -session, ...) stay whole words,
    // never read as -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        u"A desktop organizer: projects with notes, a quick to-do list, a weekly timeline and an alarm clock."_s);
    // Our own help option: Qt's adds --help-all, whose extra list no
    // application object prints here.
    const QCommandLineOption help({u"h"_s, u"help"_s, u"?"_s}, u"Displays this help and exits."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Displays the version and exits."_s);
    parser.addOptions({help, version});
    // Unknown arguments are no error here: the program ignores them.
    parser.parse(arguments);

    if (parser.isSet(version)) {
        std::printf("veltrano %s\n", VELTRANO_VERSION);
        return 0;
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it was started; that needs an
        // application object, and a core one needs no display.
        QCoreApplication core(argc, argv);
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    return std::nullopt;
}

} // namespace veltrano
