#include "app/command_line.h"

#include "version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace kx {

namespace {
const char* const ProgramName = "kx-konfigurator";

CommandLine answer(int exitCode, const QString& text)
{
    CommandLine line;
    line.answerOnly = true;
    line.exitCode = exitCode;
    line.answer = text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n');
    return line;
}

CommandLine mistake(const QString& text)
{
    return answer(2, text + QStringLiteral("\nTry '%1 --help'.").arg(QLatin1String(ProgramName)));
}
} // namespace

CommandLine parseCommandLine(const QStringList& arguments, CommandLine::Stage stage)
{
    QCommandLineParser parser;
    // "-platform" is one option, not eight.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("KX-Konfigurator: compose a conveyor belt and get its order code."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption datasheet(
        QStringLiteral("datasheet"),
        QStringLiteral("Write the datasheet of a belt file (.dat) as a PDF, without a display, "
                       "and end; needs --output."),
        QStringLiteral("file"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("The PDF file --datasheet writes."),
                                    QStringLiteral("file"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(datasheet);
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A belt file (.dat) to open, as File > Open does."),
                                 QStringLiteral("[file]"));
    const bool understood = parser.parse(arguments);

    // Qt's usage line names the program by argv[0], or by a placeholder
    // while there is no application object yet.
    if (parser.isSet(help))
        return answer(
            0, QStringLiteral("Usage: %1 [options] [file]\n").arg(QLatin1String(ProgramName)) +
                   parser.helpText().section(QLatin1Char('\n'), 1));
    if (parser.isSet(version))
        return answer(0, QStringLiteral("KX-Konfigurator " KX_VERSION));
    CommandLine line;
    const auto absolute = [&parser](const QCommandLineOption& option) {
        const QString path = parser.value(option);
        return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    };
    // Before the GUI it tells main() that no display is needed.
    line.datasheet = absolute(datasheet);
    line.output = absolute(output);
    if (stage == CommandLine::Stage::BeforeGui)
        return line;
    if (!understood)
        return mistake(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return mistake(QStringLiteral("One belt file at a time, not %1.").arg(files.size()));
    if (line.datasheet.isEmpty() != line.output.isEmpty())
        return mistake(QStringLiteral("--datasheet and --output go together."));
    if (!line.datasheet.isEmpty() && !files.isEmpty())
        return mistake(QStringLiteral("A datasheet is written from --datasheet, not from %1.")
                           .arg(files.first()));
    if (!files.isEmpty())
        line.beltFile = QFileInfo(files.first()).absoluteFilePath();
    return line;
}

bool displayNamed(const QStringList& arguments)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (const QString& argument : arguments)
        for (const char* option : {"-platform", "--platform", "-display", "--display"})
            if (argument == QLatin1String(option) ||
                argument.startsWith(QLatin1String(option) + QLatin1Char('=')))
                return true;
    return false;
}

CommandLine withoutDisplay(const QStringList& arguments)
{
    const CommandLine line = parseCommandLine(arguments, CommandLine::Stage::AfterGui);
    if (line.answerOnly)
        return line;
    return answer(1, QStringLiteral("%1: no display found; --datasheet needs none.")
                         .arg(QLatin1String(ProgramName)));
}

QStringList argumentList(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int printAnswer(const CommandLine& line)
{
    std::FILE* out = line.exitCode == 0 ? stdout : stderr;
    std::fputs(line.answer.toLocal8Bit().constData(), out);
    std::fflush(out);
    return line.exitCode;
}

} // namespace kx
