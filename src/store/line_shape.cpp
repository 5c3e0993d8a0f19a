#include "store/line_shape.h"

namespace tavo::store {

bool forma_linie(QStringView line, QStringView pattern) {
    QString s;
    for (const QChar c : line) {
        if (c != QLatin1Char(',') && c != QLatin1Char('#'))
            continue;
        if (s.size() >= 2 && c == QLatin1Char(',') && s.endsWith(QLatin1String(",#")))
            continue;
        s.append(c);
    }
    return s == pattern;
}

namespace {

template <typename View>
int knownShape(View line) {
    int commas = 0;
    for (const auto c : line) {
        if (c == ',') {
            ++commas;
        } else if (c == '#') {
            return -1;
        }
    }
    return (commas == 15 || commas == 17 || commas == 18 || commas == 19) ? commas : -1;
}

}  // namespace

int forma_cunoscuta(QStringView line) {
    return knownShape(line);
}

int forma_cunoscuta(QByteArrayView line) {
    return knownShape(line);
}

QString linie_actualizata(QStringView line, int commas) {
    const int missing = campuri_lipsa(commas);
    if (missing <= 0)
        return line.toString();
    const qsizetype last = line.lastIndexOf(QLatin1Char(','));
    QString updated;
    updated.reserve(line.size() + missing);
    updated.append(line.first(last));
    updated.append(QString(missing, QLatin1Char(',')));
    updated.append(line.sliced(last));
    return updated;
}

}  // namespace tavo::store
