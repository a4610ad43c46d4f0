#pragma once
// Form1: the main window, its menu tree, the board and the game it runs.
#include <QAction>
#include <QMainWindow>
#include <array>

#include "engine/game.h"
#include "mainwindow/move_painting_sound.h"
#include "mainwindow/session.h"
#include "sound/bgm_switch.h"

namespace platform {
class Services;
}

namespace mainwindow {

class TileWidget;

class Form1 final : public QMainWindow, private engine::WindowPort, private sound::BgmMenu {
public:
    Form1(Session& session, engine::SoundPort& sound, engine::RandomSource& random, platform::Services& services);
    ~Form1() override;

    // Menu commands.
    void m1a_Click(int16_t Index);
    void m1b_Click();
    void m4_Click();
    void m2a_Click();
    void m2b_Click();
    void m2c_Click();
    void m3a_Click(int16_t Index);
    void m6_Click();
    void m8_Click();
    void m5a_Click();
    void m5b_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // An arrow key presses the tile beside the gap that would move that way.
    void keyPressEvent(QKeyEvent* event) override;
    // One local picture file dropped on the window is chosen as in "画像選択".
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildDesign();
    void BuildMenu();
    void Form_Load();
    void Form_Unload();
    TileWidget* Tile(int16_t index) const;
    // A press on tile index, from the tile itself or from an arrow key.
    void PressTile(int16_t index);
    // Tells assistive tools where the gap is after the board has changed.
    void DescribeGap();

    // engine::WindowPort
    int32_t ScaleWidth() const override;
    int32_t ScaleHeight() const override;
    void SetTemplateSize(float width, float height) override;
    float TemplateWidth() const override { return templateWidth_; }
    float TemplateHeight() const override { return templateHeight_; }
    int32_t PictureWidth() const override { return session_.picture1.width(); }
    int32_t PictureHeight() const override { return session_.picture1.height(); }
    void HidePicture() override;
    void LoadTile(int16_t index) override;
    void UnloadTile(int16_t index) override;
    void ShowTile(int16_t index) override;
    void MoveTile(int16_t index, float left, float top) override;
    void DrawPiece(int16_t index, const engine::PieceRect& source) override;
    void SetCaption(const std::string& text) override;
    void SetBackColor(uint32_t rgb) override;
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    void EndProcess() override;

    // sound::BgmMenu
    void ShowBgmSwitch(bool on) override;

    Session& session_;
    platform::Services& services_;
    MovePaintingSound sound_;
    engine::Game game_;

    QWidget* board_ = nullptr;     // the client area below the menu bar
    TileWidget* canv0_ = nullptr;  // the hidden template tile
    std::array<TileWidget*, engine::kTileSlots> tiles_{};
    float templateWidth_ = 0, templateHeight_ = 0;
    std::array<QAction*, 2> m3a_{};
};

}  // namespace mainwindow
