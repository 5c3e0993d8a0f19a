// The real windows of `tavo` on a virtual display (Xvfb) under openbox, driven
// by key presses (xdotool), the clipboard (xclip) and the close box (wmctrl).
// A picture of the screen at every question goes to build/screenshots/desktop/.
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>
#include <stdexcept>

// Texts shown as texts when a check fails.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

// The longest any one step may take: a window or a question to appear, a key
// to be heard, the program to end.
constexpr int kStepMs = 15000;
// Starting a display server, a window manager or the program on a busy machine.
constexpr int kStartMs = 30000;

const QString kMainTitle = "^TAVO - vers\\.";
const QString kEntryTitle = "^Incarcare/actualizare OP/FV$";

// One stored payment order, as ordine.txt holds it (CR LF); the beneficiary
// IBAN pasted into it; the payload its barcode must carry once the amount and
// that IBAN are changed: fields 2 to 15 with the banks' BICs, no commitment.
const QByteArray kStoredLine =
    "1,45,1500.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,FIRMA X,"
    "4221306,RO46RNCB0089000000000001,,,SERVICII,15/01/2023,,,,,OP";
const QString kIban = "RO19RNCB0089000000000002";
const QByteArray kPayload =
    "#45#,2345.67,#ALFA SRL#,13548146,#STR. MARE 1 BRASOV#,#RO46RNCB0089000000000001#,"
    "#RNCBROBU#,#FIRMA X#,4221306,#RO19RNCB0089000000000002#,#RNCBROBU#,,#SERVICII#,15/01/2023";

// The entry window's stops in Tab order, for a payment order without a
// debit date, from the first field to "Listare".
const QStringList kTabStops{"d1(0)",  "d1(2)",  "d1(3)",  "d1(4)",    "d1(5)",   "d1(7)", "d1(8)",
                            "d1(9)",  "d1(12)", "d1(13)", "d1(6)",    "d1(10)",  "d1(1)", "d1(11)",
                            "d1(14)", "d1(15)", "d1(17)", "but_exit", "Command7"};

QByteArray withField(const QByteArray& line, int field, const QByteArray& value) {
    QList<QByteArray> fields = line.split(',');
    fields[field] = value;
    return fields.join(',');
}

