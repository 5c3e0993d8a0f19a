#pragma once
// An entry window on a scratch working folder, with the built-in lists and a
// scripted Ui whose lines are kept in `shown`.
#include <gtest/gtest.h>

#include "../helpers.h"
#include "entry/incarc.h"

namespace tavo {

class EntryFixture : public testing::Test, protected RecordingUi {
  protected:
    EntryFixture()
        : lists(beneficiary::builtInLists()), entry(QDir(dir.path()), ui, state, lists) {}

    // A complete payment order from a treasury payer to a treasury beneficiary.
    void fillComplete() {
        entry.d1 = fieldsOf<Incarc::kFields>(
            "12,100,ALFA SRL,13548146,STR. MARE 1,RO29TREZ1315069XXX000001,,BUGETUL DE STAT,"
            "4221306,RO21TREZ13120A010101XXXX,,,IMPOZIT,15/01/2025,,,,");
    }

    ProgramState state;
    beneficiary::ReferenceLists lists;
    Incarc entry;
};

}  // namespace tavo
