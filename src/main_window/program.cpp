#include "main_window/program.h"

namespace tavo {

Program::Program(QDir folder, Ui& ui)
    : folder_(std::move(folder)), ui_(ui), introd_(folder_, ui_, state) {}

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
    lists = beneficiary::loadReferenceLists(folder_, ui_);
    introd_.start();
}

}  // namespace tavo
