#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>

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

// The Ui port for tests and `tavo script`: writes one line for everything the
// program shows (MSG, ASK, INPUT, OPEN, PRINT) and replays queued answers.
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

    void message(const QString& text, Icon icon, const QString& title) override;
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& defaultAnswer,
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

    QDir workDir_;
    QDir printDir_;
    LineSink sink_;
    std::deque<Queued> answers_;
    int printed_ = 0;           // print-image operations done
    int lastPrintNumber_ = -1;  // NNNN of the last print-NNNN.pdf; -1: not looked up yet
    QString nextPrintFile_;
    QString printerQueue_;
    std::function<void(const PrintJob&)> printOnQueue_;
};

}  // namespace tavo
