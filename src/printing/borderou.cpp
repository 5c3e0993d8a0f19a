#include "printing/borderou.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "beneficiary/bank_lookup.h"
#include "checks/amounts.h"
#include "store/line_shape.h"
#include "store/ordin.h"
#include "store/stored_file.h"
#include "text/cp1250.h"
#include "text/text_file.h"

namespace tavo::printing {
namespace {

constexpr int kLatime = 93;   // the ruled lines and the columns
constexpr int kMargine = 27;  // blanks before the title and the period

constexpr char kAntetColoane[] = "Nr.ord.| Data platii | Natura obligatiei de plata";
constexpr char kLinieObiect[] =
    "-------|-----|-------|-----------------|-----------------------------------------------------";
constexpr char kColoaneOpFv[] =
    " Nr.OP/FV    | Cod IBAN beneficiar     | Banca beneficiar                                    ";
constexpr char kColoanePlatitor[] =
    " Nr.OP/FV    | Cod IBAN platitor       |                                                     ";
constexpr char kColoaneBeneficiar[] =
    "             | Cod IBAN beneficiar     | Banca beneficiar                                    ";
constexpr char kColoanaSuma[] =
    "             |                         |                                    |    Suma        ";
constexpr char kLinieSuma[] =
    "-------------|-------------------------|------------------------------------|----------------";
constexpr char kAntetBeneficiar[] = " Cod benef.  | Denumire beneficiar";
// Line e of a document: the amount follows, right-aligned in 15 columns.
constexpr char kInainteDeSuma[] =
    "             |                         |                                    |";
// Line c of "Borderou (2) OP": the payer IBAN follows.
constexpr char kInainteDeIban[] = "             |";

static_assert(sizeof(kLinieObiect) - 1 == kLatime && sizeof(kColoaneOpFv) - 1 == kLatime &&
              sizeof(kColoanePlatitor) - 1 == kLatime &&
              sizeof(kColoaneBeneficiar) - 1 == kLatime && sizeof(kColoanaSuma) - 1 == kLatime &&
              sizeof(kLinieSuma) - 1 == kLatime && sizeof(kInainteDeSuma) - 1 == 77);

const QString kOverflowStars = QStringLiteral("***************.**");

// The ruled lines and the blanks that pad the columns.
template <char c>
constexpr std::array<char, kLatime> repetat() {
    std::array<char, kLatime> line{};
    line.fill(c);
    return line;
}
constexpr std::array<char, kLatime> kBlanks = repetat<' '>();
constexpr std::array<char, kLatime> kMinus = repetat<'-'>();
constexpr std::array<char, kLatime> kEgal = repetat<'='>();

// The fields a summary reads from a stored line, as views of its bytes.
struct Campuri {
    std::array<QByteArrayView, 16> camp;  // camp[k] is field k, for k from 1 to 15
    QByteArrayView tip;                   // the text after the last comma
};

// Walks the fields of a stored line from the left, one comma at a time.
class Separare {
  public:
    explicit Separare(QByteArrayView line) : p_(line.data()), end_(line.data() + line.size()) {}

    QByteArrayView nextLine() {
        const char* comma = static_cast<const char*>(std::memchr(p_, ',', size_t(end_ - p_)));
        const char* stop = comma ? comma : end_;
        const QByteArrayView field(p_, stop - p_);
        p_ = comma ? comma + 1 : end_;
        return field;
    }

  private:
    const char* p_;
    const char* end_;
};

// Builds the file in its stored bytes: the document's fields are copied as
// they stand in ordine.txt (same code page, one byte a character, so widths
// count the same); only the amounts are read. With a device the lines go out
// to it in pieces of about a megabyte: a long summary is never held whole.
class SummaryWriter {
  public:
    SummaryWriter(const CerereBorderou& cerere, const beneficiary::ReferenceList& Banci1,
                  QIODevice* device = nullptr)
        : cerere_(cerere),
          Banci1_(Banci1),
          device_(device),
          antet_(text::toCp1250(cerere.perioada.heading)) {
        out_.reserve(size_t(device ? kChunkSize + 4096 : 4096));
    }

    // False once writing to the device failed: nothing more need be done.
    bool merge() const { return ok_; }

    bool inPerioada(QByteArrayView data) {
        const auto found = date_.constFind(data);
        if (found != date_.constEnd())
            return *found;
        return *date_.insert(data, cerere_.perioada.contains(text::fromCp1250(data)));
    }

