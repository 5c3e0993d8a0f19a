// Plays every tests/e2e/*.case through the `tavo` binary and compares what it
// prints, its exit status and the files it leaves with what the case expects.
//
// A case file is made of sections, each starting with a line "=== WHAT":
//   === file NAMES     files of the working folder, written before the first run
//                      in CP1250 with CR LF
//   === command ARGS   a run of `tavo --dir FOLDER ARGS`; the lines are its stdout
//   === table WORDS    one run per line "ARGS => OUT" (after WORDS; double quotes
//                      hold blanks), stdout the parts of OUT between "|"; "# "
//                      lines are comments
//   === refused WORDS  the same, "ARGS => ERROR": stderr ERROR and "Try 'tavo
//                      --help'.", nothing on stdout, status 2
//   === args           more arguments, one per line
//   === script         the stdin of a run of `tavo script`; a line "> TEXT" is a
//                      line of its stdout instead ("> {NAME ...}": a block of them)
//   === stdout, === stderr (compared only when given), === exit N (default 0)
//   === env NAME=VALUE...  the run's environment besides LC_ALL=C ("NAME=": not set)
//   === note TEXT      a comment
//   === expect NAME    the file must hold exactly these lines (CP1250, CR LF)
//   === file-as FORM NAME / expect-as FORM NAME   the same in another form:
//                      "cp1250", "utf8" or "utf8bom" (a byte-order mark first),
//                      "+lf" or "+cr" for that line end ("utf8bom" alone: CR LF)
//   === same NAME OTHER / like NAME OTHER   the file must hold the bytes OTHER
//                      had before the first run / holds after the run
//   === absent NAMES / exists NAMES         the files must not / must exist
// Lines before the first section are comments. "{YEAR}", "{TODAY}" (dd/mm/yyyy)
// and "{VERSION}" stand for what they name; "{WINDOWS:TEXT}" stands for TEXT
// when the cases play tavo.exe (TAVO_EXE) and for nothing otherwise.
//
// Every "=== command" or table row starts a new run, and so does a "=== script"
// not following "=== command script"; the sections after it, file checks too,
// belong to it. The runs share one working folder and see no printer queue.
//
// Blocks: "=== block NAME[:] [WHAT IT IS]" in tests/e2e/blocks.txt or in the case.
// A line "{NAME A B ...}" (not in a note or a block) stands for its lines with
// "$1", "$2"... replaced by A, B... ("${1:7}": A padded with blanks to 7, "${1:>7}"
// blanks first; "" an empty argument). A range "3..5" uses the block once per
// number (0005..0012 keeps the width), the ranges of one line side by side.
// "=== runs NAME" ... "=== end" is a block of whole runs, "=== " lines and all.
#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <optional>

#include "e2e_cases.h"
#include "tavo_run.h"
#include "text/text_file.h"

