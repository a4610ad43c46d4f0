#pragma once
// The "画像" menu: choosing the picture the next game is cut from. Holds
// Picture1, the one place where the chosen picture lives; the game records
// which file it came from and whether it loaded.
#include <QImage>
#include <optional>
#include <string>

class QWidget;

namespace engine {
class Game;
}
namespace platform {
class Services;
}

namespace mainwindow {

class PictureSelect {
public:
    PictureSelect(engine::Game& game, platform::Services& services);

    // "画像選択": any BMP, JPEG, GIF or PNG file, picked in the open-file
    // dialog that starts in the current folder: where the last picture came
    // from, or the last file picked in it. Cancelling changes nothing.
    void ChooseInDialog(QWidget* owner);

    // A picture file chosen in the dialog, dropped on the main window or
    // named on the command line, by its absolute path in the file system's
    // bytes. A file that does not load, or a relative name, is reported and
    // leaves the picture as it was, with PicturePath naming it; a picture
    // that loads makes its folder the current one.
    void ChooseFile(const std::string& path);

    // "パンチラ" and "ねまき": a picture of the program's folder, chosen as
    // any other file is.
    void ChooseBuiltIn(const char* fileName);

    // A picture loaded from path becomes the next game's.
    void Take(QImage picture, std::string path);

    const QImage& Picture1() const { return picture1_; }

private:
    // All the commands refuse while a game is on.
    bool RefusedDuringGame();
    // Loads under the wait cursor; nothing when the file does not load.
    std::optional<QImage> Load(const std::string& path);
    // The file's folder becomes the current one, where the dialog opens.
    static void OpenNextDialogBeside(const std::string& path);

    engine::Game& game_;
    platform::Services& services_;
    QImage picture1_;
};

}  // namespace mainwindow
