#pragma once

#include <QString>

// The questions and messages of "Export OP/FV".
namespace tavo::export_texts {

inline const QString askCif =
    QStringLiteral("Cod fiscal platitor (gol: documentele tuturor platitorilor)");
inline const QString askPeriod =
    QStringLiteral("Perioada zz/ll/aaaa-zz/ll/aaaa (gol: toate documentele)");
inline const QString chooseTitle = QStringLiteral("Export OP/FV intr-un tabel");
inline const QString chooseFile = QStringLiteral("Numele fisierului tabel (.csv)");
inline const QString suggestedName = QStringLiteral("plati.csv");
inline const QString askExcel =
    QStringLiteral("Tabel pentru Excel ? (Nu: CSV pentru programe de contabilitate)");
// %1 the number of documents, %2 the file.
inline const QString written = QStringLiteral("Au fost exportate %1 documente in '%2'.");
// %1 the file, %2 why.
inline const QString notWritten = QStringLiteral("Tabelul '%1' nu a putut fi scris (%2).");

}  // namespace tavo::export_texts
