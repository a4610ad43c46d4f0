// The command line: help, version, usage errors and the picture file.
#include "mainwindow/command_line.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

mainwindow::CommandLine Read(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "/usr/games/pernoka");
    return mainwindow::ReadCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, NoArgumentsStartTheGameWithNoPicture) {
    const mainwindow::CommandLine line = Read({});
    EXPECT_FALSE(line.exitStatus);
    EXPECT_FALSE(line.pictureFile);
    EXPECT_TRUE(line.out.empty());
    EXPECT_TRUE(line.error.empty());
}

TEST(CommandLine, HelpTellsTheUsageAndEveryOption) {
    for (const char* help : {"--help", "-h"}) {
        const mainwindow::CommandLine line = Read({help});
        ASSERT_EQ(line.exitStatus, 0) << help;
        EXPECT_EQ(line.out.rfind("Usage: pernoka [options] [FILE]\n", 0), 0u) << line.out;
        for (const char* part : {"--help", "--version", "FILE", "arrow keys", "ペルノカ"})
            EXPECT_NE(line.out.find(part), std::string::npos) << part;
        EXPECT_TRUE(line.error.empty());
        EXPECT_FALSE(line.pictureFile);
    }
    // Help comes first, whatever else is asked.
    EXPECT_EQ(Read({"picture.jpg", "--version", "--help"}).out, Read({"--help"}).out);
}

TEST(CommandLine, VersionIsTheProjectsVersion) {
    // That the project's version is NEWS's newest release is the build's
    // own check (cmake/check_version.cmake).
    for (const char* version : {"--version", "-v"}) {
        const mainwindow::CommandLine line = Read({version});
        ASSERT_EQ(line.exitStatus, 0) << version;
        EXPECT_EQ(line.out, "pernoka " PERNOKA_VERSION "\n");
        EXPECT_TRUE(line.error.empty());
    }
}

TEST(CommandLine, AnUnknownOptionIsAUsageErrorNamingIt) {
    // A word after a single dash is one option, as Qt's own are written; it
    // is named as typed, dashes and all, with the way to give such a file.
    const std::pair<const char*, const char*> unknowns[] = {{"--frobnicate", "'--frobnicate'"},
                                                            {"-q", "'-q'"},
                                                            {"-platform", "'-platform'"},
                                                            {"-dash.jpg", "pernoka -- -dash.jpg"}};
    for (const auto& [unknown, named] : unknowns) {
        const mainwindow::CommandLine line = Read({unknown, "picture.jpg"});
        ASSERT_EQ(line.exitStatus, 2) << unknown;
        EXPECT_TRUE(line.out.empty());
        EXPECT_EQ(line.error.rfind("pernoka: ", 0), 0u) << line.error;
        EXPECT_NE(line.error.find(named), std::string::npos) << line.error;
        EXPECT_NE(line.error.find("pernoka --help"), std::string::npos) << line.error;
        EXPECT_EQ(line.error.find('\n'), line.error.size() - 1) << "one line: " << line.error;
        EXPECT_FALSE(line.pictureFile);
    }
}

TEST(CommandLine, OneFileIsThePictureToStartWith) {
    // Relative to the folder the program starts in, which the main window
    // will no longer have current when it reads the file.
    char folder[PATH_MAX];
    ASSERT_TRUE(getcwd(folder, sizeof folder));
    EXPECT_EQ(Read({"photos/夏.jpg"}).pictureFile, std::string(folder) + "/photos/夏.jpg");
    EXPECT_EQ(Read({"--", "-dash.jpg"}).pictureFile, std::string(folder) + "/-dash.jpg");
    EXPECT_EQ(Read({"/home/player/夏 休み.jpg"}).pictureFile, "/home/player/夏 休み.jpg");
    // Not UTF-8: the bytes as given, for the file system to find.
    EXPECT_EQ(Read({"/tmp/\xff\xfe\x81.bmp"}).pictureFile, "/tmp/\xff\xfe\x81.bmp");
    // After "--" a name may start with a dash.
    EXPECT_EQ(Read({"--", "/tmp/--help"}).pictureFile, "/tmp/--help");
    EXPECT_FALSE(Read({"--", "--help"}).exitStatus);

    // Started in a folder since deleted: no folder can stand for it, and
    // the program's own, made current later, holds a file of that name.
    char gone[] = "/tmp/pernoka-gone-XXXXXX";
    ASSERT_TRUE(mkdtemp(gone));
    ASSERT_EQ(chdir(gone), 0);
    ASSERT_EQ(rmdir(gone), 0);
    const std::optional<std::string> relative = Read({"nemaki.jpg"}).pictureFile;
    ASSERT_EQ(chdir(folder), 0);
    EXPECT_EQ(relative, "nemaki.jpg");
}

TEST(CommandLine, TwoFilesAreAUsageError) {
    const mainwindow::CommandLine line = Read({"a.jpg", "b.jpg"});
    ASSERT_EQ(line.exitStatus, 2);
    EXPECT_EQ(line.error.rfind("pernoka: ", 0), 0u);
    EXPECT_NE(line.error.find("pernoka --help"), std::string::npos);
    EXPECT_FALSE(line.pictureFile);
}

}  // namespace
