// Times the payment summary (Borderou.txt) over 100 000 documents against an
// awk program doing the same selection and sum over the same file, measured
// in the same run, and prints the ratio. The agency file is timed too.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "beneficiary/reference_lists.h"
#include "export/agency_file.h"
#include "order_generator.h"
#include "printing/borderou.h"
#include "store/orders_file.h"
#include "text/text_file.h"
#include "timing.h"

namespace {

using tavo::bench::medianMs;

constexpr int kDocuments = 100000;
const QString kPayer = QStringLiteral("13548146");  // one of the generator's payers

// The same selection in awk, in one pass: field 5 the payer, field 15 in the
// years (the generator writes dd/mm/yyyy), field 20 the type (any when
// empty); field 3 summed.
QString awkSum(const QString& file, const char* firstYear, const char* lastYear, const char* type) {
    QProcess awk;
    awk.start(QStringLiteral("awk"),
              {"-F,", "-v", "RS=\r\n", "-v", "c=" + kPayer, "-v", QLatin1String("y1=") + firstYear,
               "-v", QLatin1String("y2=") + lastYear, "-v", QLatin1String("t=") + type,
               "$5 == c && (t == \"\" || $20 == t) && (y = substr($15, 7, 4)) >= y1 && y <= y2 "
               "{ s += $3; n++ } END { printf \"%d %.2f\", n, s }",
               file});
    awk.waitForFinished(-1);
    return QString::fromLatin1(awk.readAllStandardOutput());
}

struct Figure {
    const char* what;
    double ms;
    double baselineMs;
};

// The same documents as `generated`, all of the one payer: every one of them is listed.
void writeOnePayerCopy(const QStringList& generated, const QString& path) {
    QStringList same;
    for (const QString& line : generated) {
        QStringList fields = line.split(QLatin1Char(','));
        fields[4] = kPayer;
        same.append(fields.join(QLatin1Char(',')));
    }
    tavo::text::writeLines(path, same);
}

// The agency file against awk writing every document as a line of fields.
Figure timeAgencyFile(const QDir& folder, const QString& orders) {
    const QString tabela = folder.filePath(QStringLiteral("tabela.txt"));
    const double agencyMs =
        medianMs([&] { tavo::exporting::cre_tabela(tavo::store::OrdersFile(folder), tabela); });
    const double awkAgencyMs = medianMs([&] {
        QProcess::execute(
            QStringLiteral("sh"),
            {"-c",
             "awk -F, -v RS='\r\n' -v ORS='\r\n' '{ print \"#\" $2 \"#,\" $15 \",\" $5 \",#\" "
             "substr($4, 1, 30) \"#,#\" $6 \"#,#\" $7 \"#,#\" substr($7, 5, 4) \"ROBU#,\" $10 "
             "\",#\" substr($9, 1, 30) \"#,#\" $11 \"#,#\" substr($11, 5, 4) \"ROBU#,\" $3 \",#\" "
             "substr($14, 1, 70) \"#\" }' \"$0\" > \"$1\"",
             orders, folder.filePath(QStringLiteral("awk-tabela.txt"))});
    });
    return {"agency file (tabela.txt), every document", agencyMs, awkAgencyMs};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString orders = folder.filePath(QLatin1String(tavo::store::OrdersFile::fileName));
    const QString summary = folder.filePath(QLatin1String(tavo::printing::kFisierBorderou));
    const QStringList generated = tavo::bench::generateOrders(kDocuments);
    tavo::text::writeLines(orders, generated);
    const QString onePayer = folder.filePath(QStringLiteral("one-payer.txt"));
    writeOnePayerCopy(generated, onePayer);
    const qint64 bytes = QFileInfo(orders).size();
    const tavo::beneficiary::ReferenceLists lists = tavo::beneficiary::builtInLists();
    const tavo::beneficiary::ReferenceList& Banci1 = lists.Form_IBAN.Banci1;

    std::vector<Figure> figures;
    std::printf("ordine.txt: %d documents, %.1f MB; payer %s\n", kDocuments, double(bytes) / 1e6,
                qPrintable(kPayer));
    // A year of payment orders, as the command is used; then the payer's
    // four years of both types, a summary some four times as long; then a
    // file of one payer, all of it listed.
    const struct {
        const char* what;
        const QString& file;
        const char* period;
        const char* type;
        const char* firstYear;
        const char* lastYear;
    } runs[] = {
        {"Borderou (1), OP, 2023", orders, "01/01/2023-31/12/2023", "OP", "2023", "2023"},
        {"Borderou (1), OP+FV, 2022-2025", orders, "01/01/2022-31/12/2025", "", "2022", "2025"},
        {"one payer: every document listed", onePayer, "01/01/2022-31/12/2025", "", "2022", "2025"},
    };
    for (const auto& run : runs) {
        tavo::printing::SummaryRequest cerere;
        cerere.CIF = kPayer;
        cerere.perioada = tavo::printing::readPeriod(QLatin1String(run.period));
        cerere.tip = QLatin1String(run.type);
        tavo::printing::Borderou made;
        const double ms = medianMs([&] {
            if (!tavo::printing::scrie_borderou(run.file, summary, cerere, Banci1, &made))
                std::fprintf(stderr, "the summary was not written\n");
        });
        QString sum;
        const double awkMs =
            medianMs([&] { sum = awkSum(run.file, run.firstYear, run.lastYear, run.type); });
        std::printf("%s: %lld documents, total %s (awk: n s = %s); Borderou.txt %.1f MB\n",
                    run.what, static_cast<long long>(made.documente),
                    qPrintable(tavo::printing::totalBorderou(made.totalBani, made.overflow)),
                    qPrintable(sum), double(QFileInfo(summary).size()) / 1e6);
        figures.push_back({run.what, ms, awkMs});
    }

    figures.push_back(timeAgencyFile(folder, orders));

    std::printf("%-44s %9s %9s %7s\n", "", "tavo", "awk", "ratio");
    for (const Figure& f : figures) {
        std::printf("%-44s %7.1f ms %6.1f ms %7.2f\n", f.what, f.ms, f.baselineMs,
                    f.ms / f.baselineMs);
    }
    return 0;
}
