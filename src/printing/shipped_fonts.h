#pragma once

namespace tavo::printing {

// Makes the faces shipped in the folder `fonts` beside the program known to
// the application (the Windows folder carries DejaVu Sans, which the form is
// drawn with, so that the printed page is the same as on Linux, where the
// system has it). Nothing when there is no such folder. Needs a GUI application.
void loadShippedFonts();

}  // namespace tavo::printing
