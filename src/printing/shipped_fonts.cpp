#include "printing/shipped_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace tavo::printing {

void loadShippedFonts() {
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
}

}  // namespace tavo::printing
