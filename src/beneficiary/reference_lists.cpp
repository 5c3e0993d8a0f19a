#include "beneficiary/reference_lists.h"

#include <QFile>
#include <QRegularExpression>
#include <map>
#include <optional>

#include "text/cp1250.h"
#include "text/text_file.h"

namespace tavo::beneficiary {
namespace {

const QString kSeparator = QStringLiteral("--");

QRegularExpression anchored(const char* pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
}

// A code field of `width` characters followed by "--" and a text: the width
// and the pattern of the code, and what to tell the user when it does not fit.
struct CodeField {
    int width;
    QRegularExpression pattern;
    QString expected;
};

std::optional<QString> checkCodeField(const CodeField& field, const QString& row) {
    if (row.mid(field.width, 2) != kSeparator) {
        return QStringLiteral("lipseste \"--\" la pozitiile %1-%2")
            .arg(field.width + 1)
            .arg(field.width + 2);
    }
    if (!field.pattern.match(row.left(field.width)).hasMatch())
        return field.expected;
    if (row.mid(field.width + 2).trimmed().isEmpty()) {
        return QStringLiteral("lipseste textul de dupa \"--\"");
    }
    return std::nullopt;
}

const CodeField& treasuryField() {
    static const CodeField f{7, anchored("TREZ[0-9]{3}"),
                             QStringLiteral("codul trebuie sa fie TREZ urmat de 3 cifre")};
    return f;
}

const CodeField& bicField() {
    static const CodeField f{8, anchored("[A-Z]{6}[A-Z0-9]{2}"),
                             QStringLiteral("codul trebuie sa fie un cod BIC de 8 caractere "
                                            "sau TREZ urmat de 3 cifre")};
    return f;
}

// Every code field except the treasury unit's: capitals and digits, padded on
// the right with blanks to the field's width.
const CodeField& accountField(RowShape shape) {
    static const std::map<RowShape, CodeField> fields{
        {RowShape::NewClassification,
         {11, anchored("(20|21|22|26|28|80|81|82|86|87)[0-9A-Z]* *"),
          QStringLiteral("codul trebuie sa aiba 11 caractere (cifre si litere mari) si sa "
                         "inceapa cu 20, 21, 22, 26, 28, 80, 81, 82, 86 sau 87")}},
        {RowShape::SplitVat,
         {13, anchored("[0-9A-Z]{10}TVA"),
          QStringLiteral("codul trebuie sa aiba 13 caractere si sa se termine cu TVA")}},
        {RowShape::OldStateBudget,
         {10, anchored("20[0-9A-Z]* *"),
          QStringLiteral("codul trebuie sa aiba 10 caractere (cifre si litere mari) si sa "
                         "inceapa cu 20")}},
        {RowShape::OldOtherBudgets,
         {10, anchored("(21|22|26|28|50|51|54)[0-9A-Z]* *"),
          QStringLiteral("codul trebuie sa aiba 10 caractere (cifre si litere mari) si sa "
                         "inceapa cu 21, 22, 26, 28, 50, 51 sau 54")}},
    };
    return fields.at(shape);
}

// The numbered obligation rows: their number width and obligation code.
struct NumberedShape {
    int numberWidth;
    QRegularExpression pattern;
    QString expected;
};

const NumberedShape& numberedShape(RowShape shape) {
    static const NumberedShape shortList{
        2, anchored("([0-9]{2})\\.\\(([0-9A-Z ]{10})-([0-9]{3}|XXX)\\)(.*)"),
        QStringLiteral("randul trebuie sa aiba forma NN.(CONT......-OOO)text: contul de 10 "
                       "caractere, codul obligatiei de 3 cifre sau XXX")};
    static const NumberedShape builder{
        3, anchored("([0-9]{3})\\.\\(([0-9A-Z ]{10})-([0-9]{3})\\)(.*)"),
        QStringLiteral("randul trebuie sa aiba forma NNN.(CONT......-OOO)text: contul de 10 "
                       "caractere, codul obligatiei de 3 cifre")};
    return shape == RowShape::ShortObligation ? shortList : builder;
}

std::optional<QString> checkNumbered(RowShape shape, const QString& row, int position) {
    static const QRegularExpression paddedCode = anchored("[0-9A-Z]+ *");
    const NumberedShape& numbered = numberedShape(shape);
    const auto match = numbered.pattern.match(row);
    if (!match.hasMatch())
        return numbered.expected;
    if (!paddedCode.match(match.captured(2)).hasMatch()) {
        return QStringLiteral(
                   "contul \"%1\" trebuie sa fie din cifre si litere mari, "
                   "completat cu blancuri la dreapta")
            .arg(match.captured(2));
    }
    const QString expectedNumber =
        QString::number(position + 1).rightJustified(numbered.numberWidth, QLatin1Char('0'));
    if (match.captured(1) != expectedNumber) {
        return QStringLiteral("numarul randului trebuie sa fie %1").arg(expectedNumber);
    }
    if (match.captured(4).trimmed().isEmpty())
        return QStringLiteral("lipseste denumirea");
    return std::nullopt;
}

std::optional<QString> checkRow(RowShape shape, const QString& row, int position) {
    if (row.isEmpty())
        return QStringLiteral("linia este goala");
    switch (shape) {
        case RowShape::TreasuryUnit:
            return checkCodeField(treasuryField(), row);
        case RowShape::Bank:
            // A treasury unit row ("TREZ" and a digit) has its "--" at 8-9, a
            // bank row at 9-10.
            if (row.startsWith(QLatin1String("TREZ")) && row.size() > 4 && row[4].isDigit()) {
                return checkCodeField(treasuryField(), row);
            }
            return checkCodeField(bicField(), row);
        case RowShape::NewClassification:
        case RowShape::SplitVat:
        case RowShape::OldStateBudget:
        case RowShape::OldOtherBudgets:
            return checkCodeField(accountField(shape), row);
        case RowShape::ShortObligation:
        case RowShape::BuilderObligation:
            return checkNumbered(shape, row, position);
        case RowShape::FiscalCategory: {
            static const QRegularExpression category = anchored("[0-9]{2} - .*\\S.*");
            if (!category.match(row).hasMatch()) {
                return QStringLiteral("randul trebuie sa aiba forma CC - text (CC: 2 cifre)");
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The position of a code field's text: after the code and "--".
int textStart(RowShape shape) {
    switch (shape) {
        case RowShape::TreasuryUnit:
            return 9;
        case RowShape::NewClassification:
            return 13;
        case RowShape::SplitVat:
            return 15;
        case RowShape::OldStateBudget:
        case RowShape::OldOtherBudgets:
            return 12;
        case RowShape::ShortObligation:
            return 19;
        case RowShape::BuilderObligation:
            return 20;
        case RowShape::FiscalCategory:
            return 5;
        case RowShape::Bank:
            break;
    }
    return 0;
}

QString readBuiltIn(const char* fileName) {
    QFile file(QStringLiteral(":/lists/") + QLatin1String(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return text::fromCp1250(file.readAll());
}

QString problemMessage(const QString& path, const std::vector<RowProblem>& problems) {
    constexpr std::size_t shown = 5;
    QString message =
        QStringLiteral("Atentie ! Lista din fisierul %1 nu a fost preluata:").arg(path);
    for (std::size_t i = 0; i < problems.size() && i < shown; ++i) {
        message +=
            problems[i].line > 0
                ? QStringLiteral("\r\nlinia %1: %2").arg(problems[i].line).arg(problems[i].what)
                : QStringLiteral("\r\n%1").arg(problems[i].what);
    }
    if (problems.size() > shown) {
        message += QStringLiteral("\r\n... si inca %1 erori").arg(problems.size() - shown);
    }
    message += QStringLiteral("\r\nSe foloseste lista inclusa in program.");
    return message;
}

}  // namespace

QString rowCode(RowShape shape, const QString& row) {
    switch (shape) {
        case RowShape::TreasuryUnit:
            return treasuryUnit(row);
        case RowShape::Bank:
            return row.section(kSeparator, 0, 0);
        case RowShape::NewClassification:
            return row.left(11).trimmed();
        case RowShape::SplitVat:
            return row.left(13);
        case RowShape::OldStateBudget:
        case RowShape::OldOtherBudgets:
            return row.left(10).trimmed();
        case RowShape::ShortObligation:
            return row.mid(4, 10).trimmed();
        case RowShape::BuilderObligation:
            return row.mid(5, 10).trimmed();
        case RowShape::FiscalCategory:
            return row.left(2);
    }
    return QString();
}

QString rowText(RowShape shape, const QString& row) {
    if (shape == RowShape::Bank) {
        const qsizetype separator = row.indexOf(kSeparator);
        return separator < 0 ? QString() : row.mid(separator + 2);
    }
    return row.mid(textStart(shape));
}

QString rowObligationCode(RowShape shape, const QString& row) {
    switch (shape) {
        case RowShape::ShortObligation:
            return row.mid(15, 3);
        case RowShape::BuilderObligation:
            return row.mid(16, 3);
        default:
            return QString();
    }
}

std::vector<RowProblem> checkRows(RowShape shape, const QStringList& rows) {
    std::vector<RowProblem> problems;
    if (rows.isEmpty()) {
        problems.push_back({0, QStringLiteral("fisierul nu contine niciun rand")});
        return problems;
    }
    std::map<QString, int> obligationLines;
    for (int i = 0; i < rows.size(); ++i) {
        if (auto what = checkRow(shape, rows[i], i)) {
            problems.push_back({i + 1, *what});
            continue;
        }
        if (shape != RowShape::BuilderObligation)
            continue;
        const auto [it, inserted] =
            obligationLines.emplace(rowObligationCode(shape, rows[i]), i + 1);
        if (!inserted) {
            problems.push_back({i + 1, QStringLiteral("codul obligatiei %1 apare si la linia %2")
                                           .arg(it->first)
                                           .arg(it->second)});
        }
    }
    return problems;
}

QString ReferenceList::row(int position) const {
    return position >= 0 && position < rows_.size() ? rows_[position] : QString();
}

int ReferenceList::firstRowBeginning(const QString& prefix, int length) const {
    if (!prefixIndex_)
        prefixIndex_ = std::make_shared<std::map<int, PrefixIndex>>();
    auto [entry, built] = prefixIndex_->try_emplace(length);
    PrefixIndex& index = entry->second;
    if (built) {
        // Rows in order, each beginning kept for its first row only.
        index.reserve(rows_.size());
        for (int i = 0; i < rows_.size(); ++i) {
            const QString beginning = rows_[i].left(length);
            if (!index.contains(beginning))
                index.insert(beginning, i);
        }
    }
    return index.value(prefix, -1);
}

int treasuryUnitRow(const ReferenceList& units, const QString& unit) {
    for (int row = 0; row < units.count(); ++row) {
        if (treasuryUnit(units.row(row)) == unit)
            return row;
    }
    return -1;
}

const std::vector<ListFile>& listFiles() {
    using S = RowShape;
    using L = ReferenceLists;
    static const std::vector<ListFile> files{
        {"form_iban_benef1.txt", S::TreasuryUnit,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.Benef1; }},
        {"form_iban_banci1.txt", S::Bank,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.Banci1; }},
        {"form_iban_oblig1.txt", S::ShortObligation,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig1; }},
        {"form_iban_oblig1p.txt", S::NewClassification,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig1P; }},
        {"form_iban_oblig2p.txt", S::NewClassification,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig2P; }},
        {"form_iban_oblig3p.txt", S::NewClassification,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig3P; }},
        {"form_iban_oblig4p.txt", S::NewClassification,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig4P; }},
        {"form_iban_oblig5p.txt", S::NewClassification,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig5P; }},
        {"form_iban_oblig6p.txt", S::SplitVat,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.oblig6P; }},
        {"form_iban_combo1.txt", S::OldStateBudget,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.Combo1; }},
        {"form_iban_combo2.txt", S::OldOtherBudgets,
         [](L& l) -> ReferenceList& { return l.Form_IBAN.Combo2; }},
        {"form_nrevid_benef1.txt", S::TreasuryUnit,
         [](L& l) -> ReferenceList& { return l.Form_NREVID.Benef1; }},
        {"form_nrevid_oblig1.txt", S::BuilderObligation,
         [](L& l) -> ReferenceList& { return l.Form_NREVID.oblig1; }},
        {"form_nrevid_oblig3.txt", S::BuilderObligation,
         [](L& l) -> ReferenceList& { return l.Form_NREVID.oblig3; }},
        {"form_nrevid_oblig2.txt", S::BuilderObligation,
         [](L& l) -> ReferenceList& { return l.Form_NREVID.oblig2; }},
        {"form_nrevid_categ_fisc.txt", S::FiscalCategory,
         [](L& l) -> ReferenceList& { return l.Form_NREVID.categ_fisc; }},
    };
    return files;
}

