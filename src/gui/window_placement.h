#pragma once

#include <QList>
#include <QRect>
#include <optional>

namespace tavo::gui {

// Where a window opens, worked out over rectangles only: no widget, no
// display. Every rectangle is a window's frame (what the window manager draws
// around it, title bar included) in desktop coordinates, unless said otherwise;
// a screen is its available geometry (without the panels).

// A rectangle of `size` whose centre is the centre of `over`.
QRect centredOver(QSize size, const QRect& over);

// `rect` moved, the least it takes, to lie whole on `screen`; a side longer
// than the screen's is cut to it first.
QRect clampedTo(QRect rect, const QRect& screen);

// True when `rect` covers any of the owner's title bar: the band of its frame
// above its client area, which starts at `ownerClientTop`.
bool coversTitleBar(const QRect& rect, const QRect& ownerFrame, int ownerClientTop);

// A window of `size` that belongs to the owner: beside the owner's frame (on
// the right, else on the left) when it fits there whole on `screen`, else
// centred over the owner's client area, never higher than its top so that the
// owner's title bar and its close box stay in sight; always whole on
// `screen`, cut to the room below the owner's title bar when it must be.
QRect besideOwner(QSize size, const QRect& ownerFrame, int ownerClientTop, const QRect& screen);

// The screen that holds most of `rect`; none when it touches no screen.
std::optional<QRect> screenOf(const QRect& rect, const QList<QRect>& screens);

// A place remembered from an earlier run, fit for the screens there are now:
// moved whole onto the screen that holds most of it (and cut to it), or none
// when it is empty or lies off every screen (a screen since unplugged).
std::optional<QRect> rememberedPlace(const QRect& remembered, const QList<QRect>& screens);

}  // namespace tavo::gui
