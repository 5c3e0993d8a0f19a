// "Iesire" with a save shows the main list without reading the file again:
// everything the main window shows and searches must be what reading it back gives.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "../helpers.h"
#include "main_window/program.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace tavo {
namespace {

// A payment order of the current shape; `older` cuts it to an earlier shape
// of 15, 17 or 18 commas (the type kept last).
QString order(int nr, const QString& documentNumber, const QString& payer, int older = 0) {
    QStringList fields =
        QStringLiteral(
            "%1,%2,150.00,%3,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE STAT,"
            "4221306,RO21TREZ13120A010101XXXX,,,TAXA,%4/01/2025,,,,,OP")
            .arg(nr)
            .arg(documentNumber, payer, QStringLiteral("%1").arg(nr, 2, 10, QLatin1Char('0')))
            .split(',');
    if (older > 0)
        fields = fields.mid(0, older) << fields.back();
    return fields.join(',');
}

const auto file = text::joinLines;

// What the main window shows and searches in, and the next document's defaults.
std::string shown(Program& program, const QByteArray& searchLines) {
    Introd& main = program.introd();
    return qPrintable(main.storedItems().join('|') + " / " + searchLines + " / " +
                      main.Ordine.join('|') + " / " + main.Label3 + " / NrO=" + main.NrO + " / " +
                      program.state.CIF_curent + " / " + program.state.data_curenta);
}

// A working folder with the program started on it.
struct Started {
    QTemporaryDir dir;
    QDir folder{dir.path()};
    ScriptedUi ui{folder, folder, [](const QString&) {}};
    Program program{folder, ui};
    QString orders = folder.filePath("ordine.txt");

    // `before` is ordine.txt at the start, `added` is appended to it after;
    // `searched` is typed in the search field.
    Started(const QByteArray& before, const QByteArray& added, const QString& searched) {
        write(before, QIODevice::WriteOnly);
        EXPECT_TRUE(program.start());
        write(added, QIODevice::Append);
        program.introd().Cauta = searched;
        program.introd().Cauta_Change();
    }
    void write(const QByteArray& bytes, QIODevice::OpenMode mode) {
        QFile out(orders);
        if (!bytes.isEmpty()) {
            EXPECT_TRUE(out.open(mode) && out.write(bytes) == bytes.size());
        }
    }
};

TEST(ListAfterSave, IsWhatReadingTheFileBackGives) {
    const QString a = order(1, "11", "ALFA SRL");
    const QString b = order(2, "12", "BETA SRL");
    const QString c = order(3, "13", "GAMA SRL");
    struct Case {
        const char* name;
        QByteArray before;  // ordine.txt when the program starts
        int nr;             // the document opened, changed and saved
        QByteArray addedAfterStart;
    };
    const Case cases[] = {
        {"a document replaced", file({a, b, c}), 2, {}},
        {"the last document replaced", file({a, b, c}), 3, {}},
        {"a new document appended", file({a, b, c}), 4, {}},
        {"every line of the number replaced", file({a, b, order(2, "99", "DELTA SRL"), c}), 2, {}},
        {"lines that are not documents kept",
         file({a, "not a document", "", order(2, QString::fromUtf8("ţ12"), "BETA SRL"), "#" + c,
               order(7, "17", "ZETA SRL"), b, c, a}),
         7,
         {}},
        {"older shapes brought up to date",
         file({a, order(2, "12", "BETA SRL", 15), order(3, "13", "GAMA SRL", 17)}),
         1,
         {}},
        {"line ends of another system", (a + "\n" + b).toUtf8(), 2, {}},
        {"a document added after the start", file({a, b}), 1, file({c})},
        {"an older line added after the start", file({a, b}), 2,
         order(3, "13", "GAMA SRL", 18).toUtf8() + "\n"},
        {"a last line without its LF added after the start", file({a}), 2, b.toUtf8() + "\r"},
        {"no file yet", {}, 1, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        // "Iesire" with Yes to "Salvati ?" after an edit; the list given is kept.
        Started kept(test.before, test.addedAfterStart, QStringLiteral("srl"));
        Incarc& entry = kept.program.incarc();
        std::optional<store::LoadedList> given;
        entry.onExit = [&given, show = entry.onExit](const store::LoadedList* saved) {
            if (saved)
                given = *saved;
            show(saved);
        };
        kept.program.introd().NrO = QString::number(test.nr);
        kept.program.introd().B_start_Click();
        entry.d1[D1::nr_OP] = QStringLiteral("555");
        entry.d1[D1::reprezentand] = QStringLiteral("OBIECT MODIFICAT");
        entry.d1[D1::data_emiterii] = QStringLiteral("20/02/2025");
        kept.ui.queueAnswer(QStringLiteral("yes"));
        entry.but_exit_Click();
        ASSERT_TRUE(kept.program.introd().visible);
        ASSERT_TRUE(given.has_value());
        ASSERT_TRUE(readBytes(kept.orders).contains("OBIECT MODIFICAT"));

        // The same document saved in the same folder, and the file read back.
        Started reloaded(test.before, test.addedAfterStart, QStringLiteral("srl"));
        ASSERT_TRUE(store::OrdersFile(reloaded.folder).salvare_ordin(entry.document()));
        reloaded.program.introd().incarcare_lista();
        const QByteArray readBack =
            store::OrdersFile(reloaded.folder).incarcare_lista().searchLines;

        EXPECT_EQ(shown(kept.program, given->searchLines), shown(reloaded.program, readBack));
        EXPECT_EQ(readBytes(kept.orders), readBytes(reloaded.orders));
    }
}

}  // namespace
}  // namespace tavo
