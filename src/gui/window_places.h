#pragma once

#include <QString>

class QWidget;

namespace tavo::gui {

// Where a window opens when it has no place of its own yet (its first
// showing in a run, with nothing remembered, or a remembered place that no
// longer fits the screens).
enum class WindowRole {
    Main,         // centred on the primary screen
    OverOwner,    // centred over the window it belongs to
    BesideOwner,  // beside the window it belongs to, or over it below its title bar
};

// Keeps `window` where the user expects it: placed by its role the first
// time it opens, and afterwards, hidden and shown again, back where it was.
// `owner` is the window it belongs to (none for the main window); whole on
// the screen of its owner. A window beside its owner never covers the
// owner's title bar. `key` names the window in the user's settings.
void keepWindowPlace(QWidget& window, const QString& key, WindowRole role,
                     QWidget* owner = nullptr);

// From now on, every place is also kept in the user's settings (organisation
// "TAVO", application "tavo") and a window opens where it was in the last run.
// Off until the desktop turns it on, so that nothing else writes the settings.
void rememberWindowPlacesBetweenRuns(bool on = true);

}  // namespace tavo::gui
