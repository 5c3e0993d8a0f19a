#include "checks/amount_words.h"
#include "checks/amounts.h"
#include "checks/commitment.h"
#include "checks/dates.h"
#include "checks/fiscal_codes.h"
#include "cli/calc.h"

namespace tavo::cli {
void addChecksOperations(CalcTable& table) {
    table[QStringLiteral("verif_CNP")] = yesNoOperation(checks::verif_CNP);
    table[QStringLiteral("verif_CIF")] = yesNoOperation(checks::verif_CIF);
    table[QStringLiteral("norm_data")] =
        textOperation([](const QString& text) { return checks::norm_data(text); });
    table[QStringLiteral("verif_data")] = {1, [](const QStringList& a, CalcEnv& env) {
                                               Notices notices;
                                               const QString date =
                                                   checks::verif_data(a[0], notices);
                                               showNotices(env.ui, notices);
                                               return QStringList{date};
                                           }};
    // Leaving the amount field of an empty payment order: the field check,
    // then the document check that works out the two displays. The
    // operation takes no answers: the thousands question is answered No.
    table[QStringLiteral("suma")] = {
        1, [](const QStringList& a, CalcEnv& env) {
            const auto question = checks::thousandsQuestion(a[0]);
            bool thousandsMeant = false;
            if (question) {
                env.ui.answerTo(question->question, QStringLiteral("no"));
                thousandsMeant = static_cast<Ui&>(env.ui).ask(question->question) == Answer::Yes;
            }
            Notices notices;
            const checks::AmountForms forms =
                checks::amountForms(checks::leaveAmountField(a[0], thousandsMeant, notices));
            showNotices(env.ui, notices);
            return QStringList{forms.field, forms.grouped, forms.words};
        }};
    table[QStringLiteral("grupare_mii")] = textOperation(checks::grupare_mii);
    table[QStringLiteral("cre_litere")] = textOperation(checks::cre_litere);
    table[QStringLiteral("suma_punct")] = textOperation(checks::suma_punct);
    table[QStringLiteral("suma_num")] = textOperation([](const QString& text) {
        const QString shown = QString::number(checks::suma_num(text), 'f', 2);
        // A small negative value rounds to zero: shown without a sign.
        return shown == QLatin1String("-0.00") ? QStringLiteral("0.00") : shown;
    });
    table[QStringLiteral("verif_angajament")] = {
        3, [](const QStringList& a, CalcEnv&) {
            return QStringList{checks::verif_angajament(a[0], a[1], a[2])};
        }};
}

}  // namespace tavo::cli
