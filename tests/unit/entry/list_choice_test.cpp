// The row a window chooses in a shared reference list.
#include "entry/list_choice.h"

#include <gtest/gtest.h>

namespace tavo {
namespace {

using beneficiary::ReferenceList;
using beneficiary::RowShape;

TEST(ListChoice, ByPositionAndNoneOutsideTheList) {
    const ReferenceList list(RowShape::FiscalCategory, {"01 - debit", "03 - dobanda"});
    const struct {
        int position;
        int selected;
        QString row;
    } cases[] = {{0, 0, "01 - debit"}, {1, 1, "03 - dobanda"}, {-1, -1, ""},
                 {2, -1, ""},          {100, -1, ""},          {-5, -1, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        ListChoice choice(list);
        choice.select(1);
        choice.select(c.position);
        EXPECT_EQ(choice.selected(), c.selected);
        EXPECT_EQ(choice.selectedRow(), c.row);
    }
}

// Two windows showing the same rows each keep their own choice.
TEST(ListChoice, EachWindowKeepsItsOwnRow) {
    const ReferenceList units(RowShape::TreasuryUnit, {"TREZ131--Brasov", "TREZ700--Bucuresti"});
    ListChoice assistant(units), builder(units);
    assistant.select(1);
    builder.select(0);
    builder.select(-1);
    EXPECT_EQ(assistant.selectedRow(), "TREZ700--Bucuresti");
    EXPECT_EQ(builder.selected(), -1);
}

// Lists replaced by shorter ones (updated lists loaded) leave no choice past their end.
TEST(ListChoice, ARowTheListNoLongerHasIsNoChoice) {
    ReferenceList list(RowShape::FiscalCategory, {"01 - debit", "03 - dobanda", "05 - amenda"});
    ListChoice choice(list);
    choice.select(2);
    list = ReferenceList(RowShape::FiscalCategory, {"01 - debit"});
    EXPECT_EQ(choice.selected(), -1);
    EXPECT_EQ(choice.selectedRow(), "");
}

}  // namespace
}  // namespace tavo
