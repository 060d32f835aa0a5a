#pragma once
class QPixmap;

namespace app {

// The picture of the access point's front panel the main window shows,
// with the places of its lamps left dark.
QPixmap FrontPanelPicture(int width, int height);

} // namespace app
