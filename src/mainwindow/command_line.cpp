// Reading the command line: the options, the one picture file, and the
// usage errors.
#include "mainwindow/command_line.h"

#include <unistd.h>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <cerrno>
#include <vector>

namespace mainwindow {
namespace {

constexpr int kUsageError = 2;

const char* const kHelp =
    "Usage: pernoka [options] [FILE]\n"
    "Pernoka, a sliding-tile picture puzzle with a limit on moves.\n"
    "ペルノカ: 手数に限りのあるスライドパズルです。\n"
    "\n"
    "Options:\n"
    "  -h, --help     Show this help and exit.\n"
    "  -v, --version  Show the version and exit.\n"
    "\n"
    "Arguments:\n"
    "  FILE           A BMP, JPEG, GIF or PNG picture to start with, taken as\n"
    "                 if chosen with 画像 > 画像選択.\n"
    "\n"
    "Play: choose a picture in 画像, a grid in 開始, then click the tiles next\n"
    "to the gap or press the arrow keys. Alt opens the menus; a picture file\n"
    "dropped on the window before a game is chosen too.\n";

CommandLine UsageError(const std::string& what) {
    CommandLine line;
    line.exitStatus = kUsageError;
    line.error = "pernoka: " + what + " Try 'pernoka --help'.\n";
    return line;
}

// Qt names an unknown option without its dashes; a player who typed a file
// name that starts with one needs to see it as typed, and how to give it.
CommandLine UnknownOption(const QStringList& arguments, const QString& name) {
    QString typed = QStringLiteral("--") + name;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) break;
        if (argument.startsWith(QLatin1Char('-')) && argument.section(QLatin1Char('='), 0, 0).endsWith(name)) {
            typed = argument.section(QLatin1Char('='), 0, 0);
            break;
        }
    }
    const std::string option = typed.toLatin1().toStdString();
    return UsageError("unknown option '" + option +
                      "'; a file whose name starts with '-' goes after '--' (pernoka -- " + option + ").");
}

// The folder the program was started in, as bytes: the main window makes the
// program's own folder current later, and a relative name means this one.
std::string StartFolder() {
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

// A relative name stays relative when the start folder is gone: no folder
// the program could name for it is the one it was given in.
std::string Absolute(const std::string& file) {
    if (file.empty() || file.front() == '/') return file;
    const std::string folder = StartFolder();
    if (folder.empty()) return file;
    return folder.back() == '/' ? folder + file : folder + '/' + file;
}

}  // namespace

const char* ProgramVersion() { return PERNOKA_VERSION; }

CommandLine ReadCommandLine(int argc, const char* const* argv) {
    // Each byte as one Latin-1 character: the options are ASCII either way,
    // and a file name comes back byte for byte, whatever its encoding.
    QStringList arguments{QStringLiteral("pernoka")};
    for (int i = 1; i < argc; ++i) arguments << QString::fromLatin1(argv[i]);

    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return UnknownOption(arguments, parser.unknownOptionNames().front());
        return UsageError(parser.errorText().toLatin1().toStdString());
    }

    CommandLine line;
    if (parser.isSet(help)) {
        line.exitStatus = 0;
        line.out = kHelp;
        return line;
    }
    if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.out = std::string("pernoka ") + ProgramVersion() + "\n";
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return UsageError("only one picture file can be given.");
    if (!files.isEmpty()) line.pictureFile = Absolute(files.front().toLatin1().toStdString());
    return line;
}

}  // namespace mainwindow
