#include "gui/window_placement.h"

#include <algorithm>

namespace tavo::gui {

QRect centredOver(QSize size, const QRect& over) {
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(over.center());
    return rect;
}

QRect clampedTo(QRect rect, const QRect& screen) {
    rect.setSize(rect.size().boundedTo(screen.size()));
    rect.moveLeft(std::clamp(rect.left(), screen.left(), screen.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), screen.top(), screen.bottom() - rect.height() + 1));
    return rect;
}

bool coversTitleBar(const QRect& rect, const QRect& ownerFrame, int ownerClientTop) {
    const QRect titleBar(ownerFrame.left(), ownerFrame.top(), ownerFrame.width(),
                         ownerClientTop - ownerFrame.top());
    return rect.intersects(titleBar);
}

QRect besideOwner(QSize size, const QRect& ownerFrame, int ownerClientTop, const QRect& screen) {
    if (size.height() <= screen.height()) {
        for (const int left : {ownerFrame.right() + 1, ownerFrame.left() - size.width()}) {
            const QRect beside(QPoint(left, ownerFrame.top()), size);
            if (beside.left() >= screen.left() && beside.right() <= screen.right())
                return clampedTo(beside, screen);
        }
    }
    // Over the owner: the room of the screen below the owner's title bar.
    QRect room = screen;
    room.setTop(std::clamp(ownerClientTop, screen.top(), screen.bottom()));
    const QRect client(ownerFrame.left(), ownerClientTop, ownerFrame.width(),
                       ownerFrame.bottom() - ownerClientTop + 1);
    return clampedTo(centredOver(size, client), room);
}

std::optional<QRect> screenOf(const QRect& rect, const QList<QRect>& screens) {
    std::optional<QRect> best;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect common = rect.intersected(screen);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    return best;
}

std::optional<QRect> rememberedPlace(const QRect& remembered, const QList<QRect>& screens) {
    if (remembered.isEmpty())
        return std::nullopt;
    const std::optional<QRect> screen = screenOf(remembered, screens);
    if (!screen)
        return std::nullopt;
    return clampedTo(remembered, *screen);
}

}  // namespace tavo::gui
