// Renders the windows to PNG files (offscreen), so that a developer can look
// at what a user sees: screenshots OUTPUT_FOLDER.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "entry/stored_document.h"
#include "gui/romanian.h"
#include "gui/text_viewer.h"
#include "gui/window_places.h"
#include "gui/windows.h"
#include "main_window/program.h"
#include "printing/borderou.h"
#include "printing/printed_page.h"
#include "printing/text_image.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

using namespace tavo;

namespace {

bool save(QWidget& widget, const QDir& out, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The text viewer on a file of the working folder, as the program opens it.
bool saveText(const QDir& folder, const QString& file, const QDir& out, const QString& name) {
    gui::TextViewer viewer(folder.filePath(file), false, {});
    viewer.setAttribute(Qt::WA_DeleteOnClose, false);
    return viewer.loaded() && save(viewer, out, name);
}

// A printed page as the paper shows it: A4 at 100 dots an inch, white.
bool savePage(const printing::PrintedPage& page, const QDir& out, const QString& name) {
    constexpr double kDpi = 100;
    QImage image(qRound(210 / 25.4 * kDpi), qRound(297 / 25.4 * kDpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kDpi / 0.0254));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kDpi / 1440, kDpi / 1440);
        printing::drawPrintedPage(painter, page);
    }
    const QString path = out.filePath(name + QStringLiteral(".png"));
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The sample documents the pictures show: two payment orders and a deposit
// slip of two payers, and an order with a six-digit number.
void writeSampleOrders(const QDir& folder) {
    text::writeLines(
        folder.filePath(QStringLiteral("ordine.txt")),
        {QStringLiteral("1,45,1500.00,SC ALFA CONSTRUCT SRL,13548146,STR. MARE 1 BRAŞOV,"
                        "RO49RNCB0089000000000001,BCR BRASOV,BUGETUL DE STAT,4221306,"
                        "RO61TREZ1315069XXX000000,,,IMPOZIT PROFIT,15/01/2023,,,,,OP"),
         QStringLiteral("2,46,200,ŞTEFĂNESCU ION,1800101220021,STR. MICA 2,,,BUGETUL LOCAL,"
                        "4221306,RO61TREZ1315069XXX000000,,,TAXA,16/01/2023,,,,,FV"),
         QStringLiteral("3,48,320.00,SC ALFA CONSTRUCT SRL,13548146,STR. MARE 1 BRAŞOV,"
                        "RO49RNCB0089000000000001,BCR BRASOV,BUGETUL DE STAT,4221306,"
                        "RO61TREZ1315069XXX000000,,,TVA DE PLATA,20/01/2023,,,,,OP"),
         QStringLiteral("123456,47,75.50,SC BETA SA,14818116,STR. LUNGA 3,"
                        "RO49TREZ1315069XXX000001,,ADS,14818116,RO61TREZ1315069XXX000000,,,"
                        "REDEVENTA,17/01/2023,20/01/2023,,,,OP")});
}

// The running program and where its pictures go; each member saves one group
// of pictures and tells whether all of them were written.
struct Pictures {
    const QDir& folder;
    const QDir& out;
    ScriptedUi& ui;
    Program& program;
    gui::Windows& windows;

