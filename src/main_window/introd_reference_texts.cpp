#include "main_window/introd.h"
#include "store/reference_texts.h"

namespace tavo {

void Introd::Command3_Click() {
    reference_texts::openInViewer(ui_, folder_, reference_texts::kInstr);
}

void Introd::Command5_Click() {
    reference_texts::openInViewer(ui_, folder_, reference_texts::kVersiuni);
}

void Introd::Command7_Click() {
    reference_texts::openInViewer(ui_, folder_, reference_texts::kLegi);
}

void Introd::Command9_Click() {
    reference_texts::openInViewer(ui_, folder_, reference_texts::kStructuri);
}

// "Scanare": reading a barcode back is not done by the program.
void Introd::Command8_Click() {}

}  // namespace tavo