QStringList listRows(const QString& text) {
    QStringList rows = text::splitLines(text);
    while (!rows.isEmpty() && rows.last().trimmed().isEmpty()) rows.removeLast();
    return rows;
}

bool sameCodesRowByRow(const ReferenceList& a, const ReferenceList& b) {
    if (a.count() != b.count())
        return false;
    // "NNN.(" + account code + "-" + obligation code: the first 19 characters.
    for (int i = 0; i < a.count(); ++i) {
        if (a.row(i).left(19) != b.row(i).left(19))
            return false;
    }
    return true;
}

namespace {

ReferenceLists readBuiltInLists(std::vector<FileProblem>* problems) {
    ReferenceLists lists;
    for (const ListFile& file : listFiles()) {
        QStringList rows = listRows(readBuiltIn(file.fileName));
        if (problems) {
            auto rowProblems = checkRows(file.shape, rows);
            if (!rowProblems.empty()) {
                problems->push_back({QLatin1String(file.fileName), std::move(rowProblems)});
            }
        }
        file.list(lists) = ReferenceList(file.shape, std::move(rows));
    }
    return lists;
}

}  // namespace

ReferenceLists builtInLists(std::vector<FileProblem>* problems) {
    if (problems)
        return readBuiltInLists(problems);
    // The built-in lists never change while the program runs: they are read
    // once, and every start-up gets a copy (rows shared, nothing selected).
    static const ReferenceLists lists = readBuiltInLists(nullptr);
    return lists;
}

