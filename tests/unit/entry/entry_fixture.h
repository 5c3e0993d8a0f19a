#pragma once
// An entry window on a scratch working folder, with the built-in lists and a
// scripted Ui whose lines are kept in `shown`.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "entry/incarc.h"
#include "ui/scripted_ui.h"

namespace tavo {

class EntryFixture : public testing::Test {
  protected:
    EntryFixture()
        : ui(QDir(dir.path()), QDir(dir.path()), [this](const QString& l) { shown.append(l); }),
          lists(beneficiary::builtInLists()),
          entry(QDir(dir.path()), ui, state, lists) {}

    QTemporaryDir dir;
    QStringList shown;
    ScriptedUi ui;
    ProgramState state;
    beneficiary::ReferenceLists lists;
    Incarc entry;
};

}  // namespace tavo
