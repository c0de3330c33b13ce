// rtfconv: gets notes out of the program's RTF, and checks the codec from outside.
//   rtfconv --to text [FILE]   the note's plain text, UTF-8
//   rtfconv --to html [FILE]   the note as HTML (pictures inline)
//   rtfconv --to rtf [FILE]    an .rtf, .html or .txt file as the program writes RTF
// No FILE, or "-", reads standard input.
#include "BoundedInput.h"
#include "CheckedOutput.h"
#include "Convert.h"

#include "rtf/RtfPictureResources.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <optional>
#include <variant>

using namespace Qt::StringLiterals;
using namespace veltrano::rtfconv;

namespace {

// Exit codes: 1 for input or output that failed, 2 for a wrong command line.
constexpr int kFailed = 1;
constexpr int kUsage = 2;

void say(const QString &message)
{
    std::fprintf(stderr, "rtfconv: %s\n", message.toLocal8Bit().constData());
}

std::optional<Format> outputFormat(const QString &name)
{
    if (name == u"text"_s)
        return Format::Text;
    if (name == u"html"_s)
        return Format::Html;
    if (name == u"rtf"_s)
        return Format::Rtf;
    return std::nullopt;
}

struct Request {
    Format to;
    QString path;
};

// The request, or an exit code once help, the version or a usage error has
// been printed.
std::variant<Request, int> parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Converts a Veltrano note (RTF) to plain text or HTML, or an .html, .txt or .rtf file to RTF."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s, u"?"_s}, u"Displays this help and exits."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Displays the version and exits."_s);
    parser.addOptions({help, version});
    const QCommandLineOption to(u"to"_s, u"Output format: text, html or rtf."_s, u"format"_s);
    parser.addOption(to);
    parser.addPositionalArgument(u"FILE"_s, u"The file to convert; none or - reads standard input."_s, u"[FILE]"_s);
    const QString tryHelp = u" Try 'rtfconv --help'."_s;

    if (!parser.parse(arguments)) {
        say(parser.errorText() + tryHelp);
        return kUsage;
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("rtfconv %s\n", VELTRANO_VERSION);
        return 0;
    }
    if (!parser.isSet(to)) {
        say(u"no output format: give --to text, --to html or --to rtf."_s + tryHelp);
        return kUsage;
    }
    const std::optional<Format> format = outputFormat(parser.value(to));
    if (!format) {
        say(u"unknown output format '%1': use text, html or rtf."_s.arg(parser.value(to)) + tryHelp);
        return kUsage;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        say(u"give at most one FILE."_s + tryHelp);
        return kUsage;
    }
    return Request{*format, files.isEmpty() ? u"-"_s : files.constFirst()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"rtfconv"_s);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VELTRANO_VERSION));
    const auto parsed = parseCommandLine(QCoreApplication::arguments());
    if (const int *code = std::get_if<int>(&parsed))
        return *code;
    const Request request = std::get<Request>(parsed);

    const Input input = readInput(request.path);
    if (!input.error.isEmpty()) {
        say(input.error);
        return kFailed;
    }
    veltrano::PictureDocument doc;
    if (const QString error = loadDocument(input.data, request.path, doc); !error.isEmpty()) {
        say(error);
        return kFailed;
    }
    if (const QString error = writeStandardOutput(convertDocument(doc, request.to)); !error.isEmpty()) {
        say(error);
        return kFailed;
    }
    return 0;
}
