#include "cli/script_session.h"

#include "cli/language.h"

namespace tavo::cli {

QString unescapeScriptText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            if (text[i + 1] == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (text[i + 1] == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

namespace {

// The item that `select CONTROL N` or `select CONTROL =PREFIX` names.
int itemNumber(const ScriptedWindow& target, const QString& name, const QString& control,
               const QString& argument) {
    const QString which = argument.trimmed();
    if (which.startsWith(QLatin1Char('='))) {
        const QStringList items = target.items(name);
        const QString prefix = argument.mid(argument.indexOf(QLatin1Char('=')) + 1);
        for (int index = 0; index < items.size(); ++index) {
            if (items[index].startsWith(prefix))
                return index;
        }
        throw ScriptError(
            translate("Script", "no item of %1 begins with '%2'").arg(control, prefix));
    }
    bool ok = false;
    const int index = which.toInt(&ok);
    if (!ok || index < -1)
        throw ScriptError(translate("Script", "bad item number '%1'").arg(which));
    return index;
}

}  // namespace

ScriptSession::ScriptSession(const Options& options, Output output)
    : options_(options),
      output_(output),
      ui_(options.folder, options.printFolder,
          [this](const QString& line) { output_.out << line << '\n'; }),
      program_(options.folder, ui_) {}

bool ScriptSession::start() {
    if (program_.started())
        return true;
    if (!program_.start()) {
        output_.err << translate("Failure", "tavo: another copy of the program is working in %1")
                           .arg(options_.folder.absolutePath())
                    << '\n';
        return false;
    }
    // The main window is hidden while the entry window is open; the entry
    // window's hidden fields are named as such.
    Refusals mainWindow;
    mainWindow.closed = translate("Script", "hidden");
    Refusals entryWindow;
    entryWindow.namesHiddenControls = true;
    for (auto [table, refusals] : {std::pair{program_.introd().controls(), mainWindow},
                                   std::pair{program_.incarc().controls(), entryWindow},
                                   std::pair{program_.formIban().controls(), Refusals{}},
                                   std::pair{program_.formNrevid().controls(), Refusals{}},
                                   std::pair{program_.form2().controls(), Refusals{}}}) {
        const QString name = table.window;
        windows_[name] = std::make_unique<ScriptedWindow>(std::move(table), refusals);
    }
    return true;
}

ScriptedWindow& ScriptSession::window(const QString& name) {
    const auto found = windows_.find(name);
    if (found == windows_.end())
        throw ScriptError(translate("Script", "no window '%1'").arg(name));
    return *found->second;
}

std::pair<ScriptedWindow*, QString> ScriptSession::control(const QString& qualifiedName) {
    const qsizetype dot = qualifiedName.indexOf(QLatin1Char('.'));
    if (dot <= 0) {
        throw ScriptError(translate("Script", "'%1' is not WINDOW.NAME").arg(qualifiedName));
    }
    return {&window(qualifiedName.left(dot)), qualifiedName.mid(dot + 1)};
}

bool ScriptSession::play(const QString& line) {
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QString command = blank < 0 ? line : line.left(blank);
    const QString rest = blank < 0 ? QString() : line.mid(blank + 1);
    // The first argument (a control or a window) and what follows it after one blank.
    const qsizetype argBlank = rest.indexOf(QLatin1Char(' '));
    const QString first = argBlank < 0 ? rest : rest.left(argBlank);
    const QString after = argBlank < 0 ? QString() : rest.mid(argBlank + 1);

    if (command == QLatin1String("start"))
        return true;
    if (command == QLatin1String("answer")) {
        ui_.queueAnswer(rest);
        return true;
    }
    if (command == QLatin1String("answer-cancel")) {
        ui_.queueCancel();
        return true;
    }
    if (command == QLatin1String("show")) {
        for (const QString& shown : window(rest.trimmed()).show()) output_.out << shown << '\n';
        return true;
    }
    if (command == QLatin1String("close"))
        return !window(rest.trimmed()).close();

    if (first.isEmpty())
        throw ScriptError(translate("Script", "'%1' needs a control").arg(command));
    auto [target, name] = control(first);
    if (command == QLatin1String("type")) {
        target->type(name, unescapeScriptText(after));
    } else if (command == QLatin1String("put")) {
        target->put(name, unescapeScriptText(after));
    } else if (command == QLatin1String("focus")) {
        target->focus(name);
    } else if (command == QLatin1String("leave")) {
        target->leave(name);
    } else if (command == QLatin1String("key")) {
        target->key(name, after.trimmed());
    } else if (command == QLatin1String("click")) {
        target->click(name);
    } else if (command == QLatin1String("select")) {
        target->select(name, itemNumber(*target, name, first, after));
    } else if (command == QLatin1String("items")) {
        const QStringList items = target->items(name);
        for (qsizetype i = 0; i < items.size(); ++i)
            output_.out << first << '[' << i << "]=" << items[i] << '\n';
    } else if (command == QLatin1String("pick")) {
        target->pick(name, after.trimmed());
    } else {
        throw ScriptError(translate("Script", "unknown command '%1'").arg(command));
    }
    return true;
}

}  // namespace tavo::cli

namespace tavo::cli {

QString unexpectedQuestion(const QString& command, const UnexpectedQuestion& question) {
    return translate("Failure", "tavo %1: the command does not answer the question: %2")
        .arg(command, question.asked());
}

int runHeadless(const Options& options, Output output, const QString& command,
                const std::function<int(ScriptSession&)>& body) {
    ScriptSession session(options, output);
    session.ui().answerByQuestion();
    try {
        if (!session.start())
            return Failed;
        return body(session);
    } catch (const UnexpectedQuestion& e) {
        output.err << unexpectedQuestion(command, e) << '\n';
        return Failed;
    } catch (const std::exception& e) {
        output.err << "tavo " << command << ": " << QString::fromUtf8(e.what()) << '\n';
        return Failed;
    }
}

bool chooseDocument(ScriptSession& session, Output output, const QString& command, qint64 number) {
    Introd& main = session.introd();
    main.setFocus(QStringLiteral("NrO"));
    main.NrO = QString::number(number);
    main.setFocus(QString());
    if (main.NrO == QString::number(number) && number <= main.documentCount())
        return true;
    output.err << translate("Failure", "tavo %1: there is no document %2").arg(command).arg(number)
               << '\n';
    return false;
}

}  // namespace tavo::cli
