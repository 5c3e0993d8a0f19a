// The lists a user may put in liste/: the input's rows against every row
// shape, then loaded as the file of the first list whose shape accepts them.
#include "beneficiary/reference_lists.h"
#include "entry/list_choice.h"
#include "fuzz_support.h"

using namespace tavo;
using namespace tavo::beneficiary;

namespace {

bool accepts(RowShape shape, const QStringList& rows) {
    const std::vector<RowProblem> problems = checkRows(shape, rows);
    for (const RowProblem& problem : problems) {
        FUZZ_CHECK(problem.line >= 0 && problem.line <= rows.size());
        FUZZ_CHECK(!problem.what.isEmpty());
    }
    if (!problems.empty())
        return false;
    for (const QString& row : rows) {
        rowCode(shape, row);
        rowText(shape, row);
        rowObligationCode(shape, row);
    }
    return true;
}

// The list as the windows use it: rows chosen by position, inside and outside it.
void useList(const ReferenceList& list) {
    FUZZ_CHECK(list.count() > 0);
    ListChoice choice(list);
    for (int i = -1; i <= list.count(); ++i) {
        choice.select(i);
        list.code(i);
        list.text(i);
        list.obligationCode(i);
        FUZZ_CHECK(choice.selectedRow() == list.row(i));
    }
}

void checkList(QByteArrayView bytes) {
    const QStringList rows = listRows(text::fromCp1250(bytes));
    FUZZ_CHECK(rows.isEmpty() || !rows.last().trimmed().isEmpty());
    int accepted = -1;
    for (int shape = 0; shape <= int(RowShape::FiscalCategory); ++shape) {
        if (accepts(RowShape(shape), rows) && accepted < 0)
            accepted = shape;
    }

    const std::vector<ListFile>& files = listFiles();
    size_t chosen = size_t(bytes.size()) % files.size();
    for (size_t i = 0; i < files.size(); ++i) {
        if (int(files[i].shape) == accepted) {
            chosen = i;
            break;
        }
    }
    const QDir userLists = fuzz::emptyFolder(QLatin1String(kUserListFolder));
    fuzz::writeFile(userLists.filePath(QLatin1String(files[chosen].fileName)), bytes);
    Notices problems;
    ReferenceLists lists = loadReferenceLists(fuzz::scratchFolder(), problems);
    // A list taken from the folder is the input's rows; a refused one is reported.
    ReferenceList& loaded = files[chosen].list(lists);
    FUZZ_CHECK(loaded.rows() == rows || !problems.empty());
    useList(loaded);
    FUZZ_CHECK(sameCodesRowByRow(lists.Form_NREVID.oblig1, lists.Form_NREVID.oblig3));
}

}  // namespace

TAVO_FUZZ_TARGET(false, checkList)
