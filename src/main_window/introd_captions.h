#pragma once

#include <QString>

// The fixed texts of the main window, shared by the desktop view and the
// script's `show`.
namespace tavo::introd_captions {

inline const QString window = QStringLiteral("TAVO - vers. 1.3.3/06.02.2023");
inline const QString title = QStringLiteral("Ordine de plată / Foi de vărsământ");
inline const QString subtitle = QStringLiteral("(în relatia cu trezoreria statului)");
// The note on the short-date format: Windows' words, and elsewhere those for a
// format in use that is not day first, month second (%1: today in it).
inline const QString Label5 = QStringLiteral(
    "Setati data calendaristica in Control Panel/Regional and Language "
    "Options/Customize/Date/Short date format:dd/mm/yyyy");
inline const QString Label5_unusable = QStringLiteral(
    "Data calendaristica nu este in format dd/mm/yyyy (azi: %1): listarile, "
    "borderourile si pachetele de OP/FV nu pot fi facute.");
inline const QString Label2 = QStringLiteral(" Nr.de ordine :");
inline const QString Label4 = QStringLiteral("Nr.de ordine, Nr.OP/FV");
inline const QString Cauta = QStringLiteral("Caută");
inline const QString Cauta_tip = QStringLiteral(
    "Arată în listă doar OP/FV-urile care conțin textul (beneficiar, plătitor, cod fiscal, IBAN, "
    "sumă, dată, explicații)");
inline const QString NrO_tip = QStringLiteral("Număr de ordine OP/FV incărcat sau următor");
inline const QString Option1 = QStringLiteral("OP");
inline const QString Option2 = QStringLiteral("FV");
inline const QString B_start = QStringLiteral("Incărcare");
inline const QString B_start_tip = QStringLiteral("Incarcare/actualizare OP/FV");
inline const QString Command1 = QStringLiteral("?");
inline const QString B_sterg = QStringLiteral("Sterge fisier OP/FV-uri ");
inline const QString B_sterg_tip =
    QStringLiteral("Stege toate OP/ FV incarcate (se salveaza ordine_copie.txt)");
inline const QString Command4 = QStringLiteral("Rezumat");
inline const QString Command4_tip = QStringLiteral("Rezumat date incarcate.");
inline const QString Command6 = QStringLiteral("Borderou (1) OP/FV");
inline const QString Command6_tip =
    QStringLiteral("Vizualizare/listare  borderou OP/FV  pt.un singur IBAN platitor");
inline const QString Command10 = QStringLiteral("Borderou (2) OP");
inline const QString Command10_tip =
    QStringLiteral("Vizualizare/listare  borderou OP-uri pt.mai multe IBAN-uri platitor");
inline const QString B_list_CB = QStringLiteral("Listare OP/ FV");
inline const QString B_list_CB_tip = QStringLiteral("Listare cu cod de bare");
inline const QString B_list = QStringLiteral("Listare FV");
inline const QString B_list_tip = QStringLiteral("Listare fara cod de bare");
inline const QString B_OPuri = QStringLiteral("Listare pachet OP/FV-uri.");
inline const QString B_OPuri_tip =
    QStringLiteral("Listare pachet OP/FV-uri.  Pozitionati-va  mai intai pe un OP/FV  din pachet.");
inline const QString Command2 = QStringLiteral("Formulare goale pt.OP/FV");
inline const QString Command2_tip = QStringLiteral("Listare formulare goale.");
inline const QString B_agentii = QStringLiteral("Fisier agentii (pentru e-mail)");
inline const QString B_agentii_tip = QStringLiteral(
    "Fisier agentii   (fisierul se salveaza in directorul '...KELM_20nn\\agentie\\'; se "
    "transmite prin e-mail)");
inline const QString B_import = QStringLiteral("Import OP/FV");
inline const QString B_import_tip = QStringLiteral(
    "Preluare OP/FV-uri dintr-un tabel (CSV): fiecare rand este verificat ca in macheta");
inline const QString B_model = QStringLiteral("Model import");
inline const QString B_model_tip =
    QStringLiteral("Tabel model pentru import (model-import.csv), in dosarul de lucru");
inline const QString B_export = QStringLiteral("Export OP/FV");
inline const QString B_export_tip = QStringLiteral(
    "OP/FV-urile salvate intr-un tabel pentru Excel sau pentru programul de contabilitate");
inline const QString Command3 = QStringLiteral("Instructiuni");
inline const QString Command5 = QStringLiteral("Versiuni");
inline const QString Command7 = QStringLiteral("Legislatie");
inline const QString Command9 = QStringLiteral("Structuri");
inline const QString Command8 = QStringLiteral("Scanare");
inline const QString Command8_tip = QStringLiteral("Citire cod de bare.");

}  // namespace tavo::introd_captions
