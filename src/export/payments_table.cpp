#include "export/payments_table.h"

#include <QFileInfo>
#include <QHash>
#include <array>

#include "document/table_columns.h"
#include "platform/stored_file.h"
#include "store/line_shape.h"
#include "store/ordin.h"
#include "text/cp1250.h"
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

// The documents of a choice, read from the stored bytes: only the payer's
// lines are taken apart past the fiscal code, and each distinct issue date
// is read once.
class Chooser {
  public:
    explicit Chooser(const PaymentsChoice& choice)
        : choice_(choice),
          cif_(choice.CIF ? text::toCp1250(*choice.CIF) : QByteArray()),
          tip_(text::toCp1250(choice.tip)) {}

    bool chosen(const std::array<QByteArrayView, store::numar_campuri>& fields) {
        if (choice_.CIF && fields[store::CIF_platitor - 1] != cif_)
            return false;
        if (!tip_.isEmpty() && fields[store::tip_doc - 1] != tip_)
            return false;
        if (!choice_.perioada)
            return true;
        const QByteArrayView date = fields[store::data_emiterii - 1];
        auto found = inPeriod_.constFind(date);
        if (found == inPeriod_.constEnd())
            found = inPeriod_.insert(date, choice_.perioada->contains(text::fromCp1250(date)));
        return *found;
    }

  private:
    const PaymentsChoice& choice_;
    const QByteArray cif_;
    const QByteArray tip_;
    QHash<QByteArrayView, bool> inPeriod_;  // keys are views of the stored bytes
};

}  // namespace

PaymentsTable paymentsTable(QByteArrayView orders, const PaymentsChoice& choice,
                            text::TableFlavour flavour) {
    text::TableWriter writer(flavour, document::tableHeader());
    const bool excel = flavour == text::TableFlavour::Excel;
    Chooser chooser(choice);
    // The table is about the size of the file: a few bytes more a line.
    writer.reserve(orders.size() + orders.size() / 8);
    PaymentsTable table;
    std::array<QByteArrayView, store::numar_campuri> fields;
    for (store::StoredLineSplitter lines(orders); !lines.atEnd();) {
        const QByteArrayView line = lines.next();
        const int commas = store::knownShape(line);
        if (commas < 0)
            continue;
        // An earlier shape lacks empty fields just before its type.
        store::LineFields<QByteArrayView> split(line);
        fields.fill(QByteArrayView());
        for (int k = 0; k < commas; ++k) fields[size_t(k)] = split.next();
        fields[store::tip_doc - 1] = split.rest();
        if (!chooser.chosen(fields))
            continue;
        for (int k = 0; k < store::numar_campuri; ++k) {
            if (excel && k == store::suma - 1)
                writer.amountField(fields[size_t(k)]);
            else
                writer.field(fields[size_t(k)]);
        }
        writer.endRow();
        ++table.documents;
    }
    table.bytes = writer.take();
    return table;
}

std::optional<qint64> writePaymentsTable(const store::OrdersFile& orders, const QString& path,
                                         const PaymentsChoice& choice, text::TableFlavour flavour,
                                         QString* error) {
    const platform::StoredFile content(orders.path());
    if (!content && QFileInfo::exists(orders.path())) {
        if (error)
            *error = content.errorString();
        return std::nullopt;
    }
    const PaymentsTable table =
        paymentsTable(content ? content.bytes() : QByteArrayView(), choice, flavour);
    if (!text::replaceFile(path, path + QStringLiteral(".tmp"), table.bytes, error))
        return std::nullopt;
    return table.documents;
}

}  // namespace tavo::exporting
