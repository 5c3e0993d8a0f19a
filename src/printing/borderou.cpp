#include "printing/borderou.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <string>

#include "beneficiary/bank_lookup.h"
#include "checks/amounts.h"
#include "platform/stored_file.h"
#include "platform/system_error.h"
#include "store/line_shape.h"
#include "store/ordin.h"
#include "text/cp1250.h"
#include "text/text_file.h"

namespace tavo::printing {
namespace {

constexpr int kWidth = 93;   // the ruled lines and the columns
constexpr int kMargin = 27;  // blanks before the title and the period

constexpr char kColumnsHeading[] = "Nr.ord.| Data platii | Natura obligatiei de plata";
constexpr char kObjectRule[] =
    "-------|-----|-------|-----------------|-----------------------------------------------------";
constexpr char kOpFvColumns[] =
    " Nr.OP/FV    | Cod IBAN beneficiar     | Banca beneficiar                                    ";
constexpr char kPayerColumns[] =
    " Nr.OP/FV    | Cod IBAN platitor       |                                                     ";
constexpr char kBeneficiaryColumns[] =
    "             | Cod IBAN beneficiar     | Banca beneficiar                                    ";
constexpr char kAmountColumn[] =
    "             |                         |                                    |    Suma        ";
constexpr char kAmountRule[] =
    "-------------|-------------------------|------------------------------------|----------------";
constexpr char kBeneficiaryHeading[] = " Cod benef.  | Denumire beneficiar";
// Line e of a document: the amount follows, right-aligned in 15 columns.
constexpr char kBeforeAmount[] =
    "             |                         |                                    |";
// Line c of "Borderou (2) OP": the payer IBAN follows.
constexpr char kBeforeIban[] = "             |";

static_assert(sizeof(kObjectRule) - 1 == kWidth && sizeof(kOpFvColumns) - 1 == kWidth &&
              sizeof(kPayerColumns) - 1 == kWidth && sizeof(kBeneficiaryColumns) - 1 == kWidth &&
              sizeof(kAmountColumn) - 1 == kWidth && sizeof(kAmountRule) - 1 == kWidth &&
              sizeof(kBeforeAmount) - 1 == 77);

const QString kOverflowStars = QStringLiteral("***************.**");

// The ruled lines and the blanks that pad the columns.
template <char c>
constexpr std::array<char, kWidth> repeated() {
    std::array<char, kWidth> line{};
    line.fill(c);
    return line;
}
constexpr std::array<char, kWidth> kBlanks = repeated<' '>();
constexpr std::array<char, kWidth> kDashes = repeated<'-'>();
constexpr std::array<char, kWidth> kEquals = repeated<'='>();

// The fields a summary reads from a stored line, as views of its bytes.
struct Fields {
    std::array<QByteArrayView, 16> field;  // field[k] is field k, for k from 1 to 15
    QByteArrayView tip;                    // the text after the last comma
};

// Builds the file in its stored bytes: the document's fields are copied as
// they stand in ordine.txt (same code page, one byte a character, so widths
// count the same); only the amounts are read. With a device the lines go out
// to it in pieces of about a megabyte: a long summary is never held whole.
class SummaryWriter {
  public:
    SummaryWriter(const SummaryRequest& request, const beneficiary::ReferenceList& Banci1,
                  QIODevice* device = nullptr)
        : request_(request),
          Banci1_(Banci1),
          device_(device),
          periodLine_(text::toCp1250(request.perioada.heading)) {
        out_.reserve(size_t(device ? kChunkSize + 4096 : 4096));
    }

    // False once writing to the device failed: nothing more need be done.
    bool writing() const { return ok_; }

    bool inPeriod(QByteArrayView data) {
        const auto found = inPeriod_.constFind(data);
        if (found != inPeriod_.constEnd())
            return *found;
        return *inPeriod_.insert(data, request_.perioada.contains(text::fromCp1250(data)));
    }

