#pragma once
// What the engine needs from the main window. Geometry is in twips, the
// window's scale unit; picture sizes and piece rectangles are in pixels.
#include <cstdint>
#include <string>

namespace engine {

struct PieceRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PieceRect&) const = default;
};

class WindowPort {
public:
    virtual ~WindowPort() = default;

    // Inner size of the main window below its menu bar, in twips.
    virtual int32_t ScaleWidth() const = 0;
    virtual int32_t ScaleHeight() const = 0;

    // The template tile canv(0): its outer size in twips.
    virtual void SetTemplateSize(float width, float height) = 0;
    virtual float TemplateWidth() const = 0;
    virtual float TemplateHeight() const = 0;

    // Inner size of the hidden picture holder, in pixels.
    virtual int32_t PictureWidth() const = 0;
    virtual int32_t PictureHeight() const = 0;
    virtual void HidePicture() = 0;

    // Tiles canv(1)..canv(35), created as copies of the template.
    virtual void LoadTile(int16_t index) = 0;
    // Deferred when a tile's own click handler is still running.
    virtual void UnloadTile(int16_t index) = 0;
    virtual void ShowTile(int16_t index) = 0;
    virtual void MoveTile(int16_t index, float left, float top) = 0;
    // Draws the picture's rectangle into the whole tile, once.
    virtual void DrawPiece(int16_t index, const PieceRect& source) = 0;

    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetBackColor(uint32_t rgb) = 0;

    // A modal message box; returns the button pressed (see msgbox_codes.h).
    virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;

    // Ends the process at once; does not return in the real program.
    virtual void EndProcess() = 0;
};

}  // namespace engine
