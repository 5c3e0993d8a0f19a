#include <gtest/gtest.h>

#include <QPainter>
#include <optional>
#include <vector>

#include "../helpers.h"
#include "entry/incarc_texts.h"
#include "main_window/introd_texts.h"

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

// Answers given by what is asked: each row gives its answers (no text:
// Cancel), then meets one question or input box, answered `answer` (none: refused).
struct KeyedCase {
    const char* name;
    std::vector<std::pair<QString, std::optional<QString>>> given;
    int inputBox;  // 1: an input box, otherwise a Yes/No/Cancel question
    QString asked, answer;
};

TEST(ScriptedUi, AnswersGivenByQuestionFitOnlyThatQuestion) {
    const QString barcode = incarc_texts::faraCodBare, payer = introd_texts::askPayerCode;
    const QString thousands = "Suma 1.500 inseamna 1500 lei ? (Nu: 1,50 lei)";
    const QString agency = introd_texts::askAgencyName, type = introd_texts::askType;
    const QString save = "Salvati ?", filled = barcode.arg("Error 464:\r\ntoo long");
    const QString barcodeTail = barcode.section(". ", 1), thousandsX = "Suma 1x" + thousands.mid(7);
    const std::vector<KeyedCase> cases = {
        {"the question as given", {{save, "yes"}}, 0, save, "yes"},
        {"the right one of several", {{save, "yes"}, {"Stergeti ?", "no"}}, 0, "Stergeti ?", "no"},
        {"a second answer replaces the first", {{save, "yes"}, {save, "no"}}, 0, save, "no"},
        {"Cancel at a question", {{save, std::nullopt}}, 0, save, "cancel"},
        {"a placeholder stands for any text, line breaks too", {{barcode, "no"}}, 0, filled, "no"},
        {"an input box gets the text", {{agency, "apia_opt_1.txt"}}, 1, agency, "apia_opt_1.txt"},
        {"Cancel at an input box", {{type, std::nullopt}}, 1, type, "CANCEL"},
        {"nothing given", {}, 0, save, ""},
        {"a question only beginning as the given one", {{save, "yes"}}, 0, save + " Toate", ""},
        {"a question that only ends as the given one", {{save, "yes"}}, 0, "Nu " + save, ""},
        {"dots, brackets and marks are no patterns", {{thousands, "no"}}, 0, thousandsX, ""},
        {"text given for a placeholder must be there", {{barcode, "no"}}, 0, barcodeTail, ""},
        {"an input box's answer is no question's", {{type, "1"}}, 0, payer, ""},
    };
    for (const KeyedCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingUi f;
        f.ui.answerByQuestion();
        for (const auto& [question, answer] : c.given) {
            if (answer)
                f.ui.answerTo(question, *answer);
            else
                f.ui.cancelAt(question);
        }
        const auto meet = [&] {
            if (c.inputBox)
                f.ui.input(c.asked, "_OPT_.txt", QString());
            else
                f.ui.ask(c.asked, Buttons::YesNoCancel, QString());
        };
        const QString asked = ScriptedUi::oneLine(c.asked);
        if (c.answer.isEmpty()) {
            try {
                meet();
                ADD_FAILURE() << "answered";
            } catch (const UnexpectedQuestion& e) {
                EXPECT_EQ(e.asked(), "ASK yesnocancel||" + asked);
            }
            EXPECT_TRUE(f.shown.isEmpty());
        } else {
            meet();
            EXPECT_EQ(f.shown, QStringList{(c.inputBox ? "INPUT |" + asked + "|_OPT_.txt"
                                                       : "ASK yesnocancel||" + asked) +
                                           " -> " + c.answer});
        }
    }
}

TEST(ScriptedUi, AQuestionAskedAgainGetsItsAnswerAgain) {
    RecordingUi f;
    Ui& ui = f.ui;
    f.ui.answerTo(incarc_texts::faraCodBare, "yes");
    f.ui.answerTo(introd_texts::askPayerCode, "13548146");
    for (const char* error : {"Error 464", "Error 465", "Error 464"})
        EXPECT_EQ(ui.ask(incarc_texts::faraCodBare.arg(error)), Answer::Yes);
    EXPECT_EQ(ui.input(introd_texts::askPayerCode, ""), "13548146");
    EXPECT_EQ(ui.input(introd_texts::askPayerCode, ""), "13548146");
    EXPECT_EQ(f.shown.size(), 5);
}

TEST(ScriptedUi, AnsweringByQuestionLeavesTheQueueUnread) {
    RecordingUi f;
    Ui& ui = f.ui;
    f.ui.queueAnswer("yes");
    f.ui.answerTo("Salvati ?", "no");
    EXPECT_THROW(ui.ask("Stergeti ?"), UnexpectedQuestion);
    EXPECT_EQ(ui.ask("Salvati ?"), Answer::No);
    EXPECT_TRUE(f.ui.hasQueuedAnswers());
    f.ui.answerTo("Salvati ?", "maybe");
    EXPECT_THROW(ui.ask("Salvati ?"), BadAnswer);
    f.ui.cancelAt("Salvati ?");
    EXPECT_THROW(ui.ask("Salvati ?", Buttons::YesNo), BadAnswer);  // no Cancel button
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
