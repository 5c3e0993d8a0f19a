// A stored document taken for printing: by its order number (the single
// listing) and from a line already read (the package) the same document comes
// out, checked, with the stored type winning over the one the main window
// offers, and its missing data returned without a message.
#include "entry/stored_document.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "../helpers.h"
#include "text/text_file.h"

namespace tavo {
namespace {

struct Case {
    const char* what;
    QString line;         // as stored in ordine.txt, order number i + 1
    QString offered;      // the type the main window offers
    bool op;              // laid out as a payment order
    QString payerIban;    // d1(5) once loaded
    QStringList missing;  // lista_erori
};

const std::vector<Case> kCases = {
    {"complete payment order, offered as a slip",
     "1,745,1500.50,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE "
     "STAT,4221306,RO21TREZ13120A010101XXXX,,,IMPOZIT PE PROFIT,15/01/2025,,,,,OP",
     "FV",
     true,
     "RO46RNCB0089000000000001",
     {}},
    // A payer IBAN left on a slip's line is dropped, as the entry window drops it.
    {"deposit slip with a payer IBAN, offered as an order",
     "2,46,200,BETA SRL,4221306,STR. MICA 2,RO46RNCB0089000000000001,,DGFP BRASOV,4221306,"
     "RO21TREZ13120A010101XXXX,,,TAXA AUTO,16/01/2025,,,,,FV",
     "OP",
     false,
     "",
     {}},
    {"incomplete payment order",
     "3,47,,GAMA SRL,13548146,,RO46RNCB0089000000000001,,BUGETUL DE STAT,4221306,"
     "RO21TREZ13120A010101XXXX,,,TAXA,17/01/2025,,,,,OP",
     "OP",
     true,
     "RO46RNCB0089000000000001",
     {"Suma plătită necompletată; ", "Adresa plătitor necompletată; "}},
};

// The texts of a control array in one line, for a readable failure.
std::string joined(const auto& texts) {
    return QStringList(texts.begin(), texts.end()).join(QLatin1Char('|')).toStdString();
}

TEST(StoredDocuments, ByNumberAndFromTheLineAlike) {
    RecordingUi r;
    QStringList lines;
    for (const Case& c : kCases) lines.append(c.line);
    ASSERT_TRUE(text::writeLines(r.dir.filePath("ordine.txt"), lines));
    ProgramState state;
    beneficiary::ReferenceLists lists = beneficiary::builtInLists();
    const StoredDocuments documents(QDir(r.dir.path()), r.ui, state, lists);

    for (size_t i = 0; i < kCases.size(); ++i) {
        const Case& c = kCases[i];
        SCOPED_TRACE(c.what);
        const CheckedDocument loaded = documents.load(qint64(i + 1), c.offered);
        EXPECT_EQ(loaded.op, c.op);
        EXPECT_EQ(state.tip_doc, c.op ? "OP" : "FV");
        EXPECT_EQ(loaded.d1[D1::IBAN_platitor].toStdString(), c.payerIban.toStdString());
        EXPECT_EQ(joined(loaded.lista_erori), joined(c.missing));
        EXPECT_EQ(joined(state.lista_erori), joined(c.missing));
        EXPECT_EQ(loaded.b1[B1::marcaj_ordine].toStdString(),
                  QStringLiteral("(%1)").arg(i + 1).toStdString());

        state.tip_doc = c.offered;
        const CheckedDocument read = documents.check(store::ordin::fromLine(c.line));
        EXPECT_EQ(read.op, loaded.op);
        EXPECT_EQ(joined(read.d1), joined(loaded.d1));
        EXPECT_EQ(joined(read.b1), joined(loaded.b1));
        EXPECT_EQ(joined(read.lista_erori), joined(loaded.lista_erori));
        EXPECT_EQ(read.payload.toStdString(), loaded.payload.toStdString());
    }
    EXPECT_TRUE(r.shown.isEmpty()) << r.shown.join('\n').toStdString();
}

}  // namespace
}  // namespace tavo
