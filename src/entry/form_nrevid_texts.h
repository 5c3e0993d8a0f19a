#pragma once

#include <QString>
#include <array>

// The fixed texts of the registration-number builder: captions, labels and
// tool tips, for the desktop view and the script's `show`.
namespace tavo::form_nrevid_texts {

inline const QString fereastra = QStringLiteral(
    "Formare  cont IBAN si  \"Nr.de evidenta a platii\"  pt.decizii de impunere si PV");

// The entry window's button that opens the builder.
inline const QString deschidere = QStringLiteral("Nr.evid.Decizii, PV");
inline const QString deschidere_tip = QStringLiteral(
    "Ajutor completare sectiune BENEFICIAR cu 'Nr.de evidenta a platii' (Decizii sau PV)");

inline const QString cadru = QStringLiteral(
    "Formarea si preluarea pe KELM a nr.de evidenta a platii pentru Decizii de impunere si PV");
inline const QString organFiscal = QStringLiteral("Organ fiscal competent in administrare fiscala");
inline const QString Benef1 = QStringLiteral("Alegeti trezoreria :");

// Option1 to Option4: the document types 20, 22, 26 and 27.
inline const std::array<QString, 4> Option{
    QStringLiteral("(20) Decizie de impunere privind oblig. fiscale suplimentare de plata "
                   "stabilite de inspectia fiscala"),
    QStringLiteral("(22) Document de constatare amenda (PV de constatare si sanctionare a "
                   "contraventiei, ordonanta procurorului, hot. judecatoreasca, etc."),
    QStringLiteral("(26) Decizie privind  stabilirea sumei reprezentand timbrul de mediu pentru "
                   "autovehicule"),
    QStringLiteral("(27) Decizie de amanare la plata a oblig. fiscale   (cf.art.V din OUG 20/2013 "
                   "priv. reglem. unor masuri fiscale)"),
};

inline const QString et1 = QStringLiteral(
    "Alegeti obligatiia fiscala de plată stabilită de organele de inspectie fiscală :");
inline const QString et2 = QStringLiteral("Alegeti categoria fiscala");
inline const QString data_decizie = QStringLiteral("Data emiterii (ZZLLAA)");
inline const QString et_serie_sasiu = QStringLiteral("Serie sasiu autoturism (ult.4 cifre)");
inline const QString Command5 = QStringLiteral("Formare cont IBAN  si  'Nr.de evidenta a platii'");
inline const QString formareIban = QStringLiteral(
    "Codul IBAN se formeaza in urma alegerii trezoreriei si a obligatiei fiscale de plata");
inline const QString denL = QStringLiteral("Denumirea lunga:");
inline const QString denS = QStringLiteral("Denumirea scurta");
inline const QString codIBAN = QStringLiteral("Cont IBAN");
inline const QString nrev = QStringLiteral("Nr.de evidenta a platii");
inline const QString actualizat = QStringLiteral("Actualizat 04/03/2010");

// Messages.
inline const QString invalidDate = QStringLiteral("Data invalida !");
inline const QString noUnit = QStringLiteral("Nu ati selectat trezoreria.");
inline const QString noObligation = QStringLiteral("Nu ati selectat obligatia fiscala de plata.");
inline const QString noCategory = QStringLiteral("Nu ati selectat categoria fiscala.");
inline const QString noDecisionDate = QStringLiteral("Nu ati dat data deciziei/ PV.");

}  // namespace tavo::form_nrevid_texts
