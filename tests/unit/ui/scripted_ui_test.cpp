#include <gtest/gtest.h>

#include <QPainter>

#include "../helpers.h"

using namespace tavo;

// The lines of every kind are in tests/e2e; titles and CR LF line breaks are not.
TEST(ScriptedUi, TitlesAndLineBreaksStayOnTheLine) {
    RecordingUi f;
    f.ui.queueAnswer("cancel");
    f.ui.queueAnswer("apia_opt_7.txt");
    EXPECT_EQ(f.ui.ask("A\r\nB", Buttons::YesNoCancel, "T"), Answer::Cancel);
    EXPECT_EQ(f.ui.input("Dati\r\nnume", "_OPT_.txt", "Titlu"), "apia_opt_7.txt");
    EXPECT_EQ(f.shown, QStringList({"ASK yesnocancel|T|A\\nB -> cancel",
                                    "INPUT Titlu|Dati\\nnume|_OPT_.txt -> apia_opt_7.txt"}));
}

TEST(ScriptedUi, AQuestionWithoutAFittingAnswerStopsTheScript) {
    RecordingUi f;
    EXPECT_THROW(f.ui.input("P", "", QString()), NoAnswer);
    f.ui.queueAnswer("maybe");
    EXPECT_THROW(f.ui.ask("Q", Buttons::YesNo, QString()), BadAnswer);
    f.ui.queueCancel();
    EXPECT_THROW(f.ui.ask("Q", Buttons::YesNo, QString()), BadAnswer);  // no Cancel button
    EXPECT_TRUE(f.shown.isEmpty());
}

TEST(ScriptedUi, EachPrintIsOnePdfFileInSequence) {
    RecordingUi f;
    int drawn = 0;
    const PrintJob job{2, [&](QPainter& painter, int page) {
                           painter.drawText(1440, 1440, QString("pagina %1").arg(page + 1));
                           ++drawn;
                       }};
    f.ui.print(job);
    f.ui.print(PrintJob{1, nullptr});
    EXPECT_EQ(drawn, 2);
    EXPECT_EQ(f.shown, QStringList({"PRINT 2 -> listari/print-0001.pdf",
                                    "PRINT 1 -> listari/print-0002.pdf"}));
    const QByteArray bytes = readBytes(QDir(f.dir.path()).filePath("listari/print-0001.pdf"));
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
        2);
}
