#include "beneficiary/registration_number.h"

#include <QStringList>

namespace tavo::beneficiary {

QString checkRegistrationNumber(const QString& text) {
    int sum = 0;
    for (const QChar c : QStringView(text).first(qMin<qsizetype>(text.size(), 21))) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            sum += c.unicode() - '0';
    }
    const QString digits = QString::number(sum);
    return digits.size() == 1 ? QLatin1Char('0') + digits : digits.right(2);
}

bool isRegistrationNumber(const QString& text) {
    if (text.isEmpty())
        return true;
    if (text.size() != kNrEvidentaLength)
        return false;
    static const QStringList documentTypes = {QStringLiteral("20"), QStringLiteral("22"),
                                              QStringLiteral("26")};
    static const QStringList categories = {QStringLiteral("01"), QStringLiteral("03"),
                                           QStringLiteral("11")};
    return documentTypes.contains(text.left(2)) && categories.contains(text.mid(5, 2)) &&
           checkRegistrationNumber(text) == text.right(2);
}

}  // namespace tavo::beneficiary
