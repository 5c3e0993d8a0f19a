#include "gui/romanian.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QWidget>
#include <cstring>

namespace tavo::gui {
namespace {

struct QtText {
    const char* context;
    const char* source;
    const char* romanian;
};

// The contexts and source texts are Qt's: the platform themes name the
// standard buttons, the line and multi-line fields their context menus.
constexpr QtText kQtTexts[] = {
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "&Yes", "&Da"},
    {"QPlatformTheme", "&No", "&Nu"},
    {"QPlatformTheme", "Cancel", "Anulare"},
    {"QGnomeTheme", "&OK", "&OK"},
    {"QGnomeTheme", "&Cancel", "&Anulare"},
    {"QLineEdit", "&Undo", "&Anulare"},
    {"QLineEdit", "&Redo", "&Refacere"},
    {"QLineEdit", "Cu&t", "&Decupare"},
    {"QLineEdit", "&Copy", "&Copiere"},
    {"QLineEdit", "&Paste", "&Lipire"},
    {"QLineEdit", "Delete", "Stergere"},
    {"QLineEdit", "Select All", "Selectare totala"},
    {"QWidgetTextControl", "&Undo", "&Anulare"},
    {"QWidgetTextControl", "&Redo", "&Refacere"},
    {"QWidgetTextControl", "Cu&t", "&Decupare"},
    {"QWidgetTextControl", "&Copy", "&Copiere"},
    {"QWidgetTextControl", "&Paste", "&Lipire"},
    {"QWidgetTextControl", "Delete", "Stergere"},
    {"QWidgetTextControl", "Select All", "Selectare totala"},
};

}  // namespace

QString RomanianQtTexts::translate(const char* context, const char* sourceText,
                                   const char* disambiguation, int n) const {
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    if (!context || !sourceText)
        return QString();
    for (const QtText& text : kQtTexts) {
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf8(text.romanian);
    }
    return QString();
}

void installRomanian(QApplication& app) {
    const QLocale romanian(QLocale::Romanian, QLocale::Romania);
    QLocale::setDefault(romanian);
    // Windows already made take the new locale too. Qt passes the change on
    // to them itself except on Windows, where it waits for the system's own
    // notice of a change: there it is passed on here.
    QEvent localeChange(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&app, &localeChange);
#ifdef Q_OS_WIN
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::Desktop || window->testAttribute(Qt::WA_SetLocale))
            continue;
        window->setLocale(romanian);
        // Still following the default, as a window never given a locale does.
        window->setAttribute(Qt::WA_SetLocale, false);
    }
#endif

    // The translator installed last is asked first: Qt's own file, when there
    // is one, comes before our table.
    QCoreApplication::installTranslator(new RomanianQtTexts(&app));
    auto* qtFile = new QTranslator(&app);
    if (qtFile->load(romanian, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtFile);
    else
        delete qtFile;  // not an error: our table stands alone
}

}  // namespace tavo::gui
