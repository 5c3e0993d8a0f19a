#pragma once

#include <QString>
#include <array>

#include "document/document_texts.h"

// The fixed texts of the entry window: captions, tool tips and messages,
// shared by the model, the desktop view and the script's `show`.
namespace tavo::incarc_texts {

// The messages and hints of the field checks, and the captions of the fields.
using namespace document_texts;

inline const QString fereastra = QStringLiteral("Incarcare/actualizare OP/FV");
inline const QString titluOP = QStringLiteral("ORDIN DE PLATA");
inline const QString titluFV = QStringLiteral("Foaie de vărsământ");

inline const QString tipBeneficiar = QStringLiteral("BENEFICIAR se introduce dupa Cod IBAN");
inline const QString tipCifBeneficiar = QStringLiteral("CIF se introduce dupa Cod IBAN");
inline const QString tipNrEvidenta = QStringLiteral(
    "Nr.de evidentă a plătii pt. Decizii de impunere si PV de constatare a contraventiei");
inline const QString tipReprezentand = QStringLiteral("Nu se admit caractere diacritice.");
inline const QString tipAngajament = QStringLiteral(
    "Pentru institutii publice si sectoare speciale (din lotul de testare pentru Controlul "
    "Angajamentelor Bugetare)");
inline const QString tipDataDebitarii = QStringLiteral("Pentru ADS (CIF=14818116)");

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

inline const QString intrebareCif =
    QStringLiteral("ATENTIE ! CIF platitor este diferit de CIF beneficiar ! Este corect ?");
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
