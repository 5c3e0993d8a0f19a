#pragma once

#include <QWidget>
#include <functional>

#include "gui/incarc_view.h"
#include "gui/introd_view.h"
#include "main_window/program.h"

namespace tavo::gui {

// The desktop's two top-level windows, the main window and the entry window:
// after every event of either, each is shown or hidden as its model says, and
// the messages stand over the one in front.
class Windows {
  public:
    // `dialogParent` is told which window the messages belong to.
    explicit Windows(Program& program, std::function<void(QWidget*)> dialogParent = {});

    IntrodView& introdView() { return introdView_; }
    IncarcView& incarcView() { return incarcView_; }

    // Shows the windows whose models are visible (refreshed), hides the others.
    void update();

  private:
    Program& program_;
    IntrodView introdView_;
    IncarcView incarcView_;
    std::function<void(QWidget*)> dialogParent_;
};

}  // namespace tavo::gui
