// Every set of stored documents the end-to-end cases start from (their
// ordine.txt) exported with `tavo export` as a spreadsheet table and as a
// plain CSV table, each table imported with `tavo import --yes` into an empty
// folder. What the import saves must be what was exported, field by field;
// what it refuses must be refused for the document's own content: the same
// reasons from both tables, and the same as checking the stored fields
// straight, without any table between.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "beneficiary/reference_lists.h"
#include "document/import_texts.h"
#include "document/payment_import.h"
#include "document/table_columns.h"
#include "e2e_cases.h"
#include "entry/payment_import.h"
#include "store/line_shape.h"
#include "store/ordin.h"
#include "tavo_run.h"
#include "text/cp1250.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace {

using StoredFields = std::array<QString, tavo::store::numar_campuri>;

// One ordine.txt of a case, as the runner writes it (CP1250, CR LF).
struct Fixture {
    QString name;  // the case's name, numbered when it has several
    QByteArray orders;
};

void PrintTo(const Fixture& f, std::ostream* os) {
    *os << f.name.toStdString();
}

std::vector<Fixture> fixtures() {
    std::vector<Fixture> found;
    for (const e2e::Case& c : e2e::loadCases(QDir(QStringLiteral(TAVO_E2E_DIR)))) {
        int count = 0;
        for (const e2e::Section& s : c.sections) {
            if (s.kind != QLatin1String("file") ||
                !s.argument.split(QLatin1Char(' ')).contains(QLatin1String("ordine.txt")))
                continue;
            const QString name = count++ == 0 ? c.name : c.name + QString::number(count);
            found.push_back({name, tavo::text::joinLines(s.lines)});
        }
    }
    return found;
}

// The documents of an ordine.txt in file order, each with all its fields (an
// earlier shape given its missing empty ones); lines that are no documents
// are left out.
std::vector<StoredFields> storedDocuments(const QByteArray& orders) {
    std::vector<StoredFields> documents;
    for (const QString& line : tavo::text::splitLines(tavo::text::fromCp1250(orders))) {
        const int commas = tavo::store::knownShape(QStringView(line));
        if (commas < 0)
            continue;
        const QString updated = tavo::store::updatedLine(line, commas);
        tavo::store::LineFields<QStringView> split(updated);
        StoredFields fields;
        for (int k = 0; k + 1 < tavo::store::numar_campuri; ++k)
            fields[size_t(k)] = split.next().toString();
        fields.back() = split.rest().toString();
        documents.push_back(fields);
    }
    return documents;
}

// What the import made of one row of the table: its order number when
// accepted, else its reasons as "column|message".
struct RowOutcome {
    int line = 0;
    QString nr;
    QStringList reasons;

    bool accepted() const { return !nr.isEmpty(); }
    bool operator==(const RowOutcome&) const = default;
};

// Lines for a failure message: "line 3: OK 2", "line 4: suma|...".
std::string shown(const QList<RowOutcome>& rows) {
    std::string text;
    for (const RowOutcome& row : rows) {
        const QString head = QStringLiteral("\n  line %1: ").arg(row.line);
        if (row.accepted())
            text += (head + QLatin1String("OK ") + row.nr).toStdString();
        for (const QString& reason : row.reasons) text += (head + reason).toStdString();
    }
    return text;
}

std::string shown(const QStringList& reasons) {
    return (QLatin1String("\n  ") + reasons.join(QLatin1String("\n  "))).toStdString();
}

struct ImportOutcome {
    QList<RowOutcome> rows;
    std::vector<StoredFields> saved;  // the new ordine.txt
    QStringList otherLines;           // the totals, the question, SAVED
};

// Reads the import report: "ROW line OK nr", "ROW line REFUSED column|message".
ImportOutcome readReport(const QString& out) {
    static const QRegularExpression rowLine(QStringLiteral("^ROW (\\d+) (OK|REFUSED) (.*)$"));
    ImportOutcome outcome;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = rowLine.match(line);
        if (!m.hasMatch()) {
            outcome.otherLines.append(line);
            continue;
        }
        const int number = m.captured(1).toInt();
        if (outcome.rows.isEmpty() || outcome.rows.back().line != number)
            outcome.rows.append({number, {}, {}});
        if (m.captured(2) == QLatin1String("OK"))
            outcome.rows.back().nr = m.captured(3);
        else
            outcome.rows.back().reasons.append(m.captured(3));
    }
    return outcome;
}

// The reasons the import's checks give for a document's stored fields put
// straight into the cells of a table of every column: what the document
// itself earns, whatever a table file may do to it.
QStringList ownReasons(const StoredFields& fields, int line) {
    static const tavo::beneficiary::ReferenceLists lists = tavo::beneficiary::builtInLists();
    const QStringList header = tavo::document::tableHeader();
    const tavo::document::CheckContext context{lists.Form_IBAN.Banci1, QString(),
                                               QDate::currentDate(), true};
    const tavo::document::ImportedRow row = tavo::document::checkPaymentRow(
        line, header, tavo::document::readHeader(header).columns,
        QStringList(fields.begin(), fields.end()), tavo::entryTyping(), context);
    QStringList reasons;
    for (const tavo::document::ImportReason& reason : row.reasons)
        reasons.append(tavo::ScriptedUi::oneLine(reason.column) + QLatin1Char('|') +
                       tavo::ScriptedUi::oneLine(reason.message));
    return reasons;
}

