// The entry window's checks of a whole document, its text image and print layout.
#include "entry_fixture.h"
#include "text/text_file.h"

namespace tavo {
namespace {

class TextImageCommand : public EntryFixture {};

// The note needs "1" as the 18th character: in double parentheses on the form
// (LKELM.txt is in tests/e2e/text-image.case), single on both printed copies.
TEST_F(TextImageCommand, DeclarationNoteOnTheFormAndOnBothPrintedCopies) {
    const QString note = "(1-OP cu valoare de declaratie)";
    const struct {
        QString nr_evidenta;
        bool note;
    } cases[] = {
        {"202301310000000001", true},       {"20230131000000000100017", true},
        {"20230131000000001", false},       {"202301310000000010", false},
        {"20230131000000000000017", false}, {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nr_evidenta.toStdString());
        shown.clear();
        entry.val_decl.fill("before");
        entry.d1[D1::nr_evidenta] = c.nr_evidenta;
        entry.Command3_Click();
        EXPECT_EQ(entry.val_decl[0], c.note ? "(" + note + ")" : QString());
        EXPECT_EQ(entry.val_decl[1], "before");
        EXPECT_EQ(shown, QStringList{"OPEN LKELM.txt"});
        entry.aranjare_listare(0);
        EXPECT_EQ(entry.val_decl[0], c.note ? note : QString());
        EXPECT_EQ(entry.val_decl[1], entry.val_decl[0]);
    }
}

TEST_F(TextImageCommand, FileThatCannotBeWrittenIsSaidAndNotOpened) {
    ASSERT_TRUE(text::writeLines(dir.filePath("LKELM.txt"), {"an older image"}));
    // The new image cannot take the place of the old one.
    ASSERT_TRUE(QDir(dir.path()).mkdir("LKELM.txt.tmp"));
    entry.Command3_Click();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("MSG exclamation||Fisierul 'LKELM.txt' nu a putut fi scris ("))
        << shown[0].toStdString();
    // No stale image is left to be taken for this document's.
    EXPECT_FALSE(QFile::exists(dir.filePath("LKELM.txt")));
}

}  // namespace
}  // namespace tavo
