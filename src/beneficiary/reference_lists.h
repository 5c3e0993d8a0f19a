#pragma once

#include <QDir>
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "ui/notice.h"

namespace tavo::beneficiary {

// How the rows of a list are laid out. Every operation takes a row apart by
// character positions (1-based below), never by searching for separators, so
// each shape fixes where its code and its text stand. A code shorter than its
// field is padded with blanks to the field's width.
enum class RowShape {
    TreasuryUnit,       // "TREZ" + 3 digits, "--", unit name from 10
    Bank,               // 8-character BIC, "--", name from 11; or a treasury unit row
    NewClassification,  // 11-character account code, "--", text from 14
    SplitVat,           // 13-character account code ending in "TVA", "--", text from 16
    OldStateBudget,     // 10-character account code beginning "20", "--", text from 13
    OldOtherBudgets,    // 10-character account code of budgets 21 22 26 28 50 51 54
    ShortObligation,    // "NN.(" account 1-10 "-" obligation (3 digits or XXX) ")" text from 20
    BuilderObligation,  // "NNN.(" account 1-10 "-" obligation (3 digits) ")" text from 21
    FiscalCategory,     // two-digit code, " - ", text
};

// The code of a row, trimmed of its padding: the unit ("TREZ700") of a treasury
// row, the text before "--" of a bank row, the account code of an obligation
// row, the two digits of a fiscal category.
QString rowCode(RowShape shape, const QString& row);

// The text of a row as the windows take it: the name or description after the
// code (after "--", or from 20 / 21 in the numbered obligation rows).
QString rowText(RowShape shape, const QString& row);

// The obligation code of a numbered obligation row (positions 16-18 or 17-19);
// empty for the other shapes.
QString rowObligationCode(RowShape shape, const QString& row);

// The unit of a treasury row, positions 1-7 ("TREZ700"), and its unit code,
// positions 5-7 ("700"), which opens the account part of its IBANs.
inline QString treasuryUnit(const QString& row) {
    return row.left(7);
}
inline QString unitCode(const QString& row) {
    return row.mid(4, 3);
}

// What is wrong with one line of a list file (line counted from 1).
struct RowProblem {
    int line = 0;
    QString what;
};

// The format check of a whole list: every row at its positions, the row
// numbers of numbered lists equal to the row's place, no obligation code twice
// in a builder list, and at least one row.
std::vector<RowProblem> checkRows(RowShape shape, const QStringList& rows);

// The rows of one list control, in order. The lists are shared by every
// window; the row a window has chosen is the window's own (entry/list_choice.h).
class ReferenceList {
  public:
    ReferenceList() = default;
    ReferenceList(RowShape shape, QStringList rows) : shape_(shape), rows_(std::move(rows)) {}

    RowShape shape() const { return shape_; }
    const QStringList& rows() const { return rows_; }
    int count() const { return int(rows_.size()); }
    // The row at `position`; the empty text outside the list.
    QString row(int position) const;

    QString code(int position) const { return rowCode(shape_, row(position)); }
    QString text(int position) const { return rowText(shape_, row(position)); }
    QString obligationCode(int position) const { return rowObligationCode(shape_, row(position)); }

    // The first row whose first `length` characters (the whole row when it is
    // shorter) are `prefix`, -1 when none is: what a walk from the first row
    // finds, answered from an index of each length's first rows, built at the
    // first look-up of that length. The rows never change after construction,
    // so a copy shares the index built so far with its original.
    int firstRowBeginning(const QString& prefix, int length) const;

  private:
    using PrefixIndex = QHash<QString, int>;

    RowShape shape_ = RowShape::TreasuryUnit;
    QStringList rows_;
    mutable std::shared_ptr<std::map<int, PrefixIndex>> prefixIndex_;
};

// The first row of a list of treasury units whose unit is `unit` ("TREZ700"),
// -1 when none is.
int treasuryUnitRow(const ReferenceList& units, const QString& unit);

// The lists of the beneficiary assistant `Form_IBAN`.
struct FormIbanLists {
    ReferenceList Benef1;   // treasury units
    ReferenceList Banci1;   // banks and treasury units, to name the bank of an IBAN
    ReferenceList oblig1;   // short list of common obligations
    ReferenceList oblig1P;  // new budget classification, in code order, part I
    ReferenceList oblig2P;  // ... part II
    ReferenceList oblig3P;  // ... part III
    ReferenceList oblig4P;  // ... part IV
    ReferenceList oblig5P;  // ... part V
    ReferenceList oblig6P;  // VAT split-payment accounts
    ReferenceList Combo1;   // old budget classification, state budget
    ReferenceList Combo2;   // old budget classification, other budgets
};

// The lists of the registration-number builder `Form_NREVID`.
struct FormNrevidLists {
    ReferenceList Benef1;      // treasury units of the builder
    ReferenceList oblig1;      // fiscal obligations, long names
    ReferenceList oblig3;      // the same obligations in the same order, short names
    ReferenceList oblig2;      // the two fine obligations
    ReferenceList categ_fisc;  // fiscal categories
};

struct ReferenceLists {
    FormIbanLists Form_IBAN;
    FormNrevidLists Form_NREVID;
};

// A list file: its name (the same built in, as ":/lists/NAME", and in the
// folder `liste/` of the working folder), the shape of its rows and the list
// it fills.
struct ListFile {
    const char* fileName;
    RowShape shape;
    ReferenceList& (*list)(ReferenceLists&);
};
const std::vector<ListFile>& listFiles();

// The folder of the working folder where a user puts updated lists.
inline constexpr const char* kUserListFolder = "liste";

// What is wrong with a file of lists.
struct FileProblem {
    QString fileName;
    std::vector<RowProblem> rows;
};

// The lists as built into the program. Their problems (none in a sound build)
// go to `problems` when it is given.
ReferenceLists builtInLists(std::vector<FileProblem>* problems = nullptr);

// The lists at start-up: the built-in lists, each replaced by the file of the
// same name in `liste/` of the working folder when there is one and it passes
// the same checks. A file that fails them is reported in `notices` (file,
// line, what is wrong) and its built-in list stays. The builder's `oblig1` and
// `oblig3` are kept together: if the two no longer have the same codes row by
// row, both go back to the built-in ones, with a message.
ReferenceLists loadReferenceLists(const QDir& workFolder, Notices& notices);

// The rows of a list file's text (CP1250 already decoded); blank lines at the
// end of a file are no rows.
QStringList listRows(const QString& text);

// True when the two builder obligation lists have the same row numbers,
// account codes and obligation codes, row by row.
bool sameCodesRowByRow(const ReferenceList& a, const ReferenceList& b);

}  // namespace tavo::beneficiary
