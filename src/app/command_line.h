#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// What the program was asked for on its command line.
struct CommandLine
{
    // Set when the program only answers on the terminal and ends: --help,
    // --version, or arguments it does not understand (exit code not 0,
    // the answer goes to the error output).
    bool answerOnly = false;
    int exitCode = 0;
    QString answer;
    // A belt file to open after the start, as File > Open would; absolute,
    // since the start-up changes the current folder.
    QString beltFile;
    // --datasheet belt.dat --output belt.pdf: the belt file's datasheet is
    // written without a window shown, and the program ends. Both absolute.
    QString datasheet;
    QString output;

    // Before the GUI starts, Qt's own options (-platform, -style, ...) are
    // still among the arguments: only --help and --version count then, so
    // that they need no display. Once QApplication has taken its options
    // out, every argument counts.
    enum class Stage { BeforeGui, AfterGui };
};

CommandLine parseCommandLine(const QStringList& arguments, CommandLine::Stage stage);

// Whether the window can find a display: one named by the environment or by
// Qt's own -platform or -display option.
bool displayNamed(const QStringList& arguments);
// The answer when it cannot: every argument checked first, as once the
// window has started, so that a mistake is named before the missing display.
CommandLine withoutDisplay(const QStringList& arguments);

// The arguments of main() as text.
QStringList argumentList(int argc, char* argv[]);

// Prints the answer where it belongs and returns the exit code.
int printAnswer(const CommandLine& line);

} // namespace kx
