#pragma once
// Everything pernoka-assets draws, one function per asset.
#include <QImage>
#include <QList>

namespace assets {

// The application icon drawn for a square of `size` pixels, transparent
// around the motif (icon.cpp).
QImage drawIcon(int size);
// The colours the icon must keep when reduced to 16 colours.
QList<QRgb> iconKeyColours();

// The built-in pictures, 960 x 876 (picture_summer.cpp, picture_night.cpp).
QImage drawSummerPicture();
QImage drawNightPicture();

// Logo frame 1 to 4 of the about window, 200 x 100 (logo_frames.cpp).
QImage drawLogoFrame(int frame);

inline constexpr int kPictureWidth = 960;
inline constexpr int kPictureHeight = 876;
inline constexpr int kLogoWidth = 200;
inline constexpr int kLogoHeight = 100;
inline constexpr int kLogoFrames = 4;

}  // namespace assets
