#pragma once

#include <QString>

// The fixed texts of the beneficiary assistant "Completare sectiune
// BENEFICIAR": captions, labels and tool tips, for the desktop view and the
// script's `show`.
namespace tavo::form_iban_texts {

inline const QString fereastra = QStringLiteral("Completare sectiune BENEFICIAR");

// The entry window's button that opens the assistant.
inline const QString deschidere = QStringLiteral("Completare sectiune BENEFICIAR");
inline const QString deschidere_tip = QStringLiteral("Ajutor in completare sectiune BENEFICIAR");

inline const QString Option1 = QStringLiteral("1. Se alege trezoreria si obiectul platii");
inline const QString Option2 = QStringLiteral("2. Se da 'Cod IBAN' si  'Nr.de evidenta a platii'");
inline const QString Frame3 = Option1;
inline const QString Frame2 = Option2;
inline const QString pentruCalcul = QStringLiteral("(pt. calcul IBAN)");
inline const QString pentruDecizii = QStringLiteral("(pt. Decizii de impunere sau PV)");

inline const QString Benef1 = QStringLiteral("Alegeti trezoreria:");
inline const QString oblig1 = QStringLiteral("Alegeti obiectul platii:");
inline const QString Command5 = QStringLiteral("Completare sectiune BENEFICIAR");
inline const QString Command9 = Command5;
inline const QString codIBAN = QStringLiteral("Cod IBAN beneficiar         (24 caractere)");
inline const QString nrEVID = QStringLiteral(
    "Nr.de evidentă a plătii          pt. Decizie de impunere/ PV    (23 caractere)");

inline const QString listaInformativa =
    QStringLiteral("Lista informativa IBAN-uri pe trezorerii (ven.20,21,22,26,28,80,81,82,86,87)");
inline const QString Command2 = QStringLiteral("Lista IBAN-uri");
inline const QString Command2_tip = QStringLiteral("Lista IBAN-uri pt.o trezorerie selectata");
inline const QString clasificareVeche = QStringLiteral("Clasif.bugetara veche");
inline const QString Command7 = QStringLiteral("IBAN1");
inline const QString Command10 = QStringLiteral("IBAN2");
inline const QString clasificareNoua =
    QStringLiteral("Clasif.bugetara noua data actualizarii 24/04/2016");
inline const QString Command4 = QStringLiteral("IBAN (I)");
inline const QString Command6 = QStringLiteral("IBAN (II)");
inline const QString Command1 = QStringLiteral("IBAN (III)");
inline const QString Command3 = QStringLiteral("IBAN (IV)");
inline const QString Command11 = QStringLiteral("IBAN (V)");
inline const QString Command12 = QStringLiteral("SPLIT TVA");
inline const QString Command8 = QStringLiteral("Informatii");

inline const QString atentieCoduri = QStringLiteral(
    "Atentie ! Codurile bugetare din nomenclatorul 'Obiectul platii' ajuta la formarea codurilor "
    "IBAN care nu s-au modificat cf. Ordin 223/17.02.2014.");
inline const QString atentiePozitia49 = QStringLiteral(
    "Atentie!  La pozitia 49. se va completa  la rubrica 'Reprezentand'  "
    "nr.............din..............");
inline const QString atentieNrEvidenta = QStringLiteral(
    "Atentie ! Nr.de evidenta a platii se completeaza numai pt.:\n"
    "- Decizie de impunere privind oblig. fiscale suplimentare de plata stabilite de inspectia "
    "fiscala;\n"
    "- Document de constatare amenda (PV de constatare si sanctionare a contraventiei, ordonanta "
    "procurorului, hot. judecatoreasca, etc.).");

// Messages.
inline const QString noUnit = QStringLiteral("Nu ati selectat trezoreria !");
inline const QString noUnitOrObligation =
    QStringLiteral("Nu ati selectat trezoreria sau obligatia de plata.");
inline const QString listNotWritten = QStringLiteral("Lista '%1' nu a putut fi scrisa (%2).");

}  // namespace tavo::form_iban_texts
