// Where the tune's soundfont is looked for, and which one is taken.
#include "platform/audio/soundfont_path.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

using platform::audio::FindSoundFont;
using platform::audio::SoundFontCandidates;

std::vector<std::string> Under(const std::string& folder) {
    return {folder + "/sounds/sf2/TimGM6mb.sf2", folder + "/sounds/sf2/default-GM.sf2",
            folder + "/sounds/sf3/default-GM.sf3"};
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(SoundFontPath, NamedFileThenEachDataFolderInOrderThenTheSystemFolder) {
    // Empty and relative entries are skipped, a trailing slash is the same
    // folder, and /usr/share, already searched, is not searched twice.
    EXPECT_EQ(SoundFontCandidates("/home/p/mine.sf2", "/app/share/::fonts:/opt/x/share:/usr/share/"),
              Joined({{"/home/p/mine.sf2"}, Under("/app/share"), Under("/opt/x/share"), Under("/usr/share")}));
    EXPECT_EQ(SoundFontCandidates(nullptr, "/app/share"), Joined({Under("/app/share"), Under("/usr/share")}));
    // Unset or empty: the XDG default folders.
    const auto byDefault = Joined({Under("/usr/local/share"), Under("/usr/share")});
    EXPECT_EQ(SoundFontCandidates("", nullptr), byDefault);
    EXPECT_EQ(SoundFontCandidates(nullptr, ""), byDefault);
}

TEST(SoundFontPath, TheEnvironmentIsReadAtEachSearch) {
    qputenv("PERNOKA_SOUNDFONT", "/named.sf2");
    qputenv("XDG_DATA_DIRS", "/flat/share");
    const auto candidates = SoundFontCandidates();
    qunsetenv("PERNOKA_SOUNDFONT");
    qunsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(candidates, Joined({{"/named.sf2"}, Under("/flat/share"), Under("/usr/share")}));
}

TEST(SoundFontPath, FirstReadableFileWins) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string present = dir.filePath("present.sf2").toStdString();
    QFile file(QString::fromStdString(present));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    const std::string unreadable = dir.filePath("unreadable.sf2").toStdString();
    QFile::copy(QString::fromStdString(present), QString::fromStdString(unreadable));
    QFile::setPermissions(QString::fromStdString(unreadable), QFileDevice::WriteOwner);
    const bool root = QFile(QString::fromStdString(unreadable)).open(QIODevice::ReadOnly);

    EXPECT_EQ(FindSoundFont({"/no/such.sf2", dir.path().toStdString(), present}), present);  // a folder is no file
    if (!root) {  // root reads every file
        EXPECT_EQ(FindSoundFont({unreadable, present}), present);
    }
    EXPECT_EQ(FindSoundFont({"/no/such.sf2", dir.path().toStdString()}), "");
}

}  // namespace
