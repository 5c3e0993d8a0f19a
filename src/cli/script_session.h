#pragma once

#include <QString>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

#include "cli/commands.h"
#include "cli/scripted_window.h"
#include "main_window/program.h"
#include "ui/scripted_ui.h"

namespace tavo::cli {

// The program run headless: the window models, the scripted Ui port printing
// to standard output, and the script's commands played on them.
class ScriptSession {
  public:
    ScriptSession(const Options& options, Output output);

    // The program's start-up. False (with a line on standard error) when
    // another running copy holds the working folder.
    bool start();
    bool started() const { return program_.started(); }

    // Plays one script line. Returns false when the line ended the program
    // (the main window was closed). Throws ScriptError, NoAnswer, BadAnswer
    // (UnexpectedQuestion instead of NoAnswer when answering by question).
    bool play(const QString& line);

    Introd& introd() { return program_.introd(); }
    ScriptedUi& ui() { return ui_; }

  private:
    ScriptedWindow& window(const QString& name);
    std::pair<ScriptedWindow*, QString> control(const QString& qualifiedName);

    Options options_;
    Output output_;
    ScriptedUi ui_;
    Program program_;
    std::map<QString, std::unique_ptr<ScriptedWindow>> windows_;
};

// Runs the body of a plain command (`print`, `text`, `package`...) on a
// started session, whose Ui prints what it shows as `tavo script` does and
// answers each question by what it asks (the body gives the answers). A
// question the body gave no answer to, like any failure, is one line on
// standard error (prefixed "tavo COMMAND: ") and status 1; otherwise the
// body's status.
int runHeadless(const Options& options, Output output, const QString& command,
                const std::function<int(ScriptSession&)>& body);

// The line on standard error for a question that `command` gave no answer to.
QString unexpectedQuestion(const QString& command, const UnexpectedQuestion& question);

// Chooses the stored document `number` as a user types it into NrO and
// leaves the field (its own type gets chosen). False, with a line on standard
// error, when there is no such document.
bool chooseDocument(ScriptSession& session, Output output, const QString& command, qint64 number);

// `\n` stands for a line break and `\\` for a backslash in a typed text.
QString unescapeScriptText(const QString& text);

}  // namespace tavo::cli
