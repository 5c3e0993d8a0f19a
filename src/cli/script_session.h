#pragma once

#include <QString>
#include <QTextStream>
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
    // (the main window was closed). Throws ScriptError, NoAnswer, BadAnswer.
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

// `\n` stands for a line break and `\\` for a backslash in a typed text.
QString unescapeScriptText(const QString& text);

}  // namespace tavo::cli