    void document(const Fields& c) {
        using store::CIF_beneficiar, store::IBAN_beneficiar, store::IBAN_platitor,
            store::beneficiar, store::data_emiterii, store::nr_OP, store::nr_ordine,
            store::reprezentand;
        if (result_.documente++ == 0)
            heading(c);
        const bool opFv = request_.fel == FelBorderou::OpFv;
        // a, b: order number, issue date and object
        append(c.field[nr_ordine]);
        out_ += '.';
        blanks(6 - 1 - c.field[nr_ordine].size());
        append(" | ");
        rightAligned(c.field[data_emiterii], 10);
        append("  | ");
        append(c.field[reprezentand]);
        endLine();
        writeLine(kObjectRule);
        // c: the payer IBAN of "Borderou (2) OP"
        if (!opFv) {
            append(kBeforeIban);
            rightAligned(c.field[IBAN_platitor], 24);
            append(" |");
            endLine();
        }
        // d: type and number, beneficiary IBAN and bank
        append(c.tip);
        out_ += '.';
        leftAligned(c.field[nr_OP], 10);
        out_ += '|';
        rightAligned(c.field[IBAN_beneficiar], 24);
        append(" |");
        leftAligned(bankName(c.field[IBAN_beneficiar]), beneficiary::kSummaryBankNameWidth);
        endLine();
        // e, f: the amount
        append(kBeforeAmount);
        rightAligned(shownAmount(c.field[store::suma]), 15);
        endLine();
        writeLine(kAmountRule);
        // g, h: the beneficiary
        leftAligned(c.field[CIF_beneficiar], 13);
        append("| ");
        append(c.field[beneficiar]);
        endLine();
        rule('=');
        if (device_ && out_.size() >= size_t(kChunkSize))
            flushTotals();
    }

    Borderou finish() {
        rule('-');
        append(" TOTAL");
        blanks(60);
        rightAligned(text::toCp1250(totalBorderou(result_.totalBani, result_.overflow)), 27);
        endLine();
        rule('-');
        if (device_)
            flushTotals();
        else
            result_.continut = QByteArray(out_.data(), qsizetype(out_.size()));
        return std::move(result_);
    }

  private:
    void heading(const Fields& c) {
        blanks(kMargin);
        append("BORDEROU de PLATI  ");
        endLine();
        blanks(kMargin);
        append(periodLine_);
        endLine();
        labelLine("Platitor:", c.field[store::platitor]);
        labelLine("Cod de identificare fiscala:", c.field[store::CIF_platitor]);
        labelLine("Adresa:", c.field[store::adresa_platitor]);
        if (request_.fel == FelBorderou::OpFv)
            labelLine("Cont IBAN platitor:", c.field[store::IBAN_platitor]);
        endLine();
        rule('-');
        writeLine(kColumnsHeading);
        writeLine(kObjectRule);
        if (request_.fel == FelBorderou::OpFv) {
            writeLine(kOpFvColumns);
        } else {
            writeLine(kPayerColumns);
            writeLine(kBeneficiaryColumns);
        }
        writeLine(kAmountColumn);
        writeLine(kAmountRule);
        writeLine(kBeneficiaryHeading);
        rule('-');
        endLine();
        rule('=');
    }

    void flushTotals() {
        ok_ = ok_ && device_->write(out_.data(), qint64(out_.size())) == qint64(out_.size());
        out_.clear();  // the capacity stays for the next piece
    }