// The bytes of the PDF417 symbol on a page rendered to an image.
QByteArray barcodeIn(const QString& image) {
    const QImage page = QImage(image).convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(page.constBits(), page.width(), page.height(),
                                ZXing::ImageFormat::Lum, int(page.bytesPerLine()));
    const auto hints =
        ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::PDF417).setTryHarder(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    const ZXing::ByteArray& bytes = result.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

// The tools the test drives the display with, each with its Debian package.
const QStringList kTools{
    "Xvfb xvfb",   "openbox openbox",    "xdotool xdotool",       "wmctrl wmctrl",
    "xclip xclip", "import imagemagick", "pdftoppm poppler-utils"};

class Desktop : public testing::Test {
  protected:
    // The display, its window manager and the program on a folder of one document.
    void SetUp() override {
        for (const QString& tool : kTools) {
            if (QStandardPaths::findExecutable(tool.section(' ', 0, 0)).isEmpty())
                GTEST_SKIP() << "no display server to drive: " << tool.toStdString()
                             << " (program, Debian package) is missing: "
                             << "tools/install-deps.sh installs it";
        }
        // Pictures of an earlier run would mislead.
        QDir(QStringLiteral(TAVO_SCREENSHOT_DIR)).removeRecursively();
        ASSERT_TRUE(folder_.isValid());
        QDir(folder_.path()).mkpath("home");
        QFile orders(folder_.filePath("ordine.txt"));
        ASSERT_TRUE(orders.open(QIODevice::WriteOnly) && orders.write(kStoredLine + "\r\n") > 0);
        orders.close();
        if (!startDisplay())
            GTEST_SKIP() << "Xvfb could not start a display";
        openbox_.setProcessChannelMode(QProcess::MergedChannels);
        ASSERT_TRUE(startProcess(openbox_, "openbox", {"--sm-disable"}));
        if (!within(kStartMs, [this] { return tool("wmctrl", {"-m"}).code == 0; }))
            fail("openbox did not start: " + QString::fromLocal8Bit(openbox_.readAll()));
        ASSERT_TRUE(startProcess(tavo_, QStringLiteral(TAVO_BINARY), {"--dir", folder_.path()}));
    }

    void TearDown() override {
        if (HasFailure() && !display_.isEmpty())
            screenshot("failure");
        // The program first, then the window manager, then the display they use.
        // One that does not end is killed when its QProcess goes.
        for (QProcess* process : {&tavo_, &openbox_, &xvfb_}) {
            process->terminate();
            process->waitForFinished(kStepMs);
        }
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment env;
        env.insert("PATH", qEnvironmentVariable("PATH"));
        env.insert("HOME", folder_.filePath("home"));
        env.insert("LANG", "C.UTF-8");
        env.insert("DISPLAY", display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        // No printer: the pages go to PDF files in listari/.
        env.insert("CUPS_SERVER", folder_.filePath("no-cups"));
        // A sanitizer build runs with the options its test run was given.
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            if (qEnvironmentVariableIsSet(name))
                env.insert(name, qEnvironmentVariable(name));
        }
        return env;
    }

    // The process ends with the test, even when the test is killed.
    bool startProcess(QProcess& process, const QString& program, const QStringList& arguments) {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(folder_.path());
        process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process.start(program, arguments);
        return process.waitForStarted(kStepMs);
    }

    // Xvfb picks a free display number and tells it when it is ready.
    bool startDisplay() {
        if (!startProcess(xvfb_, "Xvfb",
                          {"-displayfd", "1", "-screen", "0", "1600x1200x24", "-nolisten", "tcp"}))
            return false;
        QByteArray number;
        const auto told = [&] {
            xvfb_.waitForReadyRead(100);
            number += xvfb_.readAllStandardOutput();
            return number.contains('\n') || xvfb_.state() != QProcess::Running;
        };
        if (!within(kStartMs, told) || !number.contains('\n'))
            return false;
        display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
        return true;
    }

    struct ToolRun {
        int code = -1;
        QByteArray out;
    };

    ToolRun tool(const QString& program, const QStringList& arguments,
                 const QByteArray& input = {}) {
        QProcess process;
        process.setProcessEnvironment(environment());
        // xclip stays behind to serve the clipboard: it must not hold our pipes.
        if (program == QLatin1String("xclip") && arguments.contains(QLatin1String("-i")))
            process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(kStepMs)) {
            process.kill();
            process.waitForFinished();
            fail(QString("%1 %2 did not finish").arg(program, arguments.join(' ')));
        }
        ToolRun run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        return run;
    }

    static bool within(int ms, const std::function<bool()>& condition) {
        QDeadlineTimer deadline(ms);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(50);
        }
        return true;
    }

    static void waitFor(const QString& what, const std::function<bool()>& condition,
                        int ms = kStepMs) {
        if (!within(ms, condition))
            fail(QString("waited %1 ms for %2").arg(ms).arg(what));
    }

    QStringList visibleWindows(const QStringList& criteria) {
        const ToolRun run = tool("xdotool", QStringList{"search", "--onlyvisible"} + criteria);
        return QString::fromLatin1(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList windowsTitled(const QString& title) { return visibleWindows({"--name", title}); }

    // A window of the program other than the main and the entry window: a
    // question or a message (their titles are empty, like the program's name).
    QStringList dialogs() {
        QStringList found = visibleWindows({"--pid", QString::number(tavo_.processId())});
        const QStringList known = windowsTitled(kMainTitle) + windowsTitled(kEntryTitle);
        found.removeIf([&known](const QString& id) { return known.contains(id); });
        return found;
    }

    void waitForWindow(const QString& title, const QString& what, int ms = kStepMs) {
        QString id;
        waitFor(
            what, [&] { return !(id = windowsTitled(title).value(0)).isEmpty(); }, ms);
        tool("xdotool", {"windowactivate", "--sync", id});
    }

    // Waits for the question or message `what`, and keeps a picture of it.
    void waitForDialog(const QString& what) {
        waitFor(what, [this] { return dialogs().size() == 1; });
        screenshot(what);
    }

    // The window manager's close box: the window is asked to close.
    void closeBox(const QString& title) {
        const QString id = windowsTitled(title).value(0);
        if (id.isEmpty() || tool("wmctrl", {"-i", "-c", id}).code != 0)
            fail("no close box for " + title);
    }

    void screenshot(const QString& what) {
        const QString dir = QStringLiteral(TAVO_SCREENSHOT_DIR);
        QDir().mkpath(dir);
        const QString name =
            QString("%1-%2.png")
                .arg(++screenshots_, 2, 10, QLatin1Char('0'))
                .arg(QString(what).replace(QRegularExpression("[^A-Za-z0-9]+"), "-"));
        tool("import", {"-window", "root", dir + QLatin1Char('/') + name});
    }

    void keys(const QStringList& names) {
        tool("xdotool", QStringList{"key", "--clearmodifiers", "--delay", "40"} + names);
    }

    void type(const QString& text) { tool("xdotool", {"type", "--delay", "40", text}); }

    QString clipboard() {
        return QString::fromUtf8(tool("xclip", {"-o", "-selection", "clipboard"}).out);
    }

    // The clipboard holds `text` once xclip owns it.
    void setClipboard(const QString& text) {
        tool("xclip", {"-i", "-selection", "clipboard"}, text.toUtf8());
        waitFor("the clipboard to hold " + text, [&] { return clipboard() == text; });
    }

    // The whole text of the field that has the keyboard focus (Ctrl+A, Ctrl+C);
    // with other keys than Ctrl+A, what they leave selected.
    QString focusedText(const QStringList& select = {"ctrl+a"}) {
        const QString marker = "(nothing copied)";
        setClipboard(marker);
        keys(select + QStringList{"ctrl+c"});
        QString text;
        waitFor("a text copied from the focused field (a message in the way?)",
                [&] { return (text = clipboard()) != marker; });
        return text;
    }

    // Moves the focus with Tab (or Shift+Tab) to `stop`, where the field's
    // text must be `expected` when one is given. A message in the way takes
    // the keys, and nothing is copied.
    void tabTo(const QString& stop, const QString& expected = {}) {
        const int target = int(kTabStops.indexOf(stop));
        ASSERT_GE(target, 0);
        const int moves = target - stop_;
        keys(QStringList(std::abs(moves), moves > 0 ? "Tab" : "shift+Tab"));
        stop_ = target;
        if (!expected.isEmpty()) {
            ASSERT_EQ(focusedText(), expected) << "in " << stop.toStdString();
        }
    }

    QByteArray orders() const {
        QFile file(folder_.filePath("ordine.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    QProcess xvfb_;
    QProcess openbox_;
    QProcess tavo_;
    QString display_;
    int stop_ = 0;  // where the entry window's focus is, in kTabStops
    int screenshots_ = 0;
};

// An IBAN pasted as bank statements write it, in groups of four, is kept
// whole; an amount typed with a comma is kept with a point. "Listare" without
// a printer writes the page to listari/, its barcode reading back as the edited
// document. An amount grouped by thousands asks what it means. Escape calls
// "Salvati ?" off at the close box; Da writes the two fields, and nothing else
// of the document. A wrong fiscal code, emptied after its message, comes back
// selected with Ctrl+Z, to be typed over.
TEST_F(Desktop, PastedIbanAndTypedAmountArePrintedAndSaved) {
    const QByteArray before = orders();
    waitForWindow(kMainTitle, "the main window", kStartMs);
    ASSERT_EQ(focusedText(), "2") << "NrO does not have the focus with the next free number";
    type("1");
    // Enter moves from NrO to "Incarcare", a second Enter presses it.
    keys({"Return", "Return"});
    waitForWindow(kEntryTitle, "the entry window");
    ASSERT_EQ(focusedText(), "45") << "the entry window does not start in d1(0)";
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(3)", "13548146"));
    keys({"ctrl+a"});
    type("1234567");
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(4)"));
    waitForDialog("wrong payer fiscal code");
    keys({"Return"});
    waitFor("the message to close", [this] { return dialogs().isEmpty(); });
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(3)"));
    ASSERT_EQ(focusedText({"ctrl+z"}), "1234567") << "Ctrl+Z did not bring it back selected";
    type("13548146");
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(4)", "STR. MARE 1 BRASOV"));
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(3)", "13548146"));
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(9)", "RO46RNCB0089000000000001"));
    const QString pasted = "RO19 RNCB 0089 0000 0000 0002";
    setClipboard(pasted);
    keys({"ctrl+a", "ctrl+v", "ctrl+a", "ctrl+c"});
    QString field;
    waitFor("the field's text on the clipboard", [&] { return (field = clipboard()) != pasted; });
    ASSERT_EQ(field, kIban);
    // Left without a message (the IBAN and its bank are right), and come back to.
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(12)", "SERVICII"));
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(9)", kIban));
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(1)", "1500.00"));
    // Grouped by thousands as the form shows amounts: asked, and Da keeps 1500.
    keys({"ctrl+a"});
    type("1.500");
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(11)"));
    waitForDialog("the thousands question");
    keys({"Return"});
    waitFor("the question to close", [this] { return dialogs().isEmpty(); });
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(1)", "1500"));
    keys({"ctrl+a"});
    type("2345,67");
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(11)"));
    ASSERT_NO_FATAL_FAILURE(tabTo("d1(1)", "2345.67"));

    ASSERT_NO_FATAL_FAILURE(tabTo("Command7"));
    keys({"space"});
    waitForDialog("no printer, PDF written");
    keys({"Return"});
    waitFor("the message to close", [this] { return dialogs().isEmpty(); });
    const QDir listari(folder_.filePath("listari"));
    const QStringList pdfs = listari.entryList({"*.pdf"}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(' ').toStdString();
    const QString png = folder_.filePath("page");
    ASSERT_EQ(tool("pdftoppm", {"-r", "300", "-gray", "-aa", "no", "-aaVector", "no", "-png",
                                "-singlefile", listari.filePath(pdfs[0]), png})
                  .code,
              0);
    EXPECT_EQ(barcodeIn(png + ".png"), kPayload);

    // Escape calls "Salvati ?" off: the form stays as it was, nothing written.
    closeBox(kEntryTitle);
    waitForDialog("Salvati at the close box");
    keys({"Escape"});
    waitFor("Escape to call the question off", [this] { return dialogs().isEmpty(); });
    screenshot("after Escape");
    EXPECT_FALSE(windowsTitled(kEntryTitle).isEmpty()) << "the entry window closed";
    EXPECT_EQ(orders(), before);

    closeBox(kEntryTitle);
    waitForDialog("Salvati again");
    // Da: the entry window closes; then the main window's close box ends the
    // program well, and frees the folder.
    keys({"Return"});
    waitFor("the entry window to close after Da",
            [this] { return windowsTitled(kEntryTitle).isEmpty(); });
    waitForWindow(kMainTitle, "the main window after saving");
    EXPECT_EQ(orders(),
              withField(withField(kStoredLine, 2, "2345.67"), 10, kIban.toLatin1()) + "\r\n");
    closeBox(kMainTitle);
    if (!tavo_.waitForFinished(kStepMs))
        fail("the program did not end at the main window's close box");
    EXPECT_EQ(tavo_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tavo_.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder_.filePath("tavo.lock")));
}

}  // namespace
