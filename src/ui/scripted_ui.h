#pragma once

#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "ui/ui.h"

namespace tavo {

// A question or input box came with no queued answer.
class NoAnswer : public std::runtime_error {
  public:
    explicit NoAnswer(const QString& asked)
        : std::runtime_error(asked.toStdString()), asked_(asked) {}
    const QString& asked() const { return asked_; }

  private:
    QString asked_;
};

// A queued answer that does not fit what was asked (for example "maybe" for a question).
class BadAnswer : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A question that none of the answers given by what is asked fits.
class UnexpectedQuestion : public std::runtime_error {
  public:
    explicit UnexpectedQuestion(const QString& asked)
        : std::runtime_error(asked.toStdString()), asked_(asked) {}
    const QString& asked() const { return asked_; }

  private:
    QString asked_;
};

// The Ui port for tests and `tavo script`: writes one line for everything the
// program shows (MSG, ASK, INPUT, OPEN, PRINT) and answers the questions in
// one of two ways. In order: each question or input box takes the next queued
// answer (`tavo script`, the tests). By question: each one gets the answer
// given for what it asks, as often as it is asked, and one that no answer fits
// throws UnexpectedQuestion (the plain commands), so that a question added to
// a window can never take an answer meant for another.
class ScriptedUi : public Ui {
  public:
    using LineSink = std::function<void(const QString& line)>;

    // `workDir` is the working folder (OPEN paths are relative to it);
    // `printDir` is where each print-image operation writes print-NNNN.pdf,
    // numbered on from the highest such file already there.
    ScriptedUi(QDir workDir, QDir printDir, LineSink sink);

    void queueAnswer(const QString& answer) { answers_.push_back({false, answer}); }
    void queueCancel() { answers_.push_back({true, QString()}); }
    bool hasQueuedAnswers() const { return !answers_.empty(); }

    // From now on the questions are answered by what they ask; the queue is
    // no longer read.
    void answerByQuestion() { byQuestion_ = true; }
    // Answers `question` (a question or prompt of the program, each %1, %2...
    // in it standing for any text) with `answer`: yes, no or cancel for a
    // question, the text typed for an input box. Implies answerByQuestion();
    // a second answer to the same question replaces the first.
    void answerTo(const QString& question, const QString& answer) {
        giveAnswer(question, {false, answer});
    }
    // Presses Cancel at `question`.
    void cancelAt(const QString& question) { giveAnswer(question, {true, QString()}); }

    void message(const QString& text, Icon icon, const QString& title) override;
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& defaultAnswer,
                                 const QString& title) override;
    // Answered as an input box: the answer is the file's name, relative to
    // the working folder unless absolute.
    std::optional<QString> chooseFile(const QString& prompt, const QString& folder,
                                      const QString& title) override;
    void openText(const QString& relativePath) override;
    void print(const PrintJob& job) override;
    // Progress is not shown: a script's output lists only what the user answers or gets.
    bool progress(int, int, const QString&) override { return true; }

    // The next print-image operation writes this file instead of the next
    // print-NNNN.pdf of the print folder.
    void setNextPrintFile(const QString& path) { nextPrintFile_ = path; }
    // From now on the print-image operations go to the printer queue `queue`
    // through `printOnQueue` (which throws when the queue refuses them).
    void setPrinter(const QString& queue, std::function<void(const PrintJob&)> printOnQueue) {
        printerQueue_ = queue;
        printOnQueue_ = std::move(printOnQueue);
    }
    int printedCount() const { return printed_; }

    // A text as one line: each CR LF or LF becomes the two characters "\n".
    static QString oneLine(const QString& text);

  private:
    struct Queued {
        bool cancel;
        QString text;
    };
    struct Keyed {
        QString question;
        QRegularExpression fits;  // the question's text, its %1, %2... any text
        Queued answer;
    };

    void giveAnswer(const QString& question, Queued answer);
    // The answer to `text`, shown as `asked` when there is none.
    Queued answerFor(const QString& text, const QString& asked);

    QDir workDir_;
    QDir printDir_;
    LineSink sink_;
    std::deque<Queued> answers_;
    bool byQuestion_ = false;
    std::vector<Keyed> keyed_;
    int printed_ = 0;           // print-image operations done
    int lastPrintNumber_ = -1;  // NNNN of the last print-NNNN.pdf; -1: not looked up yet
    QString nextPrintFile_;
    QString printerQueue_;
    std::function<void(const PrintJob&)> printOnQueue_;
};

}  // namespace tavo
