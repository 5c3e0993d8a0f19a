#include "export/payments_table.h"

#include "document/table_columns.h"
#include "store/ordin.h"
#include "text/text_file.h"

namespace tavo::exporting {

std::optional<QString> typeOfChoice(const QString& number) {
    if (number == QLatin1String("1"))
        return QStringLiteral("OP");
    if (number == QLatin1String("2"))
        return QStringLiteral("FV");
    if (number == QLatin1String("3"))
        return QString();
    return std::nullopt;
}

namespace {

bool chosen(const store::ordin& document, const PaymentsChoice& choice) {
    if (choice.CIF && document[store::CIF_platitor] != *choice.CIF)
        return false;
    if (!choice.tip.isEmpty() && document[store::tip_doc] != choice.tip)
        return false;
    return !choice.perioada || choice.perioada->contains(document[store::data_emiterii]);
}

}  // namespace

PaymentsTable paymentsTable(const store::OrdersFile& orders, const PaymentsChoice& choice,
                            text::TableFlavour flavour) {
    QList<QStringList> rows{document::tableHeader()};
    PaymentsTable table;
    for (const auto& line : orders.documente()) {
        const store::ordin document = store::ordin::fromLine(line.text);
        if (!chosen(document, choice))
            continue;
        QStringList row(document.fields.begin(), document.fields.end());
        if (flavour == text::TableFlavour::Excel)
            row[store::suma - 1].replace(QLatin1Char('.'), QLatin1Char(','));
        rows.append(std::move(row));
        ++table.documents;
    }
    table.bytes = text::writeTable(rows, flavour);
    return table;
}

std::optional<qint64> writePaymentsTable(const store::OrdersFile& orders, const QString& path,
                                         const PaymentsChoice& choice, text::TableFlavour flavour,
                                         QString* error) {
    const PaymentsTable table = paymentsTable(orders, choice, flavour);
    if (!text::replaceFile(path, path + QStringLiteral(".tmp"), table.bytes, error))
        return std::nullopt;
    return table.documents;
}

}  // namespace tavo::exporting
