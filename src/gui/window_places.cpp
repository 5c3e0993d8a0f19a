#include "gui/window_places.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <optional>

#include "gui/window_placement.h"

namespace tavo::gui {
namespace {

bool rememberBetweenRuns = false;

// States in which the window manager, not the program, decides the window's rectangle.
constexpr Qt::WindowStates kNotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// The width of the frame the window manager draws on each side of `window`.
QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QList<QRect> availableScreens() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    return screens;
}

// Follows one window's showing and hiding. A place is kept as the window's
// client area: given back as it was, it does not drift by the frame's width
// when the window manager's frame is not known yet (the first showing).
class PlaceKeeper : public QObject {
  public:
    PlaceKeeper(QWidget& window, QString key, WindowRole role, QWidget* owner)
        : QObject(&window), window_(window), key_(std::move(key)), role_(role), owner_(owner) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Spontaneous ones are the window manager's minimising and restoring.
        if (watched == &window_ && !event->spontaneous()) {
            if (event->type() == QEvent::Show)
                place();
            else if (event->type() == QEvent::Hide)
                keep();
        }
        return false;
    }

  private:
    void place();
    void keep();
    bool ownerShown() const { return owner_ && owner_->isVisible(); }
    QMargins margins() const;
    std::optional<QRect> lastPlace() const;
    QRect defaultPlace(QSize frameSize) const;

    QWidget& window_;
    const QString key_;
    const WindowRole role_;
    const QPointer<QWidget> owner_;
    std::optional<QRect> kept_;
};

// Just before the window is mapped: its place given to the window manager.
void PlaceKeeper::place() {
    if (window_.windowState() & kNotNormal)
        return;
    const QMargins frame = margins();
    // Never smaller than all the window holds: a place remembered from a
    // smaller font, or a size cut to part of the screen, grows to it.
    const QSize minimum = window_.minimumSize().expandedTo(window_.minimumSizeHint());
    std::optional<QRect> place;
    if (std::optional<QRect> last = lastPlace()) {
        last->setSize(last->size().expandedTo(minimum));
        place = rememberedPlace(last->marginsAdded(frame), availableScreens());
        if (place && role_ == WindowRole::BesideOwner && ownerShown() &&
            coversTitleBar(*place, owner_->frameGeometry(), owner_->geometry().top()))
            place.reset();
    }
    if (!place)
        place = defaultPlace(window_.size().expandedTo(minimum).grownBy(frame));
    window_.setGeometry(place->marginsRemoved(frame));
}

void PlaceKeeper::keep() {
    if (window_.windowState() & kNotNormal)
        return;
    kept_ = window_.geometry();
    if (rememberBetweenRuns)
        QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo")).setValue(key_, *kept_);
}

// The window's own frame once it has been shown; before that, the owner's
// (the same window manager draws both).
QMargins PlaceKeeper::margins() const {
    const QMargins own = frameMargins(window_);
    return own.isNull() && owner_ ? frameMargins(*owner_) : own;
}

std::optional<QRect> PlaceKeeper::lastPlace() const {
    if (kept_)
        return kept_;
    if (!rememberBetweenRuns)
        return std::nullopt;
    const QVariant remembered =
        QSettings(QStringLiteral("TAVO"), QStringLiteral("tavo")).value(key_);
    if (!remembered.canConvert<QRect>())
        return std::nullopt;
    return remembered.toRect();
}

QRect PlaceKeeper::defaultPlace(QSize frameSize) const {
    if (role_ == WindowRole::Main || !ownerShown()) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        return clampedTo(centredOver(frameSize, screen), screen);
    }
    const QRect screen = owner_->screen()->availableGeometry();
    const QRect ownerFrame = owner_->frameGeometry();
    if (role_ == WindowRole::OverOwner)
        return clampedTo(centredOver(frameSize, ownerFrame), screen);
    return besideOwner(frameSize, ownerFrame, owner_->geometry().top(), screen);
}

}  // namespace

void keepWindowPlace(QWidget& window, const QString& key, WindowRole role, QWidget* owner) {
    new PlaceKeeper(window, key, role, owner);
}

void rememberWindowPlacesBetweenRuns(bool on) {
    rememberBetweenRuns = on;
}

}  // namespace tavo::gui