    void document(const Campuri& c) {
        using store::CIF_beneficiar, store::IBAN_beneficiar, store::IBAN_platitor,
            store::beneficiar, store::data_emiterii, store::nr_OP, store::nr_ordine,
            store::reprezentand;
        if (rezultat_.documente++ == 0)
            antet(c);
        const bool opFv = cerere_.fel == FelBorderou::OpFv;
        // a, b: order number, issue date and object
        append(c.camp[nr_ordine]);
        out_ += '.';
        blanks(6 - 1 - c.camp[nr_ordine].size());
        append(" | ");
        dreapta(c.camp[data_emiterii], 10);
        append("  | ");
        append(c.camp[reprezentand]);
        sfarsit();
        linie(kLinieObiect);
        // c: the payer IBAN of "Borderou (2) OP"
        if (!opFv) {
            append(kInainteDeIban);
            dreapta(c.camp[IBAN_platitor], 24);
            append(" |");
            sfarsit();
        }
        // d: type and number, beneficiary IBAN and bank
        append(c.tip);
        out_ += '.';
        stanga(c.camp[nr_OP], 10);
        out_ += '|';
        dreapta(c.camp[IBAN_beneficiar], 24);
        append(" |");
        stanga(banca(c.camp[IBAN_beneficiar]), beneficiary::kSummaryBankNameWidth);
        sfarsit();
        // e, f: the amount
        append(kInainteDeSuma);
        dreapta(shownAmount(c.camp[store::suma]), 15);
        sfarsit();
        linie(kLinieSuma);
        // g, h: the beneficiary
        stanga(c.camp[CIF_beneficiar], 13);
        append("| ");
        append(c.camp[beneficiar]);
        sfarsit();
        rigla('=');
        if (device_ && out_.size() >= size_t(kChunkSize))
            flushTotals();
    }

    Borderou incheiere() {
        rigla('-');
        append(" TOTAL");
        blanks(60);
        dreapta(text::toCp1250(totalBorderou(rezultat_.totalBani, rezultat_.overflow)), 27);
        sfarsit();
        rigla('-');
        if (device_)
            flushTotals();
        else
            rezultat_.continut = QByteArray(out_.data(), qsizetype(out_.size()));
        return std::move(rezultat_);
    }

  private:
    void antet(const Campuri& c) {
        blanks(kMargine);
        append("BORDEROU de PLATI  ");
        sfarsit();
        blanks(kMargine);
        append(antet_);
        sfarsit();
        eticheta("Platitor:", c.camp[store::platitor]);
        eticheta("Cod de identificare fiscala:", c.camp[store::CIF_platitor]);
        eticheta("Adresa:", c.camp[store::adresa_platitor]);
        if (cerere_.fel == FelBorderou::OpFv)
            eticheta("Cont IBAN platitor:", c.camp[store::IBAN_platitor]);
        sfarsit();
        rigla('-');
        linie(kAntetColoane);
        linie(kLinieObiect);
        if (cerere_.fel == FelBorderou::OpFv) {
            linie(kColoaneOpFv);
        } else {
            linie(kColoanePlatitor);
            linie(kColoaneBeneficiar);
        }
        linie(kColoanaSuma);
        linie(kLinieSuma);
        linie(kAntetBeneficiar);
        rigla('-');
        sfarsit();
        rigla('=');
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
        if (__builtin_add_overflow(rezultat_.totalBani, bani, &rezultat_.totalBani))
            rezultat_.overflow = true;
    }

    // The bank column depends only on characters 5 to 11 of the IBAN: each
    // distinct code is looked up once.
    QByteArrayView banca(QByteArrayView iban) {
        const qsizetype from = qMin<qsizetype>(4, iban.size());
        const QByteArrayView code = iban.sliced(from, qMin<qsizetype>(7, iban.size() - from));
        auto found = banci_.find(code);
        if (found == banci_.end()) {
            int row = -1;
            const QString name =
                beneficiary::summaryBankName(Banci1_, text::fromCp1250(iban), &row);
            found = banci_.insert(code, {text::toCp1250(name), row});
        }
        if (found->row >= 0)
            rezultat_.randBanca = found->row;
        return found->name;
    }

    void append(QByteArrayView bytes) { out_.append(bytes.data(), size_t(bytes.size())); }
    void blanks(qsizetype count) {
        for (; count > 0; count -= kLatime)
            out_.append(kBlanks.data(), size_t(qMin<qsizetype>(count, kLatime)));
    }
    void stanga(QByteArrayView bytes, int width) {
        append(bytes);
        blanks(width - bytes.size());
    }
    void dreapta(QByteArrayView bytes, int width) {
        blanks(width - bytes.size());
        append(bytes);
    }
    void eticheta(const char* label, QByteArrayView value) {
        append(label);
        append(value);
        sfarsit();
    }
    void linie(const char* text) {
        append(text);
        sfarsit();
    }
    void rigla(char c) {
        out_.append(c == '=' ? kEgal.data() : kMinus.data(), kLatime);
        sfarsit();
    }
    void sfarsit() { out_.append("\r\n", 2); }

