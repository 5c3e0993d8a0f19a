#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

#include "entry/program_state.h"
#include "ui/scripted_ui.h"

namespace tavo::cli {

// What an operation of `tavo calc` may use besides its arguments.
struct CalcEnv {
    ScriptedUi& ui;       // messages come out as MSG lines, before the result
    ProgramState& state;  // program-wide values (cifre_control_IBAN...)
    QDir folder;          // the working folder
};

// One operation: how many arguments it takes (missing ones are empty texts)
// and what it prints, one text per output line.
struct CalcOperation {
    int argumentCount = 1;
    std::function<QStringList(const QStringList& arguments, CalcEnv& env)> run;
};

using CalcTable = std::map<QString, CalcOperation>;

// Each area of the library adds its own operations.
void addChecksOperations(CalcTable& table);
void addBeneficiaryOperations(CalcTable& table);
void addPrintingOperations(CalcTable& table);
void addListOperations(CalcTable& table);

// All operations of `tavo calc`.
const CalcTable& calcTable();

inline QString yesNo(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// An operation of one argument that prints one text.
template <typename Function>
CalcOperation textOperation(Function operation) {
    return {1, [operation](const QStringList& a, CalcEnv&) {
                return QStringList{QString(operation(a[0]))};
            }};
}

// An operation of one argument that prints true or false.
template <typename Function>
CalcOperation yesNoOperation(Function check) {
    return {1, [check](const QStringList& a, CalcEnv&) { return QStringList{yesNo(check(a[0]))}; }};
}

}  // namespace tavo::cli
