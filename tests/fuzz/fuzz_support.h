// What the fuzz targets share: entry points, checks, scratch files, a silent Ui.
#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "../test_files.h"
#include "text/cp1250.h"
#include "ui/ui.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace tavo::fuzz {

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

// A promise of the code under test; a broken one ends the run as a crash.
#define FUZZ_CHECK(condition) \
    ((condition) ? void(0) : ::tavo::fuzz::fail(#condition, __FILE__, __LINE__))

// Qt's warnings only slow the runs down; a fatal message is a crash.
inline void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "Qt fatal: %s\n", qPrintable(text));
        std::abort();
    }
}

// Made once, never destroyed (the run ends by exit(), after Qt's statics);
// `gui` for the targets that draw, on the offscreen platform.
inline void startApplication(int* argc, char*** argv, bool gui) {
    qInstallMessageHandler(quietMessages);
    if (!gui) {
        new QCoreApplication(*argc, *argv);
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(QStringLiteral("tavo-fuzz-runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    new QGuiApplication(*argc, *argv);
}

// The two entry points of a target: `check` gets every input's bytes.
#define TAVO_FUZZ_TARGET(gui, check)                                                 \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {                   \
        ::tavo::fuzz::startApplication(argc, argv, gui);                             \
        return 0;                                                                    \
    }                                                                                \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {        \
        check(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size))); \
        return 0;                                                                    \
    }

// A folder of the run, reused by every input; in /dev/shm when there is one,
// as the targets write and sync files.
inline QDir scratchFolder() {
    static std::unique_ptr<QTemporaryDir> folder;
    if (!folder) {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/tavo-fuzz-XXXXXX"));
        if (!folder->isValid())
            fail("no scratch folder", __FILE__, __LINE__);
    }
    return QDir(folder->path());
}

inline void writeFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly));
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
}

// The scratch folder's subfolder `name`, emptied.
inline QDir emptyFolder(const QString& name) {
    const QDir scratch = scratchFolder();
    QDir(scratch.filePath(name)).removeRecursively();
    scratch.mkpath(name);
    return QDir(scratch.filePath(name));
}

// The user who closes every message and answers "no" or Cancel.
class SilentUi : public Ui {
  public:
    void message(const QString&, Icon, const QString&) override { ++messages; }
    Answer ask(const QString&, Buttons, const QString&) override { return Answer::No; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void openText(const QString&) override {}
    void print(const PrintJob&) override {}

    int messages = 0;
};

// Whether every character of `text` is one of the ASCII `allowed`.
inline bool consistsOf(QStringView text, const char* allowed) {
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() >= 0x80 || !std::strchr(allowed, c.toLatin1()))
            return false;
    }
    return true;
}

// `check` on the input read as a file of the working folder and as typed text.
template <void (*check)(const QString&)>
void bothReadings(QByteArrayView bytes) {
    check(text::fromCp1250(bytes));
    check(QString::fromUtf8(bytes));
}

}  // namespace tavo::fuzz
