#pragma once

#include <QString>

// The fixed texts of the main window, shared by the desktop view and the
// script's `show`.
namespace tavo::introd_captions {

inline const QString window = QStringLiteral("TAVO - vers. 1.3.3/06.02.2023");
inline const QString title = QStringLiteral("Ordine de plată / Foi de vărsământ");
inline const QString subtitle = QStringLiteral("(în relatia cu trezoreria statului)");
inline const QString Label5 = QStringLiteral(
    "Setati data calendaristica in Control Panel/Regional and Language "
    "Options/Customize/Date/Short date format:dd/mm/yyyy");
inline const QString Label2 = QStringLiteral(" Nr.de ordine :");
inline const QString Label4 = QStringLiteral("Nr.de ordine, Nr.OP/FV");
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
inline const QString B_list_CB = QStringLiteral("Listare OP/ FV");
inline const QString B_list_CB_tip = QStringLiteral("Listare cu cod de bare");
inline const QString B_list = QStringLiteral("Listare FV");
inline const QString B_list_tip = QStringLiteral("Listare fara cod de bare");
inline const QString Command2 = QStringLiteral("Formulare goale pt.OP/FV");
inline const QString Command2_tip = QStringLiteral("Listare formulare goale.");

}  // namespace tavo::introd_captions
