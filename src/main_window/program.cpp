#include "main_window/program.h"

#include "platform/memory.h"
#include "store/reference_texts.h"

namespace tavo {

Program::Program(QDir folder, Ui& ui)
    : folder_(std::move(folder)),
      ui_(ui),
      introd_(folder_, ui_, state),
      incarc_(folder_, ui_, state, lists),
      formIban_(folder_, ui_, state, lists, incarc_),
      formNrevid_(ui_, state, lists, incarc_),
      form2_(ui_, incarc_) {
    platform::keepFreedMemory();
    introd_.setEntryWindow(&incarc_);
    incarc_.setAssistants(&formIban_, &formNrevid_, &form2_);
    // Leaving the entry window shows the main window with its list: after a
    // save the list of the file as written, otherwise the file read again.
    incarc_.mainListItems = [this] { return introd_.storedItems(); };
    incarc_.onExit = [this](const store::LoadedList* saved) {
        if (saved)
            introd_.incarcare_lista(*saved);
        else
            introd_.incarcare_lista();
        introd_.visible = true;
    };
}

bool Program::start() {
    if (started_)
        return true;
    if (!acquireWorkingFolder())
        return false;
    load();
    return true;
}

QString Program::anotherCopyMessage() const {
    return QStringLiteral("tavo: another copy of the program is working in %1")
        .arg(folder_.absolutePath());
}

void Program::load() {
    started_ = true;
    Notices listProblems;
    lists = beneficiary::loadReferenceLists(folder_, listProblems);
    showNotices(ui_, listProblems);
    formNrevid_.resetToStart();
    reference_texts::copyReferenceTexts(folder_);  // only the texts the folder lacks
    introd_.start();
}

}  // namespace tavo
