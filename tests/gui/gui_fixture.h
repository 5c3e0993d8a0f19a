// What the window tests share: two stored documents, the program and its
// windows on a working folder of them, and the entry window's fields.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/windows.h"
#include "main_window/program.h"
#include "text/text_file.h"
#include "ui/scripted_ui.h"

namespace tavo::testing {

// A payment order to the state budget, and a deposit slip.
const QString kOrder = QStringLiteral(
    "1,45,1500.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO49RNCB0089000000000001,BCR BRASOV,"
    "BUGETUL DE STAT,4221306,RO61TREZ1315069XXX000000,TREZ BRASOV,,IMPOZIT PROFIT,15/01/2023,,,,,"
    "OP");
const QString kSlip = QStringLiteral(
    "2,46,200,BETA SRL,4221306,STR. MICA 2,,,DGFP BRASOV,4221306,RO61TREZ1315069XXX000000,,,TAXA,"
    "16/01/2023,,,,,FV");

// The program and its windows on a working folder; every line the user is
// shown goes to `shown`.
struct WorkingFolder {
    QTemporaryDir dir;
    QDir folder{dir.path()};
    QStringList shown;
    ScriptedUi ui{folder, folder, [this](const QString& line) { shown.append(line); }};
    Program program{folder, ui};
    gui::Windows windows{program};

    // ordine.txt of `lines` (none: no file), and the main window on it.
    bool start(const QStringList& lines) {
        if (!lines.isEmpty() && !text::writeLines(folder.filePath("ordine.txt"), lines))
            return false;
        if (!program.start())
            return false;
        windows.update();
        return true;
    }
    // From the main window, "Incarcare" of the stored document `number`.
    bool open(const QString& number) {
        program.introd().NrO = number;
        windows.introdView().refresh();
        QTest::mouseClick(windows.introdView().findChild<QPushButton*>("B_start"), Qt::LeftButton);
        return QTest::qWaitForWindowActive(&windows.incarcView());
    }
    // The entry window open on the payment order alone.
    bool openOrder() { return start({kOrder}) && open(QStringLiteral("1")); }
};

inline QWidget* field(QWidget& view, int k) {
    return view.findChild<QWidget*>(Incarc::fieldName(k));
}

inline QString textOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return qobject_cast<QPlainTextEdit*>(widget)->toPlainText();
}

inline void focusField(QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(widget->hasFocus());
}

// Selects the field's text and types `keys` over it.
inline void typeOver(QWidget* widget, const QString& keys) {
    focusField(widget);
    QTest::keySequence(widget, QKeySequence::SelectAll);
    QTest::keyClicks(widget, keys);
}

}  // namespace tavo::testing
