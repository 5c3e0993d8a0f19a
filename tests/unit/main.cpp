// The unit tests run inside a GUI application on the offscreen platform, so
// that tests of drawing and printing (fonts, PDF pages) can run without a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "printing/shipped_fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The faces of the Windows folder, where the tests run beside them.
    tavo::printing::loadShippedFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
