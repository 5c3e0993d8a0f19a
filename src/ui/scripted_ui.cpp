#include "ui/scripted_ui.h"

#include <QRegularExpression>
#include <algorithm>

#include "ui/page_output.h"

namespace tavo {
namespace {

QString iconName(Icon icon) {
    switch (icon) {
        case Icon::Exclamation:
            return QStringLiteral("exclamation");
        case Icon::Information:
            return QStringLiteral("information");
        case Icon::Question:
            return QStringLiteral("question");
        case Icon::None:
            break;
    }
    return QStringLiteral("none");
}

QString answerName(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return QStringLiteral("yes");
        case Answer::No:
            return QStringLiteral("no");
        case Answer::Cancel:
            break;
    }
    return QStringLiteral("cancel");
}

// The highest NNNN of the files print-NNNN.pdf in `folder` (0 for none), so
// that a run goes on after the PDF files of earlier runs instead of replacing them.
int highestPrintNumber(const QDir& folder) {
    static const QRegularExpression printFile(QStringLiteral("^print-([0-9]{4,9})\\.pdf$"));
    int highest = 0;
    const QStringList names =
        folder.entryList({QStringLiteral("print-*.pdf")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = printFile.match(name);
        if (m.hasMatch())
            highest = std::max(highest, m.captured(1).toInt());
    }
    return highest;
}

// A pattern that matches exactly the texts `question` stands for: its literal
// parts as they stand, each placeholder %1, %2... any text, line breaks too.
QRegularExpression questionPattern(const QString& question) {
    static const QRegularExpression placeholder(QStringLiteral("%[0-9]+"));
    QStringList parts;
    for (const QString& part : question.split(placeholder))
        parts.append(QRegularExpression::escape(part));
    return QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QLatin1String(".*"))),
                              QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

ScriptedUi::ScriptedUi(QDir workDir, QDir printDir, LineSink sink)
    : workDir_(std::move(workDir)), printDir_(std::move(printDir)), sink_(std::move(sink)) {}

QString ScriptedUi::oneLine(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return out;
}

void ScriptedUi::message(const QString& text, Icon icon, const QString& title) {
    sink_(QStringLiteral("MSG %1|%2|%3").arg(iconName(icon), oneLine(title), oneLine(text)));
}

void ScriptedUi::giveAnswer(const QString& question, Queued answer) {
    byQuestion_ = true;
    for (Keyed& keyed : keyed_) {
        if (keyed.question == question) {
            keyed.answer = std::move(answer);
            return;
        }
    }
    keyed_.push_back({question, questionPattern(question), std::move(answer)});
}

ScriptedUi::Queued ScriptedUi::answerFor(const QString& text, const QString& asked) {
    if (byQuestion_) {
        for (const Keyed& keyed : keyed_) {
            if (keyed.fits.match(text).hasMatch())
                return keyed.answer;
        }
        throw UnexpectedQuestion(asked);
    }
    if (answers_.empty())
        throw NoAnswer(asked);
    Queued queued = answers_.front();
    answers_.pop_front();
    return queued;
}

Answer ScriptedUi::ask(const QString& text, Buttons buttons, const QString& title) {
    const QString asked = QStringLiteral("ASK %1|%2|%3")
                              .arg(buttons == Buttons::YesNo ? QStringLiteral("yesno")
                                                             : QStringLiteral("yesnocancel"),
                                   oneLine(title), oneLine(text));
    const Queued queued = answerFor(text, asked);
    Answer answer;
    const QString word = queued.text.trimmed().toLower();
    if (queued.cancel || word == QLatin1String("cancel")) {
        answer = Answer::Cancel;
    } else if (word == QLatin1String("yes")) {
        answer = Answer::Yes;
    } else if (word == QLatin1String("no")) {
        answer = Answer::No;
    } else {
        throw BadAnswer(("the answer '" + queued.text + "' does not fit: " + asked).toStdString());
    }
    if (answer == Answer::Cancel && buttons == Buttons::YesNo) {
        throw BadAnswer(("a yes/no question has no cancel: " + asked).toStdString());
    }
    sink_(asked + QStringLiteral(" -> ") + answerName(answer));
    return answer;
}

std::optional<QString> ScriptedUi::input(const QString& prompt, const QString& defaultAnswer,
                                         const QString& title) {
    const QString asked = QStringLiteral("INPUT %1|%2|%3")
                              .arg(oneLine(title), oneLine(prompt), oneLine(defaultAnswer));
    const Queued queued = answerFor(prompt, asked);
    if (queued.cancel) {
        sink_(asked + QStringLiteral(" -> CANCEL"));
        return std::nullopt;
    }
    sink_(asked + QStringLiteral(" -> ") + oneLine(queued.text));
    return queued.text;
}

std::optional<QString> ScriptedUi::chooseFile(const QString& prompt, const QString& folder,
                                              const QString& title) {
    Q_UNUSED(folder);
    const std::optional<QString> name = input(prompt, QString(), title);
    if (!name || name->isEmpty())
        return name;
    return workDir_.filePath(*name);
}

void ScriptedUi::openText(const QString& relativePath) {
    sink_(QStringLiteral("OPEN ") + relativePath);
}

void ScriptedUi::print(const PrintJob& job) {
    if (printOnQueue_) {
        printOnQueue_(job);
        ++printed_;
        sink_(QStringLiteral("PRINT %1 -> printer %2").arg(job.pageCount).arg(printerQueue_));
        return;
    }
    QString path = nextPrintFile_;
    nextPrintFile_.clear();
    if (path.isEmpty()) {
        printDir_.mkpath(QStringLiteral("."));
        if (lastPrintNumber_ < 0)
            lastPrintNumber_ = highestPrintNumber(printDir_);
        path = printDir_.filePath(
            QStringLiteral("print-%1.pdf").arg(++lastPrintNumber_, 4, 10, QLatin1Char('0')));
    }
    ++printed_;
    // A page that could not be written is not reported as printed.
    if (!writePdf(path, job))
        throw std::runtime_error(("the PDF file " + path + " cannot be written").toStdString());
    QString shown = workDir_.relativeFilePath(path);
    if (shown.startsWith(QLatin1String("..")))
        shown = path;
    sink_(QStringLiteral("PRINT %1 -> %2").arg(job.pageCount).arg(shown));
}

}  // namespace tavo