namespace {

using e2e::blockWords;
using e2e::Case;
using e2e::Section;

// One run of the program inside a case (not "Run": gtest's Test has one).
struct Play {
    QStringList arguments{QStringLiteral("script")};
    QByteArray input;
    bool scripted = false;  // given a script section
    QString expectedOut;
    std::optional<QString> expectedErr;
    int expectedExit = 0;
    std::vector<const Section*> checks;  // the files to look at after the run
    QStringList environment;             // "NAME=VALUE", "NAME=" for not set
};

QString withToday(QString line) {
    const QDate today = QDate::currentDate();
    static const QRegularExpression windowsOnly(QStringLiteral(R"(\{WINDOWS:([^}]*)\})"));
    line.replace(windowsOnly,
                 qEnvironmentVariableIsSet("TAVO_EXE") ? QStringLiteral("\\1") : QString());
    return line.replace(QLatin1String("{YEAR}"), QString::number(today.year()))
        .replace(QLatin1String("{TODAY}"), today.toString(QStringLiteral("dd/MM/yyyy")))
        .replace(QLatin1String("{VERSION}"), QLatin1String(TAVO_VERSION));
}

void addLines(QString& text, const QStringList& lines) {
    for (const QString& line : lines) text += withToday(line) + QLatin1Char('\n');
}

// The runs of a table section, one per row that is not a comment. In a
// "refused" table the text after "=>" is the error: nothing on standard
// output, the error and the pointer to the usage on standard error, status 2.
void addTableRows(const Section& s, std::vector<Play>& plays, bool& commandSeen) {
    const QStringList words = s.argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool refused = s.kind == QLatin1String("refused");
    const QLatin1String arrow(" =>");
    for (const QString& row : s.lines) {
        if (row.startsWith(QLatin1String("# ")))
            continue;
        if (commandSeen)
            plays.emplace_back();
        commandSeen = true;
        Play& play = plays.back();
        const qsizetype at = row.indexOf(arrow);
        EXPECT_GE(at, 0) << "no \" =>\" in table row: " << row.toStdString();
        play.arguments = words + blockWords(row.left(at));
        const QString out = row.mid(at + arrow.size()).mid(1);  // after "=> "
        if (refused) {
            play.expectedErr = out + QLatin1String("\nTry 'tavo --help'.\n");
            play.expectedExit = 2;
            continue;
        }
        addLines(play.expectedOut, out.split(QLatin1Char('|')));
    }
}

std::vector<Play> playsOf(const Case& c) {
    std::vector<Play> plays(1);
    bool commandSeen = false;
    for (const Section& s : c.sections) {
        if (s.kind == QLatin1String("table") || s.kind == QLatin1String("refused")) {
            addTableRows(s, plays, commandSeen);
        } else if (s.kind == QLatin1String("command")) {
            if (commandSeen)
                plays.emplace_back();
            commandSeen = true;
            plays.back().arguments = s.argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            addLines(plays.back().expectedOut, s.lines);
        } else if (s.kind == QLatin1String("args")) {
            plays.back().arguments += s.lines;
        } else if (s.kind == QLatin1String("script")) {
            if (plays.back().scripted || plays.back().arguments != QStringList{"script"})
                plays.emplace_back();  // a new run of `tavo script`
            plays.back().scripted = commandSeen = true;
            for (const QString& line : s.lines) {
                if (line.startsWith(QLatin1String("> ")))
                    addLines(plays.back().expectedOut, {line.mid(2)});
                else
                    plays.back().input += line.toUtf8() + '\n';
            }
        } else if (s.kind == QLatin1String("stdout")) {
            addLines(plays.back().expectedOut, s.lines);
        } else if (s.kind == QLatin1String("stderr")) {
            addLines(plays.back().expectedErr.emplace(), s.lines);
        } else if (s.kind == QLatin1String("exit")) {
            plays.back().expectedExit = s.argument.toInt();
        } else if (s.kind == QLatin1String("env")) {
            plays.back().environment += s.argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        } else if (QStringList{"expect", "expect-as", "same", "like", "absent", "exists"}.contains(
                       s.kind)) {
            plays.back().checks.push_back(&s);
        }
    }
    return plays;
}

// The bytes of `lines` in FORM (see the comment at the top); nothing for a
// form the runner does not know.
std::optional<QByteArray> linesAs(const QString& form, const QStringList& lines) {
    const QString encoding = form.section(QLatin1Char('+'), 0, 0);
    const QString end = form.section(QLatin1Char('+'), 1);
    const QByteArray lineEnd = end == QLatin1String("lf")   ? "\n"
                               : end == QLatin1String("cr") ? "\r"
                               : end.isEmpty()              ? "\r\n"
                                                            : QByteArray();
    if (lineEnd.isEmpty())
        return std::nullopt;
    if (encoding == QLatin1String("cp1250")) {
        QByteArray bytes = tavo::text::joinLines(lines);
        return bytes.replace("\r\n", lineEnd);
    }
    if (encoding != QLatin1String("utf8") && encoding != QLatin1String("utf8bom"))
        return std::nullopt;
    QByteArray bytes = encoding == QLatin1String("utf8bom") ? "\xEF\xBB\xBF" : "";
    for (const QString& line : lines) bytes += line.toUtf8() + lineEnd;
    return bytes;
}

// A file check of a case, made in the working folder `dir` after its run;
// `before` holds the files as the case wrote them.
void checkFile(const Section& s, const QDir& dir, std::map<QString, QByteArray>& before) {
    const QString path = dir.filePath(s.argument.section(QLatin1Char(' '), 0, 0));
    const QString other = s.argument.section(QLatin1Char(' '), 1);
    if (s.kind == QLatin1String("expect")) {
        ASSERT_TRUE(QFile::exists(path)) << s.argument.toStdString();
        QStringList expected;
        for (const QString& line : s.lines) expected.append(withToday(line));
        EXPECT_EQ(tavo::readBytes(path), tavo::text::joinLines(expected))
            << s.argument.toStdString();
    } else if (s.kind == QLatin1String("expect-as")) {
        const QString file = dir.filePath(s.argument.section(QLatin1Char(' '), 1, 1));
        const std::optional<QByteArray> expected =
            linesAs(s.argument.section(QLatin1Char(' '), 0, 0), s.lines);
        ASSERT_TRUE(expected) << "unknown form: " << s.argument.toStdString();
        ASSERT_TRUE(QFile::exists(file)) << s.argument.toStdString();
        EXPECT_EQ(tavo::readBytes(file), *expected) << s.argument.toStdString();
    } else if (s.kind == QLatin1String("same")) {
        EXPECT_EQ(tavo::readBytes(path), before[other]) << s.argument.toStdString();
    } else if (s.kind == QLatin1String("like")) {
        ASSERT_TRUE(QFile::exists(path) && QFile::exists(dir.filePath(other)))
            << s.argument.toStdString();
        EXPECT_EQ(tavo::readBytes(path), tavo::readBytes(dir.filePath(other)))
            << s.argument.toStdString();
    } else {  // absent or exists: every name given
        for (const QString& name : s.argument.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            EXPECT_EQ(QFileInfo::exists(dir.filePath(name)), s.kind == QLatin1String("exists"))
                << s.kind.toStdString() << ' ' << name.toStdString();
    }
}

class E2e : public testing::TestWithParam<Case> {};

TEST_P(E2e, Plays) {
    const Case& c = GetParam();
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());

    std::map<QString, QByteArray> before;
    for (const Section& s : c.sections) {
        if (s.kind != QLatin1String("file") && s.kind != QLatin1String("file-as"))
            continue;
        QStringList names = s.argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        std::optional<QByteArray> form = tavo::text::joinLines(s.lines);
        if (s.kind == QLatin1String("file-as"))
            form = names.isEmpty() ? std::nullopt : linesAs(names.takeFirst(), s.lines);
        ASSERT_TRUE(form) << "unknown form: " << s.argument.toStdString();
        const QByteArray bytes = *form;
        for (const QString& name : names) {
            dir.mkpath(QFileInfo(name).path());
            ASSERT_TRUE(tavo::writeBytes(dir.filePath(name), bytes));
            before[name] = bytes;
        }
    }

    // No printer queue: a CUPS server that is not there, no default printer.
    const QStringList noPrinters{"CUPS_SERVER=" + dir.filePath(QStringLiteral("no-cups")),
                                 "PRINTER=", "LPDEST="};
    for (const Play& play : playsOf(c)) {
        SCOPED_TRACE(("[" + play.arguments.join(QLatin1String("] [")) + "]").toStdString());
        const crash::Run run =
            crash::run(work.path(), play.arguments, play.input, noPrinters + play.environment);
        EXPECT_EQ(run.out.toStdString(), play.expectedOut.toStdString())
            << "stderr: " << run.err.toStdString();
        if (play.expectedErr) {
            EXPECT_EQ(run.err.toStdString(), play.expectedErr->toStdString());
        }
        EXPECT_EQ(run.exitCode, play.expectedExit) << "stderr: " << run.err.toStdString();
        for (const Section* s : play.checks) checkFile(*s, dir, before);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, E2e,
                         testing::ValuesIn(e2e::loadCases(QDir(QStringLiteral(TAVO_E2E_DIR)))),
                         [](const testing::TestParamInfo<Case>& info) {
                             QString name = info.param.name;
                             name.replace(QLatin1Char('-'), QLatin1Char('_'));
                             return name.toStdString();
                         });

}  // namespace