    // The amount as shown; it is added to the total in whole bani.
    std::string shownAmount(QByteArrayView stored) {
        // Most amounts are as the entry window stores them: digits, and "."
        // with two decimals or nothing. They are read as they stand.
        const qsizetype point = stored.indexOf('.');
        const QByteArrayView integer = point < 0 ? stored : stored.first(point);
        const QByteArrayView decimals = point < 0 ? QByteArrayView() : stored.sliced(point + 1);
        const auto digits = [](QByteArrayView v) {
            return std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        if (!integer.isEmpty() && integer.size() <= 16 && digits(integer) &&
            (point < 0 || (decimals.size() == 2 && digits(decimals)))) {
            qint64 bani = 0;
            for (const char c : integer) bani = bani * 10 + (c - '0');
            bani *= 100;
            if (point >= 0)
                bani += (decimals[0] - '0') * 10 + (decimals[1] - '0');
            addAmount(bani);
            std::string shown(stored.data(), size_t(stored.size()));
            return point < 0 ? shown + ".00" : shown;
        }
        const QString amount = text::fromCp1250(stored);
        addAmount(checks::amountInBani(amount.isEmpty() ? QStringLiteral("0.00") : amount));
        return text::toCp1250(summaryAmount(amount)).toStdString();
    }

    void addAmount(qint64 bani) {
        if (__builtin_add_overflow(result_.totalBani, bani, &result_.totalBani))
            result_.overflow = true;
    }

    // The bank column depends only on characters 5 to 11 of the IBAN: each
    // distinct code is looked up once.
    QByteArrayView bankName(QByteArrayView iban) {
        const qsizetype from = qMin<qsizetype>(4, iban.size());
        const QByteArrayView code = iban.sliced(from, qMin<qsizetype>(7, iban.size() - from));
        auto found = banks_.find(code);
        if (found == banks_.end()) {
            const QString name = beneficiary::summaryBankName(Banci1_, text::fromCp1250(iban));
            found = banks_.insert(code, text::toCp1250(name));
        }
        return *found;
    }

    void append(QByteArrayView bytes) { out_.append(bytes.data(), size_t(bytes.size())); }
    void blanks(qsizetype count) {
        for (; count > 0; count -= kWidth)
            out_.append(kBlanks.data(), size_t(qMin<qsizetype>(count, kWidth)));
    }
    void leftAligned(QByteArrayView bytes, int width) {
        append(bytes);
        blanks(width - bytes.size());
    }
    void rightAligned(QByteArrayView bytes, int width) {
        blanks(width - bytes.size());
        append(bytes);
    }
    void labelLine(const char* label, QByteArrayView value) {
        append(label);
        append(value);
        endLine();
    }
    void writeLine(const char* text) {
        append(text);
        endLine();
    }
    void rule(char c) {
        out_.append(c == '=' ? kEquals.data() : kDashes.data(), kWidth);
        endLine();
    }
    void endLine() { out_.append("\r\n", 2); }

    static constexpr qsizetype kChunkSize = 1 << 20;

    const SummaryRequest& request_;
    const beneficiary::ReferenceList& Banci1_;
    QIODevice* device_;
    bool ok_ = true;
    const QByteArray periodLine_;
    // Keys are views of the stored bytes, valid while the summary is made.
    QHash<QByteArrayView, bool> inPeriod_;
    QHash<QByteArrayView, QByteArray> banks_;  // bank names by their code
    std::string out_;                          // appends cheaply, one byte a character
    Borderou result_;
};

}  // namespace

QStringList Borderou::linii() const {
    return text::splitLines(text::fromCp1250(continut));
}

QString summaryAmount(const QString& amount) {
    if (amount.isEmpty())
        return QStringLiteral("0.00");
    const qsizetype point = amount.indexOf(QLatin1Char('.'));
    if (point < 0)
        return amount + QLatin1String(".00");
    if (amount.size() - point - 1 == 1)
        return amount + QLatin1Char('0');
    return amount;
}

QString totalBorderou(qint64 bani, bool overflow) {
    const QString total = checks::baniToText(bani);
    return overflow || total.indexOf(QLatin1Char('.')) >= 16 ? kOverflowStars : total;
}

namespace {

// One pass over the stored lines: each selected document goes to `writer`.
Borderou walkOrders(QByteArrayView orders, const SummaryRequest& request, SummaryWriter& writer) {
    const QByteArray cif = text::toCp1250(request.CIF);
    const QByteArray tip = text::toCp1250(request.tip);
    // A code the code page cannot hold as typed equals no stored field.
    const bool searchable = text::fromCp1250(cif) == request.CIF;

    store::StoredLineSplitter lines(orders);
    while (searchable && writer.writing() && !lines.atEnd()) {
        const QByteArrayView line = lines.next();
        // Most lines are another payer's: they are left after field 5.
        Fields c;
        store::LineFields fields(line);
        for (int k = store::nr_ordine; k <= store::CIF_platitor; ++k) c.field[k] = fields.next();
        if (c.field[store::CIF_platitor] != cif || store::knownShape(line) < 0)
            continue;
        for (int k = store::adresa_platitor; k <= store::data_emiterii; ++k)
            c.field[k] = fields.next();
        // Lines of an earlier shape have fewer fields before the type; the
        // fields read here stand at the same places in every shape.
        c.tip = store::typeOf(line);
        if ((!request.tip.isEmpty() && c.tip != tip) ||
            !writer.inPeriod(c.field[store::data_emiterii])) {
            continue;
        }
        writer.document(c);
    }
    return writer.finish();
}

}  // namespace

Borderou cre_borderou(QByteArrayView orders, const SummaryRequest& request,
                      const beneficiary::ReferenceList& Banci1) {
    SummaryWriter writer(request, Banci1);
    return walkOrders(orders, request, writer);
}

bool scrie_borderou(const QString& ordersPath, const QString& summaryPath,
                    const SummaryRequest& request, const beneficiary::ReferenceList& Banci1,
                    Borderou* result, QString* error) {
    const auto fail = [error](const QString& path, const QString& why) {
        if (error)
            *error = QFileInfo(path).fileName() + QLatin1String(": ") + why;
        return false;
    };
    const platform::StoredFile orders(ordersPath);
    if (!orders.open())
        return fail(ordersPath, orders.errorString());

    QFile::remove(summaryPath);
    QFile out(summaryPath);
    // The summary goes out in large pieces: no buffering of its own needed.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail(summaryPath, platform::fileError(out));
    SummaryWriter writer(request, Banci1, &out);
    Borderou summary = walkOrders(orders.bytes(), request, writer);
    if (!writer.writing()) {
        const QString why = platform::fileError(out);
        out.close();
        QFile::remove(summaryPath);
        return fail(summaryPath, why);
    }
    out.close();
    if (result)
        *result = std::move(summary);
    return true;
}

}  // namespace tavo::printing
