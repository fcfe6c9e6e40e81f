#include "app/CommandLine.h"

#include "version/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace commandline {

namespace {

// The words of the command line, in the player's language.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void print(std::FILE *to, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

// Qt's own options, which the application takes off the command line once it
// is made; the ones after the name take a value.
constexpr const char *ToolkitFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};
constexpr const char *ToolkitValues[] = {"platform", "platformpluginpath", "platformtheme",
                                         "plugin", "qwindowgeometry", "qwindowicon",
                                         "qwindowtitle", "session", "display", "name", "style",
                                         "stylesheet", "qmljsdebugger", "visual", "fontengine"};

} // namespace

std::optional<int> answer(int argc, char *argv[])
{
    // The game started as it always was, with nothing after its name.
    if (argc <= 1)
        return std::nullopt;
    const QString program = QString::fromLatin1(version::Title);

    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);   // bytes that are no text come as U+FFFD

    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr("A timed solitaire card game: remove the cards of a "
                                        "pyramid in sets that add up to eleven."));
    // One dash or two: Qt's own options are written -platform, the game's --help.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's own help option would offer Qt's options too, which the game
    // leaves to Qt unexplained.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Displays this help on the options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const char *name : ToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : ToolkitValues) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool parsed = parser.parse(arguments);
    const QString tryHelp = CommandLine::tr("Try '%1 --help' for the options.").arg(program);
    if (!parsed) {
        print(stderr, QStringLiteral("%1: %2\n%3\n").arg(program, parser.errorText(), tryHelp));
        return 2;
    }
    if (parser.isSet(help)) {
        // The parser names the program from the application, which is not
        // made yet.
        print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), program));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, CommandLine::tr("Quintrel %1\nCopyright %2 Quintrel developers\n"
                         "Licence: proprietary; all rights reserved. The fonts built in are "
                         "under the SIL Open Font License 1.1.\n")
                          .arg(QString::fromLatin1(version::Text))
                          .arg(version::CopyrightYear));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, CommandLine::tr("%1: takes no file or other argument, but was given %2 of them, the first "
                         "'%3'.\n%4\n")
                          .arg(program)
                          .arg(parser.positionalArguments().size())
                          .arg(parser.positionalArguments().constFirst(), tryHelp));
        return 2;
    }
    return std::nullopt;
}

} // namespace commandline
