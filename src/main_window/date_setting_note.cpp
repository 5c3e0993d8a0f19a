#include "main_window/date_setting_note.h"

#include "main_window/introd_captions.h"

namespace tavo {

QString dateSettingNote(bool windows, const checks::ShortDateFormatter& format,
                        const QDate& today) {
    if (windows)
        return introd_captions::Label5;
    const QString written = format(today);
    if (checks::unusableShortDateRule(written, format(today.addDays(1)),
                                      format(today.addDays(31))) == 0)
        return {};
    return introd_captions::Label5_unusable.arg(written);
}

QString dateSettingNote() {
#ifdef Q_OS_WIN
    constexpr bool windows = true;
#else
    constexpr bool windows = false;
#endif
    return dateSettingNote(windows, checks::programShortDate, QDate::currentDate());
}

bool dateSettingUsable(Ui& ui) {
    const std::optional<Notice> unusable = checks::verif_setare_data();
    if (unusable)
        ui.message(unusable->text, unusable->icon);
    return !unusable;
}

}  // namespace tavo
