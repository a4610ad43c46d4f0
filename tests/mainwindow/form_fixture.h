#pragma once
// The real main window on a board the tests lay out themselves, with the
// desktop, the sound and the shuffle played by fakes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cstdlib>

#include "mainwindow/board_accessibility.h"
#include "mainwindow/main_window.h"
#include "mainwindow/tile_widget.h"
#include "platform/twips.h"
#include "support/fake_board.h"
#include "support/fake_services.h"

namespace mainwindow_test {

class FormTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != &form) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A start on a plain picture. Solved: the shuffle's clicks all hit tile
    // 1, which cannot move, so the gap stays bottom right.
    void Start(int16_t index, bool solved) {
        if (solved)
            for (int i = 0; i < 1200; ++i) random.script.push_back(0.0f);
        QImage picture(90, 90, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        StartOn(picture, index);
    }

    void StartOn(QImage picture, int16_t index) {
        form.Pictures().Take(std::move(picture), "");
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Game().m1a_Click(index);
    }

    const engine::GameState& state() { return form.Game().State(); }
    const engine::Board& board() { return form.Game().State().board; }

    mainwindow::TileWidget* Tile(int index) const {
        return form.findChild<mainwindow::TileWidget*>(QStringLiteral("canv%1").arg(index));
    }

    int16_t TileAt(int col, int row) {
        return engine::TileInCell(form.Game().State().board, {static_cast<int16_t>(col), static_cast<int16_t>(row)});
    }

    // The pixels of a cell of the board on the window's client area.
    QRect CellRect(engine::Cell cell) {
        const engine::TileSize size = engine::TileSizeFor(4755, 4335, board().DivCount);
        return platform::TwipsRect(size.width * cell.col, size.height * cell.row, size.width, size.height);
    }

    // Every tile stands in its cell and is named by it, and the board tells
    // where the gap is, as the engine has the board now.
    void ExpectTilesWhereTheBoardSays() {
        const engine::Board& b = board();
        for (int16_t i = 1; i < b.DivCount * b.DivCount; ++i) {
            ASSERT_NE(Tile(i), nullptr) << i;
            EXPECT_EQ(Tile(i)->geometry(), CellRect(engine::CellOf(b, i))) << i;
            EXPECT_EQ(Tile(i)->accessibleName(), mainwindow::TileName(i, engine::CellOf(b, i))) << i;
        }
        EXPECT_EQ(form.centralWidget()->accessibleDescription(), mainwindow::GapDescription(engine::GapCell(b)));
    }

    int PopSounds() {
        int pops = 0;
        for (const std::string& call : sound.calls)
            pops += call == "WavePlay " + form.Game().Shared().AppDir + "Pop.wav";
        return pops;
    }

    testsupport::FakeSound sound;
    testsupport::ScriptedRandom random;
    testsupport::FakeServices services;
    mainwindow::Form1 form{sound, random, services};
};

}  // namespace mainwindow_test