ReferenceLists loadReferenceLists(const QDir& workFolder, Notices& notices) {
    const ReferenceLists builtIn = builtInLists();
    ReferenceLists lists = builtIn;
    const QString folder = QLatin1String(kUserListFolder);
    for (const ListFile& file : listFiles()) {
        const QString relative = folder + QLatin1Char('/') + QLatin1String(file.fileName);
        const QString path = workFolder.filePath(relative);
        if (!QFile::exists(path))
            continue;
        QFile user(path);
        if (!user.open(QIODevice::ReadOnly)) {
            notices.push_back(
                {problemMessage(relative, {{0, QStringLiteral("fisierul nu poate fi citit")}}),
                 Icon::Exclamation});
            continue;
        }
        QStringList rows = listRows(text::fromCp1250(user.readAll()));
        const auto problems = checkRows(file.shape, rows);
        if (!problems.empty()) {
            notices.push_back({problemMessage(relative, problems), Icon::Exclamation});
            continue;
        }
        file.list(lists) = ReferenceList(file.shape, std::move(rows));
    }

    // The short names follow the long names by position: the two lists must
    // stay a pair.
    if (!sameCodesRowByRow(lists.Form_NREVID.oblig1, lists.Form_NREVID.oblig3)) {
        notices.push_back(
            {QStringLiteral("Atentie ! Listele din fisierele %1/form_nrevid_oblig1.txt si "
                            "%1/form_nrevid_oblig3.txt nu au aceleasi coduri pe aceleasi "
                            "randuri.\r\nSe folosesc listele incluse in program.")
                 .arg(folder),
             Icon::Exclamation});
        lists.Form_NREVID.oblig1 = builtIn.Form_NREVID.oblig1;
        lists.Form_NREVID.oblig3 = builtIn.Form_NREVID.oblig3;
    }
    return lists;
}

}  // namespace tavo::beneficiary
