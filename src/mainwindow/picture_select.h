#pragma once
// The "画像" menu: choosing the picture the next game is cut from.
#include <QImage>
#include <string>

#include "engine/game_state.h"

class QWidget;

namespace mainwindow {

// "画像選択": any BMP, JPEG or GIF file, picked in the open-file dialog that
// starts in the current folder. Cancelling changes nothing; a file that does
// not load leaves the picture and PictureLoaded as they were, silently,
// with PicturePath naming it.
void m2a_Click(engine::GameState& state, QImage& picture1, QWidget* owner);

// "パンチラ" and "ねまき": the built-in pictures pantira.jpg and nemaki.jpg of
// the program's folder. If the file is missing or does not load, the player
// is told so and only PicturePath changes.
void m2b_Click(engine::GameState& state, const engine::Globals& globals, QImage& picture1);
void m2c_Click(engine::GameState& state, const engine::Globals& globals, QImage& picture1);

}  // namespace mainwindow
