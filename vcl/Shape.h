#pragma once
// A filled ellipse (the front panel's lamps) and a picture.
#include <cstdint>
#include <string>

#include "vcl/Control.h"

class QPixmap;

namespace vcl {

using TColor = std::uint32_t;   // 0x00BBGGRR, as the toolkit writes colours
constexpr TColor clBlack = 0x000000;
constexpr TColor clLime = 0x00FF00;

class TShape : public TControl {
public:
    explicit TShape(TWinControl* parent);
    TColor BrushColor() const { return color_; }
    void SetBrushColor(TColor color);

private:
    TColor color_ = clBlack;
};

class TImage : public TControl {
public:
    explicit TImage(TWinControl* parent);
    // A picture file (PNG, SVG, ...), stretched to the control.
    bool LoadFromFile(const std::string& path);
    void SetPicture(const QPixmap& picture);
};

} // namespace vcl
