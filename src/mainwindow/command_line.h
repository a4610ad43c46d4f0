#pragma once
// The command line: pernoka [--help] [--version] [FILE]. Read before any
// window system is reached, so that --help and --version work without a
// display.
#include <optional>
#include <string>

namespace mainwindow {

struct CommandLine {
    // Set when the program is to end at once with this status, after
    // printing out (to the standard output) and error (to the standard error).
    std::optional<int> exitStatus;
    std::string out;
    std::string error;
    // The picture file to start with, as the bytes it was given in; a
    // relative name is made absolute against the folder the program was
    // started in, and stays relative when that folder no longer exists.
    std::optional<std::string> pictureFile;
};

// Reads argv[1..argc-1]; argv[0] is not looked at.
CommandLine ReadCommandLine(int argc, const char* const* argv);

// The program's version, from the build.
const char* ProgramVersion();

}  // namespace mainwindow
