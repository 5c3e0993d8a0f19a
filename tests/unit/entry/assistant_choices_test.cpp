// The entry window chooses rows in the beneficiary assistant's lists and reads
// its chosen obligation; a stored document checked for printing does neither.
#include <gtest/gtest.h>

#include "../helpers.h"
#include "entry/stored_document.h"
#include "main_window/program.h"
#include "store/ordin.h"

namespace tavo {
namespace {

class AssistantChoices : public testing::Test, protected RecordingUi {
  protected:
    void SetUp() override { ASSERT_TRUE(program.start()); }

    Program program{QDir(dir.path()), ui};
    Incarc& entry = program.incarc();
    Form_IBAN& assistant = program.formIban();
};

// The unit of a treasury IBAN is chosen among the assistant's units; any other IBAN chooses none.
TEST_F(AssistantChoices, UnitOfAnIbanChosenInTheAssistant) {
    const struct {
        QString iban;
        QString unit;  // empty: no unit chosen
    } cases[] = {{"RO29TREZ1315069XXX000001", "TREZ131"},
                 {"RO21TREZ70020A010101XXXX", "TREZ700"},
                 {"RO46RNCB0089000000000001", ""},
                 {"RO29TREZ0005069XXX000001", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.iban.toStdString());
        assistant.Benef1.select(0);
        entry.d1[D1::IBAN_platitor] = c.iban;
        entry.poz_IBAN(D1::IBAN_platitor);
        EXPECT_EQ(assistant.Benef1.selectedRow().left(7), c.unit);
    }
}

// The obligation the checks take is the assistant's, until a new beneficiary IBAN clears it.
TEST_F(AssistantChoices, ObligationReadFromTheAssistantAndClearedByANewIban) {
    assistant.oblig1.select(2);
    ASSERT_FALSE(assistant.oblig1.selectedRow().isEmpty());
    EXPECT_EQ(entry.checkContext().obligation, assistant.oblig1.selectedRow());
    entry.click_d1(D1::IBAN_beneficiar);
    EXPECT_EQ(assistant.oblig1.selected(), -1);
    EXPECT_EQ(entry.checkContext().obligation, "");
}

// Leaving the beneficiary IBAN chooses its bank; a bank not listed chooses none, nor a unit.
TEST_F(AssistantChoices, BankOfTheBeneficiaryIbanChosenInTheAssistant) {
    const struct {
        QString iban;
        QString bank;
        int unit;
    } cases[] = {{"RO46RNCB0089000000000001", "RNCBROBU", 3}, {"RO09ZZZZ1234567890123456", "", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.iban.toStdString());
        assistant.Benef1.select(3);
        assistant.Banci1.select(0);
        entry.d1[D1::IBAN_beneficiar] = c.iban;
        entry.leaveField(D1::IBAN_beneficiar);
        EXPECT_EQ(assistant.Banci1.selectedRow().left(8), c.bank);
        EXPECT_EQ(assistant.Benef1.selected(), c.unit);
    }
}

// A stored treasury document left without its object is checked with no
// obligation: the one chosen for the document being typed is not printed on
// it, and the assistant's choices stay.
TEST_F(AssistantChoices, StoredDocumentCheckedWithoutTheAssistantsChoices) {
    assistant.Benef1.select(3);
    assistant.oblig1.select(2);
    assistant.Banci1.select(5);
    const StoredDocuments documents(QDir(dir.path()), ui, program.state, program.lists);
    const CheckedDocument checked = documents.check(store::ordin::fromLine(
        u"1,11,100,ALFA SRL,13548146,STR. MARE 1,RO46RNCB0089000000000001,,BUGETUL DE STAT,"
        u"4221306,RO21TREZ13120A010101XXXX,,,,15/01/2025,,,,,OP"));
    EXPECT_EQ(checked.d1[D1::beneficiar], "BUGETUL DE STAT");
    EXPECT_EQ(checked.d1[D1::reprezentand], "");
    EXPECT_EQ(assistant.Benef1.selected(), 3);
    EXPECT_EQ(assistant.oblig1.selected(), 2);
    EXPECT_EQ(assistant.Banci1.selected(), 5);
}

}  // namespace
}  // namespace tavo
