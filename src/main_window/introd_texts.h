#pragma once

#include <QString>

// The messages and questions of the main window and of the commands it runs.
namespace tavo::introd_texts {

// Loading the list of stored documents.
inline const QString countLabel = QStringLiteral("(s-au incarcat %1 OP/FV-uri)");
// Beside "Caută": how many of the documents the search finds.
inline const QString foundCount = QStringLiteral("%1 din %2");
inline const QString noneFound = QStringLiteral("niciun document");
inline const QString ordersNotRewritten = QStringLiteral(
    "Fisierul 'ordine.txt' nu a putut fi actualizat (%1). "
    "Datele din fisier au ramas neschimbate.");
inline const QString unknownLine = QStringLiteral(
    "Fisierul 'ordine.txt' are o linie care nu este OP/FV (linia %1). "
    "A fost pastrata neschimbata in fisier, dar nu apare in lista.");
inline const QString unknownLines = QStringLiteral(
    "Fisierul 'ordine.txt' are %1 linii care nu sunt OP/FV-uri "
    "(liniile %2). Au fost pastrate neschimbate in fisier, dar nu apar "
    "in lista.");

// "Sterge fisier OP/FV-uri ".
inline const QString askDeleteAll =
    QStringLiteral("Doriti sa stergeti toate OP/FV-urile incarcate ?");
inline const QString deletedAll = QStringLiteral(
    "Fisierul 'ordine.txt' a fost sters si salvat cu numele "
    "'ordine_copie.txt' ");
inline const QString notDeleted = QStringLiteral(
    "Fisierul 'ordine.txt' NU a fost sters: copia "
    "'ordine_copie.txt' nu a putut fi scrisa (%1).");

// "?".
inline const QString orderNumberHelp = QStringLiteral(
    "Pentru un OP/FV nou incarcati un nr.de ordine egal cu nr.de OP/FV-uri "
    "incarcate plus unu.\r\n"
    "Puteti reveni oricand pentru modificari de continut daca dati nr.de ordine "
    "sau daca-l selectati din lista.\r\n"
    "Nr.de ordine al OP/FV se gaseste in partea stanga jos a OP/FV listat, intre "
    "paranteze.");

// The print commands.
inline const QString chooseDocument = QStringLiteral("Selectati OP/FV de listat !");
inline const QString askCopiesPerPage = QStringLiteral(
    "Doriti sa listati 2 exemplare/ pagina (YES)\r\n"
    "                         sau 1 exemplar/ pagina (NO).");
inline const QString opcbNotWritten =
    QStringLiteral("Fisierul 'OPCB.txt' nu a putut fi scris (%1).");
inline const QString orderNeedsBarcode =
    QStringLiteral("Ordinele de plata se listează cu cod de bare");
inline const QString askBlankOrder =
    QStringLiteral("Doriti sa listati formularul pentru Ordin de plata?");
inline const QString askBlankSlip =
    QStringLiteral("Doriti sa listati formularul pentru Foaie de varsamant?");

// The questions of "Listare pachet OP/FV-uri." and of the summaries.
inline const QString askPayerCode = QStringLiteral("Dati 'Cod de identificare fiscala' platitor :");
inline const QString askType = QStringLiteral("Dati : 1 - OP, 2 - FV");
inline const QString askPackagePeriod =
    QStringLiteral("Dati 'Perioada pachetului de OP/FV (zz/ll/aaaa-zz/ll/aaaa) :");
inline const QString askInterval =
    QStringLiteral("Dati 'Intervalul numarului de ordine' pentru platitorul ales n1/n2 :");
inline const QString wrongInterval = QStringLiteral("Interval incorect ");
inline const QString partialOnesLeftOut =
    QStringLiteral("Atentie ! Nu se listeaza OP/FV-urile completate partial.");
inline const QString noDocuments = QStringLiteral("Nu exista OP/FV incarcate.");
inline const QString packageProgress = QStringLiteral("Listare pachet OP/FV-uri: %1 din %2");
inline const QString askViewImages =
    QStringLiteral("Doriti sa vizualizati imaginile OP/FV-urilor ?");

// "Borderou (1) OP/FV" and "Borderou (2) OP".
inline const QString askSummaryPeriod =
    QStringLiteral("Dati 'Perioada de centralizat (zz/ll/aaaa-zz/ll/aaaa) :");
inline const QString partialOrdersIncluded =
    QStringLiteral("Atentie ! Sunt incluse si OP-urile completate partial.");
inline const QString noOrders = QStringLiteral("Nu exista OP incarcate.");
inline const QString partialDocumentsIncluded =
    QStringLiteral("Atentie ! Sunt incluse si OP/FV-urile completate partial.");
inline const QString summaryNotWritten = QStringLiteral("Borderoul nu a putut fi scris (%1).");

// "Fisier agentii (pentru e-mail)".
inline const QString nothingStored = QStringLiteral("Nu aveti date incarcate.");
inline const QString fileNotWritten = QStringLiteral("Fisierul '%1%2' nu a putut fi scris (%3).");
inline const QString askAgencyName = QStringLiteral(
    "Dati 'Nume fisier agentie (XXXXXXXXXX_OPT_nnn.txt)':\r\n"
    "unde\r\n"
    "XXXXXXXXXX = nume prescurtat agentie,\r\n"
    "nnn = secventa numerica\r\n"
    "(ex.: APIA_OPT_123.txt)");
inline const QString agencyNameRefused = QStringLiteral(
    "Numele de fisier agentie nu este acceptat: %1.\r\n"
    "Nu s-a creat niciun fisier agentie. Dati un nume de forma "
    "XXXXXXXXXX_OPT_nnn.txt (ex.: APIA_OPT_123.txt).");
inline const QString agencyFileNotWritten =
    QStringLiteral("Fisierul agentie '%1%2' nu a putut fi scris (%3).");

}  // namespace tavo::introd_texts