    struct Banca {
        QByteArray name;
        int row;
    };

    static constexpr qsizetype kChunkSize = 1 << 20;

    const CerereBorderou& cerere_;
    const beneficiary::ReferenceList& Banci1_;
    QIODevice* device_;
    bool ok_ = true;
    const QByteArray antet_;
    // Keys are views of the stored bytes, valid while the summary is made.
    QHash<QByteArrayView, bool> date_;
    QHash<QByteArrayView, Banca> banci_;
    std::string out_;  // appends cheaply, one byte a character
    Borderou rezultat_;
};

}  // namespace

QStringList Borderou::linii() const {
    return text::splitLines(text::fromCp1250(continut));
}

QString summaryAmount(const QString& suma) {
    if (suma.isEmpty())
        return QStringLiteral("0.00");
    const qsizetype point = suma.indexOf(QLatin1Char('.'));
    if (point < 0)
        return suma + QLatin1String(".00");
    if (suma.size() - point - 1 == 1)
        return suma + QLatin1Char('0');
    return suma;
}

QString totalBorderou(qint64 bani, bool overflow) {
    const QString total = checks::baniToText(bani);
    return overflow || total.indexOf(QLatin1Char('.')) >= 16 ? kOverflowStars : total;
}

namespace {

// One pass over the stored lines: each selected document goes to `scriere`.
Borderou walkOrders(QByteArrayView ordine, const CerereBorderou& cerere, SummaryWriter& scriere) {
    const QByteArray cif = text::toCp1250(cerere.CIF);
    const QByteArray tip = text::toCp1250(cerere.tip);
    // A code the code page cannot hold as typed equals no stored field.
    const bool cautat = text::fromCp1250(cif) == cerere.CIF;

    const char* data = ordine.data();
    const char* end = data + ordine.size();
    for (const char* begin = data; cautat && scriere.merge() && begin < end;) {
        const char* newline =
            static_cast<const char*>(std::memchr(begin, '\n', size_t(end - begin)));
        const char* stop = newline ? newline : end;
        QByteArrayView line(begin, stop - begin);
        begin = stop + 1;
        if (line.endsWith('\r'))
            line.chop(1);

        // Most lines are another payer's: they are left after field 5.
        Campuri c;
        Separare fields(line);
        for (int k = store::nr_ordine; k <= store::CIF_platitor; ++k) c.camp[k] = fields.nextLine();
        if (c.camp[store::CIF_platitor] != cif || store::knownShape(line) < 0)
            continue;
        for (int k = store::adresa_platitor; k <= store::data_emiterii; ++k)
            c.camp[k] = fields.nextLine();
        // Lines of an earlier shape have fewer fields before the type; the
        // fields read here stand at the same places in every shape.
        c.tip = line.sliced(line.lastIndexOf(',') + 1);
        if ((!cerere.tip.isEmpty() && c.tip != tip) ||
            !scriere.inPerioada(c.camp[store::data_emiterii])) {
            continue;
        }
        scriere.document(c);
    }
    return scriere.incheiere();
}

}  // namespace

Borderou cre_borderou(QByteArrayView ordine, const CerereBorderou& cerere,
                      const beneficiary::ReferenceList& Banci1) {
    SummaryWriter scriere(cerere, Banci1);
    return walkOrders(ordine, cerere, scriere);
}

bool scrie_borderou(const QString& ordinePath, const QString& borderouPath,
                    const CerereBorderou& cerere, const beneficiary::ReferenceList& Banci1,
                    Borderou* rezultat, QString* error) {
    const auto fail = [error](const QString& path, const QString& why) {
        if (error)
            *error = QFileInfo(path).fileName() + QLatin1String(": ") + why;
        return false;
    };
    const store::StoredFile ordine(ordinePath);
    if (!ordine.open())
        return fail(ordinePath, ordine.errorString());

    QFile::remove(borderouPath);
    QFile out(borderouPath);
    // The summary goes out in large pieces: no buffering of its own needed.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return fail(borderouPath, out.errorString());
    SummaryWriter scriere(cerere, Banci1, &out);
    Borderou borderou = walkOrders(ordine.bytes(), cerere, scriere);
    if (!scriere.merge()) {
        const QString why = out.errorString();
        out.close();
        QFile::remove(borderouPath);
        return fail(borderouPath, why);
    }
    out.close();
    if (rezultat)
        *rezultat = std::move(borderou);
    return true;
}

}  // namespace tavo::printing
