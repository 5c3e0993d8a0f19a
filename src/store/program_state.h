#pragma once

#include <QString>
#include <QStringList>

namespace tavo {

// The values that live for the whole run and that several windows share. One
// object, owned by the application and handed to the models that use them.
struct ProgramState {
    QString nr_curent;                       // order number being edited, as a text
    QString tip_doc = QStringLiteral("OP");  // "OP" or "FV"
    QString CIF_curent;                      // payer fiscal code of the last document looked up
    QString data_curenta;                    // issue date of the last document looked up
    QString cod_trez_curent;   // "TREZ" and three digits the beneficiary assistant starts from
    QStringList lista_erori;   // missing data of the document last checked
    bool eroare_data = false;  // the short-date format is not day/month/year
    bool zona_beneficiar_pregatita = false;  // an assistant filled the beneficiary section
    QString cifre_control_IBAN;              // check digits of the last IBAN check
    bool versionKeepFailureShown = false;    // the user was told an earlier version was not kept
};

}  // namespace tavo
