#pragma once

#include <QDir>

#include "beneficiary/reference_lists.h"
#include "entry/form2.h"
#include "entry/form_iban.h"
#include "entry/form_nrevid.h"
#include "entry/incarc.h"
#include "main_window/introd.h"
#include "main_window/running_copy.h"
#include "entry/program_state.h"
#include "ui/ui.h"

namespace tavo {

// The running program on one working folder: the values the windows share,
// the reference lists, and the main window. The desktop and the headless
// commands start it the same way.
class Program {
  public:
    Program(QDir folder, Ui& ui);

    // The start-up: one running copy per working folder (false, and nothing
    // else done, when another copy holds it), then `load`.
    bool start();

    // The two steps of the start-up, for the desktop, which shows the main
    // window between them so that the messages of the load stand over it.
    bool acquireWorkingFolder() { return runningCopy_.acquire(folder_); }
    // The reference lists (updated files of liste/ checked and reported), then
    // the main window's load.
    void load();

    bool started() const { return started_; }

    // The one line a second copy writes on standard error before it ends.
    QString anotherCopyMessage() const;

    ProgramState state;
    beneficiary::ReferenceLists lists;
    // The main window; its controls are empty until the start-up has run.
    Introd& introd() { return introd_; }
    // The entry window, made once and reused.
    Incarc& incarc() { return incarc_; }
    // The windows the entry window opens: made once, hidden when not in use.
    Form_IBAN& formIban() { return formIban_; }
    Form_NREVID& formNrevid() { return formNrevid_; }
    Form2& form2() { return form2_; }

  private:
    QDir folder_;
    Ui& ui_;
    RunningCopy runningCopy_;
    Introd introd_;
    Incarc incarc_;
    Form_IBAN formIban_;
    Form_NREVID formNrevid_;
    Form2 form2_;
    bool started_ = false;
};

}  // namespace tavo
