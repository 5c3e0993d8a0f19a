#pragma once

#include <QString>

// The messages of the import of payments from a table, besides the checks' own.
namespace tavo::import_texts {

// %1 the type written.
inline const QString unknownType =
    QStringLiteral("Tip de document necunoscut: \"%1\" (se scrie OP sau FV)");
// %1 the cells of the row, %2 the columns of the header.
inline const QString tooManyCells =
    QStringLiteral("Randul are %1 celule, capul de tabel %2 coloane");
// %1 the typed limit of the field.
inline const QString tooLong = QStringLiteral("Textul are mai mult de %1 caractere");
// %1 what the checks left in the field.
inline const QString changed = QStringLiteral("valoarea a fost schimbata de verificare in \"%1\"");
inline const QString emptied = QStringLiteral("valoarea a fost stearsa de verificare");

// %1 the file's name, %2 why it cannot be read.
inline const QString unreadable = QStringLiteral("Fisierul '%1' nu poate fi citit (%2).");
// %1 how many documents the table gives.
inline const QString askSave = QStringLiteral("Salvati cele %1 documente ?");
inline const QString nothingToSave =
    QStringLiteral("Nici un document de salvat: tabelul nu are randuri acceptate.");
// %1 the number of documents saved.
inline const QString saved = QStringLiteral("Au fost salvate %1 documente.");
// %1 why ordine.txt could not be written.
inline const QString notSaved = QStringLiteral(
    "Documentele NU au fost salvate: fisierul 'ordine.txt' nu a putut fi scris (%1).");
// %1 the model's file name.
inline const QString modelExists = QStringLiteral(
    "Fisierul '%1' exista deja in dosarul de lucru; nu a fost inlocuit. Stergeti-l sau "
    "redenumiti-l pentru a primi modelul din nou.");
// %1 why it could not be written.
inline const QString modelNotWritten =
    QStringLiteral("Fisierul 'model-import.csv' nu a putut fi scris (%1).");
// The report of the import, opened in the viewer.
inline const QString reportFile = QStringLiteral("import-raport.txt");
// %1 why the report could not be written.
inline const QString reportNotWritten =
    QStringLiteral("Fisierul 'import-raport.txt' nu a putut fi scris (%1).");
// The file dialog of "Import OP/FV".
inline const QString chooseTitle = QStringLiteral("Import OP/FV");
inline const QString choosePrompt = QStringLiteral("Tabelul de importat (CSV)");

}  // namespace tavo::import_texts
