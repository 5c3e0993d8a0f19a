#include "beneficiary/iban_lists.h"

#include "beneficiary/iban.h"
#include "beneficiary/treasury_accounts.h"

namespace tavo::beneficiary {
namespace {

// How one list is written: its rows, heading, the blanks before the unit's
// name, where a row's account code and description stand, and how its lines
// are numbered.
struct ListLayout {
    const ReferenceList* rows;
    QString heading;
    int indent;
    int codeLength;       // characters 1.. of the row (or 5.. for the short list)
    int descriptionFrom;  // 0-based start of the description
    int numberWidth;
    bool byUnit;  // rows skipped by budget letter, numbered by a counter
};

ListLayout layoutOf(IbanList list, const FormIbanLists& lists) {
    const QString functional = QStringLiteral("                        Conturi IBAN functionale ");
    switch (list) {
        case IbanList::Short:
            return {&lists.oblig1,
                    QStringLiteral("                                 Conturi IBAN"),
                    24,
                    10,
                    19,
                    2,
                    false};
        case IbanList::Old1:
            return {&lists.Combo1, functional + QStringLiteral("vechi (partea I)"), 17, 10, 12, 3,
                    false};
        case IbanList::Old2:
            return {&lists.Combo2, functional + QStringLiteral("vechi (partea II)"), 17, 10, 12, 3,
                    false};
        case IbanList::New1:
            return {
                &lists.oblig1P, functional + QStringLiteral(" (partea I)"), 17, 11, 13, 3, true};
        case IbanList::New2:
            return {
                &lists.oblig2P, functional + QStringLiteral(" (partea II)"), 17, 11, 13, 3, true};
        case IbanList::New3:
            return {
                &lists.oblig3P, functional + QStringLiteral(" (partea III)"), 17, 11, 13, 3, true};
        case IbanList::New4:
            return {
                &lists.oblig4P, functional + QStringLiteral(" (partea IV)"), 17, 11, 13, 3, true};
        case IbanList::New5:
            return {
                &lists.oblig5P, functional + QStringLiteral(" (partea V)"), 17, 11, 13, 3, true};
        case IbanList::SplitVat:
            // The split-payment accounts carry the heading of part V.
            return {
                &lists.oblig6P, functional + QStringLiteral(" (partea V)"), 17, 13, 15, 3, true};
    }
    return {};
}

QString number(int value, int width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

}  // namespace

QString ibanListFile(IbanList list) {
    switch (list) {
        case IbanList::Short:
        case IbanList::Old1:
        case IbanList::Old2:
            return QStringLiteral("IBAN.txt");
        case IbanList::SplitVat:
            return QStringLiteral("IBAN6.txt");
        default:
            return QStringLiteral("IBAN%1.txt").arg(int(list) - int(IbanList::New1) + 1);
    }
}

QStringList ibanListLines(IbanList list, const FormIbanLists& lists, const QString& treasuryRow) {
    const ListLayout layout = layoutOf(list, lists);
    QStringList lines{layout.heading, QString(layout.indent, QLatin1Char(' ')) + treasuryRow.mid(9),
                      QString()};
    const QString unit = unitCode(treasuryRow);
    const ReferenceList& rows = *layout.rows;

    if (!layout.byUnit && isCentralTreasury(treasuryRow)) {
        for (const FixedAccountLine& fixed : centralTreasuryLines())
            lines.append(IBAN_110(fixed.accountPart) + fixed.suffix);
        return lines;
    }
    if (layout.byUnit) {
        int counter = 0;
        for (int position : rowsListedAtUnit(rows, treasuryRow)) {
            const QString row = rows.row(position);
            lines.append(number(++counter, layout.numberWidth) + QStringLiteral(". ") +
                         IBAN_110(unit + row.left(layout.codeLength).trimmed()) +
                         QStringLiteral(" - ") + row.mid(layout.descriptionFrom));
        }
        return lines;
    }
    for (int position = 0; position < rows.count(); ++position) {
        const QString row = rows.row(position);
        const bool shortList = list == IbanList::Short;
        const QString code =
            (shortList ? row.mid(4, layout.codeLength) : row.left(layout.codeLength)).trimmed();
        QString iban;
        if (shortList) {
            // "500401XXXX" has no IBAN outside TREZ700: its line stays empty.
            const std::optional<QString> account = treasuryAccountPart(treasuryRow, code);
            if (!account) {
                lines.append(QString());
                continue;
            }
            iban = IBAN_110(*account);
        } else {
            iban = IBAN_110(unit + code);
        }
        lines.append(number(position + 1, layout.numberWidth) + QStringLiteral(". ") + iban +
                     QStringLiteral(" - ") + row.mid(layout.descriptionFrom));
    }
    return lines;
}

}  // namespace tavo::beneficiary
