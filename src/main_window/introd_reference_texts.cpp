#include "main_window/introd.h"
#include "store/reference_texts.h"

namespace tavo {

void Introd::Command3_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kInstr));
}

void Introd::Command5_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kVersiuni));
}

void Introd::Command7_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kLegi));
}

void Introd::Command9_Click() {
    ui_.openText(reference_texts::viewerPath(folder_, reference_texts::kStructuri));
}

// "Scanare": reading a barcode back is not done by the program.
void Introd::Command8_Click() {}

}  // namespace tavo
