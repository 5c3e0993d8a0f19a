#pragma once

#include <QString>
#include <array>

// The fixed texts of the document checks: the messages and hints they give
// and the captions of the fields, shared by the entry window, the import of
// payments and the script's `show`.
namespace tavo::document_texts {

// The state-domain agency, the only payer with a debit date.
inline const QString cifADS = QStringLiteral("14818116");

// The note printed for a registration number that is a declaration's.
inline const QString val_decl = QStringLiteral("(1-OP cu valoare de declaratie)");

// The fields' captions as printed beside their boxes, by index, told apart
// where the form prints the same caption twice: a screen reader's names.
inline const std::array<QString, 18> printedCaption{
    QStringLiteral("Nr."),
    QStringLiteral("PLATITI LEI"),
    QStringLiteral("PLATITOR"),
    QStringLiteral("Cod de identificare fiscală plătitor"),
    QStringLiteral("Adresa (Localitate....)"),
    QStringLiteral("Cod IBAN plătitor"),
    QStringLiteral("De la (Sucursala)"),
    QStringLiteral("BENEFICIAR"),
    QStringLiteral("Cod de identificare fiscală beneficiar"),
    QStringLiteral("Cod IBAN beneficiar"),
    QStringLiteral("La (Sucursala)"),
    QStringLiteral("Nr.de evidentă a plătii pt. Decizie de impunere/ PV"),
    QStringLiteral("Reprezentând :"),
    QStringLiteral("Data emiterii (zz/ll/aaaa)"),
    QStringLiteral("Angajament :  Cod"),
    QStringLiteral("Indicator"),
    QStringLiteral("Data debitării"),
    QStringLiteral("Cod program")};

inline const QString bancaNegasita =
    QStringLiteral("Atentie ! Cod IBAN negasit in nomenclatorul bancilor si trezoreriilor.");
inline const QString lungimeNrEvidenta =
    QStringLiteral("Atentie ! Lungimea nr.de evidenta trebuie sa fie de 23 ");
inline const QString primulCarNrEvidenta = QStringLiteral(
    "Atentie ! Primul car. (cod doc.fiscal) din nr.de evidenta trebuie sa fie 2, 6 , 7 , 8 "
    "pentru decizie/ PV.");
inline const QString timbruMediu =
    QStringLiteral("Disponibil din timbrul de mediu pentru autovehicule");
inline const QString cifPlatitorEronat =
    QStringLiteral("Cod identificare fiscala PLATITOR eronat ");
inline const QString cifBeneficiarEronat =
    QStringLiteral("Cod identificare fiscala BENEFICIAR eronat ");
inline const QString ibanPlatitorEronat =
    QStringLiteral("Cod IBAN plătitor eronat. Cifra de control corectă după RO ar fi ");
inline const QString ibanBeneficiarEronat =
    QStringLiteral("Cod IBAN beneficiar eronat. Cifra de control corectă după RO ar fi ");

// Hints shown for a few seconds beside the form, when a field check emptied
// what was typed without a message of its own (or read an amount otherwise
// than meant): the field and the form it accepts.
inline const QString hintNumber =
    QStringLiteral("Nr.: scrieti numarul cu cifre sau litere, de exemplu 45");
inline const QString hintAmount = QStringLiteral("Suma: scrieti 1500 sau 1500,50");
// %1 as typed, %2 the amount read, %3 the digits typed.
inline const QString hintAmountThousands =
    QStringLiteral("Suma: %1 a fost citit ca %2 lei; pentru %3 lei scrieti %3, fara punct");
inline const QString hintBeneficiaryCode = QStringLiteral(
    "Cod de identificare fiscala beneficiar: scrieti un CIF sau un CNP cu cifra de control "
    "corecta");
inline const QString hintIssueDate =
    QStringLiteral("Data emiterii: scrieti o data reala, zz/ll/aaaa (de exemplu 05/03/2023)");
inline const QString hintDebitDate =
    QStringLiteral("Data debitarii: scrieti o data reala, zz/ll/aaaa (de exemplu 05/03/2023)");
// %1 the commitment code.
inline const QString hintIndicator =
    QStringLiteral("Indicator: se lasa necompletat pentru codul de angajament %1");

}  // namespace tavo::document_texts
