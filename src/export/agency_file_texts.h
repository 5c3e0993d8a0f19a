#pragma once

#include <QString>

// Why a name the user gives to the agency file is refused: the reason the
// main window's message quotes.
namespace tavo::agency_file_texts {

inline const QString onlyInFolder =
    QStringLiteral(" (fisierul se salveaza numai in directorul 'agentie')");
inline const QString hasSlash = QStringLiteral("contine '/' sau '\\'");
inline const QString hasDotDot = QStringLiteral("contine '..'");
// %1 the character.
inline const QString hasForbiddenCharacter = QStringLiteral("contine caracterul '%1'");
inline const QString hasControlCharacters = QStringLiteral("contine caractere de control");
inline const QString blanksAndDotsOnly = QStringLiteral("este format numai din spatii si puncte");
inline const QString endsInBlankOrDot = QStringLiteral("se termina cu spatiu sau punct");
inline const QString windowsDeviceName =
    QStringLiteral("este un nume rezervat de Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9)");
inline const QString tooLong = QStringLiteral("este prea lung");

}  // namespace tavo::agency_file_texts
