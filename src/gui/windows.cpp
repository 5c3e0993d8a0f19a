#include "gui/windows.h"

namespace tavo::gui {
namespace {

template <typename View>
void follow(View& view, bool visible) {
    if (!visible) {
        view.hide();
        return;
    }
    view.refresh();
    if (!view.isVisible()) {
        view.show();
        view.raise();
        view.activateWindow();
    }
}

}  // namespace

Windows::Windows(Program& program, std::function<void(QWidget*)> dialogParent)
    : program_(program),
      introdView_(program.introd()),
      incarcView_(program.incarc()),
      dialogParent_(std::move(dialogParent)) {
    introdView_.windowsChanged = [this] { update(); };
    incarcView_.windowsChanged = [this] { update(); };
    if (dialogParent_)
        dialogParent_(&introdView_);
}

void Windows::update() {
    const bool entry = program_.incarc().visible;
    // The window that comes to the front is shown before the other one hides,
    // so that the desktop never has none of them.
    if (entry) {
        follow(incarcView_, true);
        follow(introdView_, program_.introd().visible);
    } else {
        follow(introdView_, program_.introd().visible);
        follow(incarcView_, false);
    }
    if (dialogParent_)
        dialogParent_(entry ? static_cast<QWidget*>(&incarcView_) : &introdView_);
}

}  // namespace tavo::gui
