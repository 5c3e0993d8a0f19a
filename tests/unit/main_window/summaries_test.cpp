// A summary leaves the bank list of the beneficiary assistant on the last bank
// it looked up, the list's first row too.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "main_window/program.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace tavo {
namespace {

QString order(int number, const QString& beneficiaryIban) {
    return QStringLiteral(
               "%1,%1,10.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,"
               "RO49RNCB0089000000000001,,BUGETUL DE STAT,4221306,%2,,,TAXA,"
               "15/01/2023,,,,,OP")
        .arg(number)
        .arg(beneficiaryIban);
}

TEST(Summaries, LeaveTheBankListOnTheLastBankFound) {
    for (const QString lastBank : {"ABNA", "BTRL"}) {
        SCOPED_TRACE(lastBank.toStdString());
        QTemporaryDir dir;
        const QDir folder(dir.path());
        ASSERT_TRUE(text::writeLines(
            folder.filePath("ordine.txt"),
            {order(1, "RO09BUCU1234567890123456"), order(2, "RO09" + lastBank + "1234567890123456"),
             order(3, "RO09ZZZZ1234567890123456")}));
        ScriptedUi ui(folder, folder, [](const QString&) {});
        Program program(folder, ui);
        ASSERT_TRUE(program.start());
        for (const char* answer : {"13548146", "01/01/2023-31/12/2023", "1"})
            ui.queueAnswer(answer);
        program.introd().Command6_Click();
        EXPECT_FALSE(ui.hasQueuedAnswers());
        const beneficiary::ReferenceList& banks = program.incarc().lists().Form_IBAN.Banci1;
        ASSERT_GE(banks.selected(), 0);
        EXPECT_TRUE(banks.selectedRow().startsWith(lastBank)) << banks.selectedRow().toStdString();
    }
}

}  // namespace
}  // namespace tavo
