#pragma once

#include <QString>
#include <QStringList>

#include "ui/ui.h"

namespace tavo {

// The values that live for the whole run and that several windows share. One
// object, owned by the application and handed to the models that use them.
struct ProgramState {
    QString nr_curent;                       // order number being edited, as a text
    QString tip_doc = QStringLiteral("OP");  // "OP" or "FV"
    QString CIF_curent;                      // payer fiscal code of the last document looked up
    QString data_curenta;                    // issue date of the last document looked up
    QString cod_trez_curent;  // "TREZ" and three digits the beneficiary assistant starts from
    bool zona_beneficiar_pregatita = false;  // an assistant filled the beneficiary section
    bool versionKeepFailureShown = false;    // the user was told an earlier version was not kept
};

// Tells the user when the old ordine.txt could not be kept as an earlier
// version (the rewrite itself went through). Once in a run: the versions are
// a safety net, and a full disk would otherwise bring the message at every save.
void reportKeepFailure(Ui& ui, ProgramState& state, const QString& failure);

}  // namespace tavo
