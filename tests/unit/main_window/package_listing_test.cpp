// The package listing and the summary, run from the main window.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "main_window/program.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace tavo {
namespace {

// A user who presses Stop once `stopAt` lines are done (never for 0).
class StoppingUi : public ScriptedUi {
  public:
    using ScriptedUi::ScriptedUi;
    bool progress(int done, int total, const QString&) override {
        calls.push_back({done, total});
        return stopAt == 0 || done < stopAt;
    }
    int stopAt = 0;
    std::vector<std::pair<int, int>> calls;
};

const QStringList kOrders = {
    "1,11,100,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE "
    "STAT,4221306,RO21TREZ13120A010101XXXX,,,TAXA,15/01/2025,,,,,OP",
    "2,12,200,BETA SRL,4221306,STR. MICA 2,RO46RNCB0089000000000001,,BUGETUL DE "
    "STAT,4221306,RO21TREZ13120A010101XXXX,,,TAXA,15/01/2025,,,,,OP",
    "3,13,300,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE "
    "STAT,4221306,RO21TREZ13120A010101XXXX,,,TAXA,16/01/2025,,,,,OP",
    "4,14,400,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE "
    "STAT,4221306,RO21TREZ13120A010101XXXX,,,TAXA,17/01/2025,,,,,OP",
};

struct PackageRun {
    QStringList shown;
    std::vector<std::pair<int, int>> calls;
    QStringList lkelm;
    QStringList printedMarks;  // the order marks on each printed page, by pdftotext
};

// The order marks "(n)" that a printed PDF shows, joined by blanks.
QString marksOf(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QStringList marks;
    for (const auto& match : QRegularExpression(R"(\(\d+\))").globalMatch(text))
        marks.append(match.captured());
    return marks.join(' ');
}

PackageRun package(int stopAt) {
    QTemporaryDir dir;
    EXPECT_TRUE(text::writeLines(dir.filePath("ordine.txt"), kOrders));
    PackageRun run;
    StoppingUi ui(QDir(dir.path()), QDir(dir.filePath("listari")),
                  [&](const QString& line) { run.shown.append(line); });
    ui.stopAt = stopAt;
    Program program(QDir(dir.path()), ui);
    EXPECT_TRUE(program.start());
    for (const char* answer : {"yes", "13548146", "01/01/2025-31/12/2025", "1", "/", "no"})
        ui.queueAnswer(QString::fromLatin1(answer));
    program.introd().B_OPuri_Click();
    EXPECT_FALSE(ui.hasQueuedAnswers());
    EXPECT_TRUE(program.introd().visible);
    run.calls = ui.calls;
    run.lkelm = text::readLines(dir.filePath("LKELM.txt")).value_or(QStringList{"none"});
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        for (const QString& pdf : QDir(dir.filePath("listari")).entryList({"*.pdf"}))
            run.printedMarks.append(marksOf(dir.filePath("listari/" + pdf)));
    }
    return run;
}

// Progress once per stored line; a stop still leaves LKELM.txt with the
// documents printed so far and asks the closing question.
TEST(PackageListing, ProgressOncePerLineAndStop) {
    struct Case {
        int stopAt;
        std::vector<std::pair<int, int>> calls;
        QStringList marks;  // the order marks in LKELM.txt
    } cases[] = {
        {0, {{1, 4}, {2, 4}, {3, 4}, {4, 4}}, {"(1)", "(3)", "(4)"}},
        {3, {{1, 4}, {2, 4}, {3, 4}}, {"(1)", "(3)"}},
        {1, {{1, 4}}, {"(1)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stopAt);
        const PackageRun run = package(c.stopAt);
        EXPECT_EQ(run.calls, c.calls);
        EXPECT_EQ(run.shown.filter("PRINT ").size(), c.marks.size());
        EXPECT_EQ(run.shown.last(),
                  "ASK yesno||Doriti sa vizualizati imaginile OP/FV-urilor ? -> no");
        EXPECT_EQ(run.lkelm.size(), 32 * c.marks.size());
        QStringList marks;
        for (qsizetype i = 29; i < run.lkelm.size(); i += 32) marks.append(run.lkelm[i]);
        EXPECT_EQ(marks, c.marks);
        // Two copies a page, each with the document's own mark.
        if (!run.printedMarks.isEmpty()) {
            for (qsizetype i = 0; i < marks.size(); ++i)
                EXPECT_EQ(run.printedMarks.value(i), marks[i] + ' ' + marks[i]);
        }
    }
}

// The bank look-ups of a summary leave the rows the beneficiary assistant has
// chosen where they were, whichever bank they found last (the first row too).
TEST(Summaries, LeaveTheAssistantsChoicesWhereTheyWere) {
    for (const QString lastBank : {"ABNA", "BTRL"}) {
        SCOPED_TRACE(lastBank.toStdString());
        // ALFA's three orders, to banks BUCU, lastBank and ZZZZ (none).
        const QString codes[] = {"BUCU", lastBank, "ZZZZ"};
        QStringList orders;
        for (int i = 0; i < 3; ++i) {
            orders.append(
                QString(kOrders[i + (i > 0)])
                    .replace("RO21TREZ13120A010101XXXX", "RO09" + codes[i] + "1234567890123456"));
        }
        QTemporaryDir dir;
        const QDir folder(dir.path());
        ASSERT_TRUE(text::writeLines(folder.filePath("ordine.txt"), orders));
        ScriptedUi ui(folder, folder, [](const QString&) {});
        Program program(folder, ui);
        ASSERT_TRUE(program.start());
        Form_IBAN& assistant = program.formIban();
        assistant.Banci1.select(5);
        assistant.Benef1.select(3);
        assistant.oblig1.select(2);
        for (const char* answer : {"13548146", "01/01/2025-31/12/2025", "1"})
            ui.queueAnswer(answer);
        program.introd().Command6_Click();
        EXPECT_FALSE(ui.hasQueuedAnswers());
        EXPECT_TRUE(QFileInfo::exists(folder.filePath("Borderou.txt")));
        EXPECT_EQ(assistant.Banci1.selected(), 5) << assistant.Banci1.selectedRow().toStdString();
        EXPECT_EQ(assistant.Benef1.selected(), 3);
        EXPECT_EQ(assistant.oblig1.selected(), 2);
    }
}

}  // namespace
}  // namespace tavo
