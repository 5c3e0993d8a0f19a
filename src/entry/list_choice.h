#pragma once

#include "beneficiary/reference_lists.h"

namespace tavo {

// The row a window has chosen in one of the program's reference lists. The
// rows are shared by every window; the choice belongs to the window showing
// them, so that another window reading the same rows (a summary, the check of
// a stored document) cannot move it.
class ListChoice {
  public:
    explicit ListChoice(const beneficiary::ReferenceList& list) : list_(&list) {}

    const beneficiary::ReferenceList& list() const { return *list_; }
    const QStringList& rows() const { return list_->rows(); }

    // -1 when no row is chosen, or the list no longer has the row chosen.
    int selected() const { return row_ < list_->count() ? row_ : -1; }
    // Chooses the row at `position`; -1, or any position outside the list,
    // clears the choice.
    void select(int position) { row_ = position >= 0 && position < list_->count() ? position : -1; }
    // The chosen row, or the empty text when none is.
    QString selectedRow() const { return list_->row(selected()); }

  private:
    const beneficiary::ReferenceList* list_;
    int row_ = -1;
};

}  // namespace tavo
