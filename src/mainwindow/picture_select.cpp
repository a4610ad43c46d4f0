// Choosing the picture: the refusal during a game, the dialog, the built-in
// pictures and loading under the wait cursor.
#include "mainwindow/picture_select.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/game.h"
#include "engine/texts.h"
#include "mainwindow/board_size.h"
#include "platform/open_file_dialog.h"
#include "platform/picture_loader.h"
#include "platform/services.h"

namespace mainwindow {
namespace {

// The dialog's file types: each description and each pattern followed by a
// NUL, and one more NUL closing the list.
std::string PictureFileFilter() {
    using namespace std::string_literals;
    return "ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)\0*.bmp\0"s
           "JPEGｲﾒｰｼﾞ(*.jpg)\0*.jpg\0"s
           "GIFｲﾒｰｼﾞ(*.gif)\0*.gif\0"s
           "PNGｲﾒｰｼﾞ(*.png)\0*.png\0"s
           "\0"s;
}

}  // namespace

PictureSelect::PictureSelect(engine::Game& game, platform::Services& services) : game_(game), services_(services) {}

bool PictureSelect::RefusedDuringGame() {
    if (!game_.IsOn()) return false;
    services_.MsgBox(engine::text::kGameRunning, platform::MsgButtons::Ok, engine::text::kErrorTitle);
    return true;
}

std::optional<QImage> PictureSelect::Load(const std::string& path) {
    // A large photo takes a noticeable time to decode, and the window takes
    // no input meanwhile: the cursor shows that the program works.
    platform::BusyCursor busy(services_);
    return platform::LoadPicture(path, kBoardSize);
}

void PictureSelect::Take(QImage picture, std::string path) {
    picture1_ = std::move(picture);
    game_.PictureChosen(std::move(path), true);
}

void PictureSelect::ChooseInDialog(QWidget* owner) {
    if (RefusedDuringGame()) return;
    const std::string chosen =
        platform::OpenFileDlg(services_, owner, PictureFileFilter(),
                              QFile::encodeName(QDir::currentPath()).toStdString(), engine::text::kPictureDialogTitle);
    // Cancelling keeps the picture already chosen, so a game can never start
    // on an empty one.
    if (chosen.empty()) return;
    OpenNextDialogBeside(chosen);
    ChooseFile(chosen);
}

void PictureSelect::OpenNextDialogBeside(const std::string& path) {
    // Nothing else reads the current folder: the data files are named in
    // full from AppDir.
    QDir::setCurrent(QFileInfo(QFile::decodeName(path.c_str())).absolutePath());
}

void PictureSelect::ChooseFile(const std::string& path) {
    if (RefusedDuringGame()) return;
    // A relative name belongs to a folder that is not current any more (the
    // program's own is), or no longer exists: whatever file it would find
    // here is not the one meant.
    std::optional<QImage> picture;
    if (!path.empty() && path.front() == '/') picture = Load(path);
    if (!picture) {
        // The picture chosen before stays for the next game: the player is
        // told, or the choice would look taken.
        game_.PictureChosen(path, false);
        services_.MsgBox(engine::text::kPictureUnreadable, platform::MsgButtons::Ok, engine::text::kErrorTitle);
        return;
    }
    OpenNextDialogBeside(path);
    Take(std::move(*picture), path);
}

void PictureSelect::ChooseBuiltIn(const char* fileName) { ChooseFile(game_.Shared().AppDir + fileName); }

}  // namespace mainwindow