// Whether a reason saying the checks changed or emptied a cell says so of a
// value they in fact left as exported.
bool keptAsExported(const QString& message, const QString& exported) {
    if (message == tavo::import_texts::emptied)
        return exported.trimmed().isEmpty();
    const QString changedTo = tavo::import_texts::changed.section(QLatin1Char('%'), 0, 0);
    if (!message.startsWith(changedTo))
        return false;  // a check's own message or missing data
    const QString checked = message.mid(changedTo.size()).chopped(1);  // within the quotes
    return checked == exported;
}

class RoundTrip : public testing::TestWithParam<Fixture> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        ASSERT_TRUE(
            tavo::writeBytes(scratch_.filePath(QStringLiteral("ordine.txt")), GetParam().orders));
        exported_ = storedDocuments(GetParam().orders);
    }

    // `tavo export NAME --format FORMAT` in the scratch folder; the table's path.
    QString exportAs(const QString& format) {
        const QString name = QStringLiteral("plati-%1.csv").arg(format);
        const crash::Run run = crash::run(scratch_.path(), {"export", name, "--format", format});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(
            run.out.toStdString(),
            QStringLiteral("EXPORT %1 -> %2\n").arg(exported_.size()).arg(name).toStdString());
        return scratch_.filePath(name);
    }

    // `tavo import TABLE --yes` in an empty folder of its own.
    ImportOutcome importInto(const QString& folder, const QString& table) {
        EXPECT_TRUE(QDir().mkpath(folder));
        const crash::Run run = crash::run(folder, {"import", table, "--yes"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.toStdString(), "");
        ImportOutcome outcome = readReport(run.out);
        const QString orders = QDir(folder).filePath(QStringLiteral("ordine.txt"));
        if (QFile::exists(orders))
            outcome.saved = storedDocuments(tavo::readBytes(orders));
        return outcome;
    }

    // The saved documents are the accepted rows' exported ones, numbered
    // from 1 in the table's order, with every other field unchanged.
    void checkSaved(const ImportOutcome& outcome, const QString& format) {
        SCOPED_TRACE(format.toStdString());
        ASSERT_EQ(outcome.rows.size(), qsizetype(exported_.size()))
            << "one report line a row expected";
        size_t saved = 0;
        for (qsizetype row = 0; row < outcome.rows.size(); ++row) {
            if (!outcome.rows[row].accepted())
                continue;
            ++saved;
            EXPECT_EQ(outcome.rows[row].nr.toStdString(), std::to_string(saved))
                << "row " << row + 1;
            ASSERT_LE(saved, outcome.saved.size()) << "accepted but not saved: row " << row + 1;
            const StoredFields& got = outcome.saved[saved - 1];
            const StoredFields& sent = exported_[size_t(row)];
            EXPECT_EQ(got[0].toStdString(), std::to_string(saved));
            for (size_t k = 1; k < got.size(); ++k)
                EXPECT_EQ(got[k].toStdString(), sent[k].toStdString())
                    << "document " << row + 1 << ", "
                    << tavo::document::tableHeader()[qsizetype(k)].toStdString();
        }
        EXPECT_EQ(outcome.saved.size(), saved) << "saved documents that were not accepted";
        const qsizetype refused = outcome.rows.size() - qsizetype(saved);
        EXPECT_TRUE(outcome.otherLines.contains(
            QStringLiteral("IMPORT accepted %1, refused %2").arg(saved).arg(refused)))
            << shown(outcome.otherLines);
        if (saved > 0) {
            EXPECT_TRUE(outcome.otherLines.contains(QStringLiteral("SAVED %1").arg(saved)))
                << shown(outcome.otherLines);
        }
    }

    // A refused row has the reasons its document's own fields earn, each
    // naming a column of the table.
    void checkRefused(const ImportOutcome& outcome) {
        const QStringList header = tavo::document::tableHeader();
        for (qsizetype row = 0; row < outcome.rows.size() && row < qsizetype(exported_.size());
             ++row) {
            const RowOutcome& r = outcome.rows[row];
            if (r.accepted())
                continue;
            EXPECT_EQ(shown(r.reasons), shown(ownReasons(exported_[size_t(row)], r.line)))
                << "document " << row + 1 << " is refused for how its table was written";
            for (const QString& reason : r.reasons) {
                const qsizetype column = header.indexOf(reason.section(QLatin1Char('|'), 0, 0));
                ASSERT_GE(column, 0) << "document " << row + 1 << ": " << reason.toStdString();
                EXPECT_FALSE(keptAsExported(reason.section(QLatin1Char('|'), 1),
                                            exported_[size_t(row)][size_t(column)]))
                    << "document " << row + 1 << ": " << reason.toStdString();
            }
        }
    }

    QTemporaryDir scratch_;
    std::vector<StoredFields> exported_;
};

TEST_P(RoundTrip, ExportedTablesImportBack) {
    const ImportOutcome excel =
        importInto(scratch_.filePath(QStringLiteral("excel")), exportAs(QStringLiteral("excel")));
    const ImportOutcome csv =
        importInto(scratch_.filePath(QStringLiteral("csv")), exportAs(QStringLiteral("csv")));
    checkSaved(excel, QStringLiteral("excel"));
    checkSaved(csv, QStringLiteral("csv"));
    EXPECT_EQ(shown(excel.rows), shown(csv.rows))
        << "the two tables of the same documents import differently";
    checkRefused(csv);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RoundTrip, testing::ValuesIn(fixtures()),
                         [](const testing::TestParamInfo<Fixture>& info) {
                             QString name = info.param.name;
                             name.replace(QLatin1Char('-'), QLatin1Char('_'));
                             return name.toStdString();
                         });

}  // namespace