    bool mainWindow();
    bool mainWindowLargeFont();
    bool mainWindowCommands();
    bool entryWindow(const QString& number, bool order, const QString& name);
    bool entryWindows();
    bool entryDialogs();
    bool printedPages();
};

// The main window, alone and with the list narrowed to one payer's documents.
bool Pictures::mainWindow() {
    windows.update();
    bool ok = save(windows.introdView(), out, QStringLiteral("main-window"));
    program.introd().Cauta = QStringLiteral("alfa construct");
    program.introd().Cauta_Change();
    windows.update();
    ok = save(windows.introdView(), out, QStringLiteral("main-window-search")) && ok;
    if (auto* list = windows.introdView().findChild<QComboBox*>(QStringLiteral("Ordine"))) {
        list->showPopup();
        ok = save(*list->view(), out, QStringLiteral("main-window-search-list")) && ok;
        list->hidePopup();
    }
    // An amount as people write it finds the document of 1500.00.
    program.introd().Cauta = QStringLiteral("1.500,00");
    program.introd().Cauta_Change();
    windows.update();
    ok = save(windows.introdView(), out, QStringLiteral("main-window-amount")) && ok;
    program.introd().Cauta.clear();
    program.introd().Cauta_Change();
    windows.update();
    return ok;
}

// The main window at its first showing with a larger system font: all of it in sight.
bool Pictures::mainWindowLargeFont() {
    const QFont font = QApplication::font();
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    bool ok = false;
    {
        gui::IntrodView view(program.introd());
        gui::keepWindowPlace(view, QStringLiteral("windows/introd-large-font"),
                             gui::WindowRole::Main);
        ok = save(view, out, QStringLiteral("main-window-large-font"));
    }
    QApplication::setFont(font);
    return ok;
}

// "Rezumat", and "Borderou (1) OP/FV" of the first payer over January,
// payment orders and deposit slips, in the viewer.
bool Pictures::mainWindowCommands() {
    program.introd().Command4_Click();
    bool ok = saveText(folder, QStringLiteral("dosar.txt"), out, QStringLiteral("summary-viewer"));
    ui.queueAnswer(QStringLiteral("13548146"));
    ui.queueAnswer(QStringLiteral("01/01/2023-31/01/2023"));
    ui.queueAnswer(QStringLiteral("3"));
    program.introd().Command6_Click();
    ok = saveText(folder, QLatin1String(printing::kFisierBorderou), out,
                  QStringLiteral("borderou-viewer")) &&
         ok;
    // "Model import" in the viewer, then "Import OP/FV" of the model: its
    // report, not saved.
    program.introd().B_model_Click();
    ok = saveText(folder, QStringLiteral("model-import.csv"), out,
                  QStringLiteral("import-model-viewer")) &&
         ok;
    ui.queueAnswer(QStringLiteral("model-import.csv"));
    ui.queueAnswer(QStringLiteral("no"));
    program.introd().B_import_Click();
    return saveText(folder, QStringLiteral("import-raport.txt"), out,
                    QStringLiteral("import-report-viewer")) &&
           ok;
}

// The entry window opened with "Incărcare" on a document and left without saving.
bool Pictures::entryWindow(const QString& number, bool order, const QString& name) {
    program.introd().NrO = number;
    program.introd().Option_Click(order);
    program.introd().B_start_Click();
    windows.update();
    const bool saved = save(windows.incarcView(), out, name);
    ui.queueAnswer(QStringLiteral("no"));
    program.incarc().but_exit_Click();
    windows.update();
    return saved;
}

// The entry window on a payment order, then on a deposit slip; the payment
// order's form at 100 % and at 200 %, as Ctrl+plus enlarges it.
bool Pictures::entryWindows() {
    bool ok = entryWindow(QStringLiteral("1"), true, QStringLiteral("entry-op"));
    ok = entryWindow(QStringLiteral("2"), false, QStringLiteral("entry-fv")) && ok;
    for (const int zoom : {100, 200}) {
        windows.incarcView().setZoom(zoom);
        ok =
            entryWindow(QStringLiteral("1"), true, QStringLiteral("entry-zoom-%1").arg(zoom)) && ok;
    }
    windows.incarcView().setZoom(100);
    return ok;
}

// The windows the entry window opens, on the payment order.
bool Pictures::entryDialogs() {
    program.introd().NrO = QStringLiteral("1");
    program.introd().Option_Click(true);
    program.introd().B_start_Click();
    Incarc& incarc = program.incarc();
    incarc.todayForTests = [] { return QDate(2023, 3, 15); };
    windows.update();
    // "OP/FV - imagine text": the payment order as text, twice, in LKELM.txt.
    incarc.Command3_Click();
    bool ok = saveText(folder, printing::kLKELM, out, QStringLiteral("lkelm-viewer"));
    // Way 1 of the assistant: a unit and an obligation chosen.
    incarc.Command1_Click();
    Form_IBAN& assistant = program.formIban();
    assistant.Benef1.select(
        beneficiary::treasuryUnitRow(assistant.Benef1.list(), QStringLiteral("TREZ131")));
    assistant.oblig1.select(1);
    windows.update();
    ok = save(windows.formIbanView(), out, QStringLiteral("form-iban")) && ok;
    assistant.hideWindow();
    // The builder after the worked example: a fine (type 22) at Brasov, of 15/03/2023.
    incarc.Command6_Click();
    Form_NREVID& builder = program.formNrevid();
    builder.Benef1_Click(
        beneficiary::treasuryUnitRow(builder.Benef1.list(), QStringLiteral("TREZ131")));
    builder.Option_Click(2);
    builder.oblig2_Click(0);
    builder.data_decizie = QStringLiteral("150323");
    builder.Command5_Click();
    windows.update();
    ok = save(windows.formNrevidView(), out, QStringLiteral("form-nrevid")) && ok;
    builder.visible = false;
    incarc.B_cal_Click();
    windows.update();
    ok = save(windows.form2View(), out, QStringLiteral("calendar")) && ok;
    ui.queueAnswer(QStringLiteral("no"));
    incarc.but_exit_Click();
    windows.update();
    return ok;
}

// The payment order as printed, two copies and one copy a page, as the
// main window's "Listare OP/ FV" makes it; then the blank forms.
bool Pictures::printedPages() {
    const StoredDocuments documents(folder, ui, program.state, program.lists);
    const CheckedDocument document = documents.load(1, QStringLiteral("OP"));
    showMissingData(ui, document.lista_erori);
    const BarcodePicture barcode = barcodePicture(document.payload);
    bool ok = true;
    for (int copies : {0, 1}) {
        ok = savePage(documents.page(document, copies, barcode.picture), out,
                      copies == 0 ? QStringLiteral("print-two-copies")
                                  : QStringLiteral("print-one-copy")) &&
             ok;
    }
    for (auto type : {printing::FormType::OP, printing::FormType::FV}) {
        printing::PrintedPage blank;
        blank.blank = true;
        blank.look = {type, false, type == printing::FormType::OP};
        ok = savePage(blank, out,
                      type == printing::FormType::OP ? QStringLiteral("blank-op")
                                                     : QStringLiteral("blank-fv")) &&
             ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The zoom the entry window keeps goes to a test folder, not the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    gui::installRomanian(app);  // the calendar's names as the desktop shows them
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    QTemporaryDir work;
    const QDir folder(work.path());
    writeSampleOrders(folder);

    QStringList shown;
    ScriptedUi ui(folder, folder, [&](const QString& line) { shown.append(line); });
    Program program(folder, ui);
    gui::Windows windows(program);
    if (!program.start()) {
        std::fprintf(stderr, "the working folder is in use\n");
        return 1;
    }
    Pictures pictures{folder, out, ui, program, windows};
    bool ok = pictures.mainWindow();
    ok = pictures.mainWindowLargeFont() && ok;
    ok = pictures.mainWindowCommands() && ok;
    ok = pictures.entryWindows() && ok;
    ok = pictures.entryDialogs() && ok;
    ok = pictures.printedPages() && ok;
    for (const QString& line : shown) std::printf("%s\n", qPrintable(line));
    return ok ? 0 : 1;
}
