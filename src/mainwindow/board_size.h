#pragma once
// The main window's client area below the menu bar, where the board lies:
// 4755 × 4335 twips, which is 317 × 289 pixels.
#include <QSize>

#include "platform/twips.h"

namespace mainwindow {

inline constexpr int kBoardWidthTwips = 4755;
inline constexpr int kBoardHeightTwips = 4335;
static_assert(kBoardWidthTwips % platform::kTwipsPerPixel == 0 && kBoardHeightTwips % platform::kTwipsPerPixel == 0,
              "the board is a whole number of pixels");

inline constexpr QSize kBoardSize(kBoardWidthTwips / platform::kTwipsPerPixel,
                                  kBoardHeightTwips / platform::kTwipsPerPixel);

}  // namespace mainwindow
