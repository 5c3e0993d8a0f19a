// The date readers on the input read as stored and as typed text.
#include "checks/dates.h"
#include "fuzz_support.h"

using namespace tavo;
using namespace tavo::checks;

namespace {

constexpr int kCurrentYear = 2025;

// "dd/mm/yyyy" with digits only.
bool isWrittenDate(const QString& text) {
    return text.size() == 10 && text[2] == QLatin1Char('/') && text[5] == QLatin1Char('/') &&
           fuzz::consistsOf(QString(text).remove(QLatin1Char('/')), "0123456789");
}

void checkDates(const QString& text) {
    if (const std::optional<QDate> date = dateFromText(text))
        FUZZ_CHECK(date->isValid());

    // A normalised date is a date, written day first, that stays as it is.
    const QString normal = norm_data(text, kCurrentYear);
    if (!normal.isEmpty()) {
        FUZZ_CHECK(isWrittenDate(normal));
        const std::optional<QDate> read = dateFromText(normal);
        FUZZ_CHECK(read.has_value());
        FUZZ_CHECK(read->day() == normal.left(2).toInt());
        FUZZ_CHECK(read->month() == normal.mid(3, 2).toInt());
        FUZZ_CHECK(read->year() == normal.right(4).toInt());
        FUZZ_CHECK(norm_data(normal, kCurrentYear) == normal);
    }

    // A checked date is a date from 2015 on, and checking it again keeps it.
    Notices notices;
    const QString checked = verif_data(text, notices);
    FUZZ_CHECK(checked.isEmpty() == (notices.size() == 1));
    if (!checked.isEmpty()) {
        FUZZ_CHECK(isWrittenDate(checked));
        FUZZ_CHECK(checked.right(4).toInt() >= 2015);
        FUZZ_CHECK(verif_data(checked, notices) == checked);
    }

    // The short-date rules on three texts: the input's lines.
    const QStringList parts = text.split(QLatin1Char('\n'));
    const int rule = unusableShortDateRule(parts.value(0), parts.value(1), parts.value(2));
    FUZZ_CHECK(rule >= 0 && rule <= 6);
}

}  // namespace

TAVO_FUZZ_TARGET(false, fuzz::bothReadings<checkDates>)
