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
// Cancel), then meets one question or input box.
struct KeyedCase {
    const char* name;
    std::vector<std::pair<QString, std::optional<QString>>> given;
    bool inputBox;  // an input box, otherwise a Yes/No/Cancel question
    QString asked;
    QString shown;  // the line written; empty: the question is refused
};

TEST(ScriptedUi, AnswersGivenByQuestionFitOnlyThatQuestion) {
    const QString barcode = incarc_texts::faraCodBare;
    const QString thousands = "Suma 1.500 inseamna 1500 lei ? (Nu: 1,50 lei)";
    const std::vector<KeyedCase> cases = {
        {"the question as given",
         {{"Salvati ?", "yes"}},
         false,
         "Salvati ?",
         "ASK yesnocancel||Salvati ? -> yes"},
        {"the right one of several",
         {{"Salvati ?", "yes"}, {"Stergeti ?", "no"}},
         false,
         "Stergeti ?",
         "ASK yesnocancel||Stergeti ? -> no"},
        {"a second answer replaces the first",
         {{"Salvati ?", "yes"}, {"Salvati ?", "no"}},
         false,
         "Salvati ?",
         "ASK yesnocancel||Salvati ? -> no"},
        {"Cancel at a question",
         {{"Salvati ?", std::nullopt}},
         false,
         "Salvati ?",
         "ASK yesnocancel||Salvati ? -> cancel"},
        {"a placeholder stands for any text, line breaks too",
         {{barcode, "no"}},
         false,
         barcode.arg("Error 464:\r\ntoo long"),
         "ASK yesnocancel||" + ScriptedUi::oneLine(barcode.arg("Error 464:\r\ntoo long")) +
             " -> no"},
        {"an input box gets the text",
         {{introd_texts::askAgencyName, "apia_opt_1.txt"}},
         true,
         introd_texts::askAgencyName,
         "INPUT |" + ScriptedUi::oneLine(introd_texts::askAgencyName) +
             "|_OPT_.txt -> apia_opt_1.txt"},
        {"Cancel at an input box",
         {{introd_texts::askType, std::nullopt}},
         true,
         introd_texts::askType,
         "INPUT |Dati : 1 - OP, 2 - FV|_OPT_.txt -> CANCEL"},
        {"nothing given", {}, false, "Salvati ?", ""},
        {"a question that only begins as the given one",
         {{"Salvati ?", "yes"}},
         false,
         "Salvati ? Toate",
         ""},
        {"a question that only ends as the given one",
         {{"Salvati ?", "yes"}},
         false,
         "Nu Salvati ?",
         ""},
        {"dots, brackets and marks are no patterns",
         {{thousands, "no"}},
         false,
         "Suma 1x500 inseamna 1500 lei ? (Nu: 1,50 lei)",
         ""},
        {"text given for a placeholder must be there",
         {{barcode, "no"}},
         false,
         "Doriti sa listati documentul fara cod de bare ?",
         ""},
        {"an input box's answer is no question's",
         {{introd_texts::askType, "1"}},
         false,
         introd_texts::askPayerCode,
         ""},
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
        if (c.shown.isEmpty()) {
            try {
                meet();
                ADD_FAILURE() << "answered";
            } catch (const UnexpectedQuestion& e) {
                EXPECT_EQ(e.asked(), "ASK yesnocancel||" + ScriptedUi::oneLine(c.asked));
            }
            EXPECT_TRUE(f.shown.isEmpty());
        } else {
            meet();
            EXPECT_EQ(f.shown, QStringList{c.shown});
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
