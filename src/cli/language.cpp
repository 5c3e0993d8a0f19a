#include "cli/language.h"

#include <QLocale>
#include <QTranslator>

namespace tavo::cli {
namespace {

// The locale messages follow, by the usual precedence: LC_ALL, then
// LC_MESSAGES, then LANG, the first one set and not empty. It is read from the
// variable's text, so a Romanian locale the system has not generated still
// counts; "C", "POSIX" and anything unknown are English. Windows, which sets
// none of them, says the user's language itself.
bool romanianWanted() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return QLocale(name).language() == QLocale::Romanian;
    }
#ifdef Q_OS_WIN
    return QLocale(QLocale::system().uiLanguages().value(0)).language() == QLocale::Romanian;
#else
    return false;
#endif
}

// The Romanian texts built into the program; none for English, the texts of
// the code.
const QTranslator* romanianTexts() {
    static const QTranslator* const texts = []() -> const QTranslator* {
        if (!romanianWanted())
            return nullptr;
        static QTranslator romanian;
        return romanian.load(QStringLiteral(":/translations/tavo_ro.qm")) ? &romanian : nullptr;
    }();
    return texts;
}

}  // namespace

QString translate(const char* context, const char* source) {
    const QTranslator* texts = romanianTexts();
    const QString translated = texts ? texts->translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

}  // namespace tavo::cli
