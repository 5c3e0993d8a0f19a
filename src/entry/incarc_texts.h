#pragma once

#include <QString>
#include <array>

// The fixed texts of the entry window: captions, tool tips and messages,
// shared by the model, the desktop view and the script's `show`.
namespace tavo::incarc_texts {

inline const QString fereastra = QStringLiteral("Incarcare/actualizare OP/FV");
inline const QString titluOP = QStringLiteral("ORDIN DE PLATA");
inline const QString titluFV = QStringLiteral("Foaie de vărsământ");

// The state-domain agency, the only payer with a debit date.
inline const QString cifADS = QStringLiteral("14818116");

inline const QString tipBeneficiar = QStringLiteral("BENEFICIAR se introduce dupa Cod IBAN");
inline const QString tipCifBeneficiar = QStringLiteral("CIF se introduce dupa Cod IBAN");
inline const QString tipNrEvidenta = QStringLiteral(
    "Nr.de evidentă a plătii pt. Decizii de impunere si PV de constatare a contraventiei");
inline const QString tipReprezentand = QStringLiteral("Nu se admit caractere diacritice.");
inline const QString tipAngajament = QStringLiteral(
    "Pentru institutii publice si sectoare speciale (din lotul de testare pentru Controlul "
    "Angajamentelor Bugetare)");
inline const QString tipDataDebitarii = QStringLiteral("Pentru ADS (CIF=14818116)");

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
// What the two calendar buttons, both "Calendar", fill in.
inline const QString B_cal_descriere = QStringLiteral("Calendar pentru Data emiterii");
inline const QString B_cal1_descriere = QStringLiteral("Calendar pentru Data debitării");

inline const QString but_exit = QStringLiteral("Iesire");
inline const QString but_exit_tip = QStringLiteral("Iesire cu salvare");
inline const QString Command8 = QStringLiteral("Fondul pt. mediu");
inline const QString Command8_tip = QStringLiteral("Completare automata pentru taxe Fond de mediu");
inline const QString Command7 = QStringLiteral("Listare");
inline const QString Command7_tip =
    QStringLiteral("Listare cu cod de bare OP/FV un singur exemplar.");
inline const QString Command4 = QStringLiteral("Fisier date");
inline const QString Command4_tip = QStringLiteral("Vizualizare fisier date incarcate");
inline const QString Command2 = QStringLiteral("Instr.");
inline const QString Command2_tip = QStringLiteral("Instructiuni de lucru");
inline const QString Command5 = QStringLiteral("Inf.utile");
inline const QString B_legi = QStringLiteral("Legislatie");
inline const QString B_legi_tip = QStringLiteral("Legislatie");
inline const QString But_explic = QStringLiteral("Sugestii");
inline const QString But_explic_tip = QStringLiteral("Sugestii");
inline const QString Command3 = QStringLiteral("OP/FV - imagine text");
inline const QString Command3_tip = QStringLiteral("Listare sub Notepad (setare Courier New(8))");
inline const QString atentie =
    QStringLiteral("Atentie ! Completati  Cod IBAN  înainte de BENEFICIAR.");
inline const QString Frame4 = QStringLiteral("Informatii IBAN-uri cheltuieli entitati publice");
inline const QString informatii = QStringLiteral(
    "Fisierele IBAN_ch_ip.txt si IBAN_ch_ss.txt se descarca separat de pe site-ul TAVO in "
    "directorul aplicatiei. Se folosesc comenzile Copy / Paste pt.a prelua IBAN din lista in "
    "macheta KELM. 'Cod si indicator angajament' si 'cod program' se completeaza numai pt. "
    "institutii publice.");
inline const std::array<QString, 4> lab1{
    QStringLiteral("(Sucursala)"), QStringLiteral("(Sucursala)"), QStringLiteral("zz/ll/aaaa"),
    QStringLiteral("(Localitate....)")};
inline const QString val_decl = QStringLiteral("(1-OP cu valoare de declaratie)");

inline const QString intrebareCif =
    QStringLiteral("ATENTIE ! CIF platitor este diferit de CIF beneficiar ! Este corect ?");
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

// Not the form's own: a save or a copy that could not be written.
inline const QString salvareEsuata = QStringLiteral(
    "OP/FV-ul NU a fost salvat: fisierul 'ordine.txt' nu a putut fi scris (%1). Datele au ramas "
    "in macheta; incercati din nou.");
inline const QString faraCodBare = QStringLiteral(
    "Codul de bare nu a putut fi generat (%1). Doriti sa listati documentul fara cod de bare ?");
inline const QString dosarEsuat = QStringLiteral("Fisierul 'dosar.txt' nu a putut fi scris (%1).");
inline const QString suggestionsNotMade = QStringLiteral("Fisierul '%1' nu a putut fi creat (%2).");
inline const QString askSave = QStringLiteral("Salvati ?");
inline const QString imagineEsuata =
    QStringLiteral("Fisierul 'LKELM.txt' nu a putut fi scris (%1).");

}  // namespace tavo::incarc_texts
