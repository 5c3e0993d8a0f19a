#pragma once

#include <QWidget>
#include <functional>

#include "gui/form2_view.h"
#include "gui/form_iban_view.h"
#include "gui/form_nrevid_view.h"
#include "gui/incarc_view.h"
#include "gui/introd_view.h"
#include "main_window/program.h"

class QWindow;

namespace tavo::gui {

// The desktop's top-level windows: the main window, the entry window and the
// three windows the entry window opens (the beneficiary assistant, the
// registration-number builder, the calendar). After every event of any of
// them, each is shown or hidden as its model says, and the messages stand
// over the one the user is in.
class Windows {
  public:
    // `dialogParent` is told which window the messages belong to.
    explicit Windows(Program& program, std::function<void(QWidget*)> dialogParent = {});

    IntrodView& introdView() { return introdView_; }
    IncarcView& incarcView() { return incarcView_; }
    FormIbanView& formIbanView() { return formIbanView_; }
    FormNrevidView& formNrevidView() { return formNrevidView_; }
    Form2View& form2View() { return form2View_; }

    // Shows the windows whose models are visible (refreshed), hides the others.
    void update();

    // Brings ours to the front of the desktop (a second copy was started):
    // the window the user was last in, or else the entry window when shown,
    // or else the main window; restored if minimised, activated, and a
    // message box open over it stays on top.
    void bringToFront();

  private:
    // The shown window of ours that `active` is; none for another one (a
    // message box). Messages stand over it, or else over the main window or
    // the entry window, whichever is shown.
    QWidget* viewOf(QWindow* active);
    // The window of ours the user is in or was last in; none when it is hidden.
    QWidget* frontView();

    Program& program_;
    IntrodView introdView_;
    IncarcView incarcView_;
    // The windows the entry window opens stay above it: its children, made
    // after it and so destroyed before it.
    FormIbanView formIbanView_;
    FormNrevidView formNrevidView_;
    Form2View form2View_;
    std::function<void(QWidget*)> dialogParent_;
    QWidget* lastActive_ = nullptr;
};

}  // namespace tavo::gui
