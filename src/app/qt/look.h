#pragma once
// The classic desktop look the window is drawn in, and the metrics that turn
// the layout's outer window size into a client size.

#include <QFont>
#include <QSize>

#include "app/window_layout.h"

class QApplication;

namespace quenzar {

// The layout gives the window's outer size, frame and caption included. The
// window manager draws its own decorations, so the client area is fixed to
// what a classic fixed-frame window of that outer size leaves: a 3-pixel
// frame on every side and a 19-pixel caption (18 pixels of title bar and the
// 1-pixel line under it). 427 x 402 outside gives 421 x 377 inside, which
// holds the group boxes ending at 376 with the last pixel row to spare.
inline constexpr int kFixedFrame = 3;
inline constexpr int kCaptionHeight = 19;
QSize clientSizeFor(int outerWidth, int outerHeight);

// Height of the sunken 3-D edge around an edit box.
inline constexpr int kEdgeHeight = 2;

// Style, palette and default font for the whole program: raised 3-D buttons,
// sunken edit boxes, the button-face colour as background.
void applyDesktopLook(QApplication& app);

// The default GUI font: 12 pixels, a Chinese face where one is installed.
QFont guiFont();

// The font a layout asks for. Where the face itself is missing, a Song-style
// CJK face stands in, so the glyphs keep their serifs.
QFont fontFor(const FontChoice& choice);

}  // namespace quenzar
