#include <gtest/gtest.h>

#include <QDate>

#include "cli/calc.h"
#include "ui/scripted_ui.h"

using namespace tavo;

namespace {

// What `tavo calc OPERATION ARGS...` prints: messages first, then the result lines.
QStringList calc(const QString& operation, QStringList arguments) {
    const auto& table = cli::calcTable();
    const auto found = table.find(operation);
    if (found == table.end())
        return {QStringLiteral("unknown operation")};
    while (arguments.size() < found->second.argumentCount) arguments.append(QString());
    QStringList printed;
    ScriptedUi ui(QDir(), QDir(), [&](const QString& line) { printed << line; });
    ProgramState state;
    cli::CalcEnv env{ui, state, QDir()};
    printed += found->second.run(arguments, env);
    return printed;
}

struct Example {
    const char* operation;
    QStringList arguments;
    QStringList printed;
};

TEST(CalcChecks, WorkedExamples) {
    const QString thisYear = QString::number(QDate::currentDate().year());
    const QString title10Iban = QStringLiteral("RO12TREZ24A12345610XXXXX");
    const QString title20Iban = QStringLiteral("RO12TREZ24A12345620XXXXX");
    const QString required = QStringLiteral(
        "Indicator angajament obligatoriu de completat daca s-a completat Codul Angajament si nu "
        "am cheltuiala cu titlu 10 !!! ");
    const QString notAllowed = QStringLiteral(
        "Indicator angajament nu se completeaza daca s-a completat Codul Angajament cu "
        "ZZZZZZZZZZZ sau YYYYYYYYYYY sau ERRRRRRRRRR");

    const Example examples[] = {
        // Fiscal identifiers.
        {"verif_CNP", {"1800101220011"}, {"true"}},
        {"verif_CNP", {"1800101220010"}, {"false"}},
        {"verif_CNP", {"1800101220021"}, {"true"}},
        {"verif_CNP", {"2840229123451"}, {"true"}},
        {"verif_CNP", {"2850229123450"}, {"false"}},
        {"verif_CNP", {"9000000000007"}, {"true"}},
        {"verif_CNP", {}, {"false"}},
        {"verif_CIF", {"1234565"}, {"true"}},
        {"verif_CIF", {"1234567"}, {"false"}},
        {"verif_CIF", {"1234590"}, {"true"}},
        {"verif_CIF", {}, {"true"}},
        {"verif_CIF", {"0"}, {"true"}},
        {"verif_CIF", {"1800101220011"}, {"false"}},
        {"verif_CNP", {"1234565"}, {"false"}},
        // Dates.
        {"norm_data", {"5.6.23"}, {"05/06/2023"}},
        {"norm_data", {"05-17-2024"}, {"17/05/2024"}},
        {"norm_data", {"2024/05/17"}, {"17/05/2024"}},
        {"norm_data", {"2024/01/02"}, {"01/02/2024"}},
        {"norm_data", {"31/04/2024"}, {""}},
        {"norm_data", {"13/13/2024"}, {""}},
        {"norm_data", {"05/06"}, {""}},
        {"norm_data", {"05/06/"}, {"05/06/" + thisYear}},
        {"norm_data", {"1/2/3"}, {"01/02/2003"}},
        {"norm_data", {"1/2/023"}, {"01/02/2023"}},
        {"norm_data", {"1/2/20245"}, {"01/02/" + thisYear}},
        {"norm_data", {"29/02/2023"}, {""}},
        {"norm_data", {"29/02/2024"}, {"29/02/2024"}},
        {"norm_data", {"1.2.2024.5"}, {""}},
        {"verif_data",
         {"31/12/2014"},
         {"MSG none||ATENTIE ! Data trebuie sa fie in format dd/mm/yyyy.", ""}},
        {"verif_data", {"01/01/2015"}, {"01/01/2015"}},
        // Amounts.
        {"suma", {"1234,5"}, {"1234.50", "1.234,50", "unamiedouasutetreizecisipatrulei,50bani"}},
        {"suma",
         {"2345678.90"},
         {"2345678.90", "2.345.678,90",
          "douamilioanetreisutepatruzecisicincimiisasesutesaptezecisioptlei,90bani"}},
        {"suma", {"0.50"}, {"0.50", ",50", ",50bani"}},
        {"suma", {"1.05"}, {"1.05", "1,05", "unleu,05bani"}},
        {"suma", {"12,5"}, {"12.50", "12,50", "douasprezecelei,50bani"}},
        {"suma", {"12,345"}, {"12.34", "12,34", "douasprezecelei,34bani"}},
        {"suma", {"12."}, {"12.", "12,", "douasprezecelei,bani"}},
        {"suma", {"0"}, {"", "", ""}},
        {"suma", {"0.00"}, {"", "", ""}},
        {"suma",
         {"1234567890123456"},
         {"MSG exclamation||Suma are mai mult de 15 cifre la partea intreaga.", "123456789012345",
          "123.456.789.012.345",
          "unasutadouazecisitreimiipatrusutecincizecisisasemiliardesaptesuteoptzecisinoua"
          "milioanedouasprezecemiitreisutepatruzecisicincilei"}},
        {"grupare_mii", {"5"}, {"5"}},
        {"grupare_mii", {"1000"}, {"1.000"}},
        {"grupare_mii", {"1234567"}, {"1.234.567"}},
        {"grupare_mii", {"123456"}, {"123.456"}},
        {"grupare_mii", {"0"}, {""}},
        {"suma_punct", {"12,5"}, {"12.5"}},
        {"suma_num", {"12,5"}, {"12.50"}},
        {"suma_num", {"abc"}, {"0.00"}},
        {"suma_num", {" 1 234,567"}, {"1234.57"}},
        {"suma_num", {"-0,001"}, {"0.00"}},
        {"cre_litere", {"0"}, {""}},
        {"cre_litere", {"1"}, {"unleu"}},
        {"cre_litere", {"2"}, {"doilei"}},
        {"cre_litere", {"11"}, {"unsprezecelei"}},
        {"cre_litere", {"21"}, {"douazecisiunulei"}},
        {"cre_litere", {"22"}, {"douazecisidoilei"}},
        {"cre_litere", {"101"}, {"unasutaunulei"}},
        {"cre_litere", {"1000"}, {"unamielei"}},
        {"cre_litere", {"1001"}, {"unamieunulei"}},
        {"cre_litere", {"2021"}, {"douamiidouazecisiunulei"}},
        {"cre_litere", {"21000"}, {"douazecisiunamiilei"}},
        {"cre_litere", {"101000"}, {"unasutaunamiilei"}},
        {"cre_litere", {"1000000"}, {"unmilionlei"}},
        {"cre_litere", {"21000000"}, {"douazecisiunumilioanelei"}},
        {"cre_litere", {"2000000000"}, {"douamiliardelei"}},
        {"cre_litere", {"5000000000000"}, {"cincimiimiliardelei"}},
        {"cre_litere", {"1002000000000"}, {"unamiedouamiliardelei"}},
        {"cre_litere",
         {"999999999999999"},
         {"nouasutenouazecisinouamiinouasutenouazecisinouamiliardenouasutenouazecisinoua"
          "milioanenouasutenouazecisinouamiinouasutenouazecisinoualei"}},
        // Commitment codes.
        {"verif_angajament", {title10Iban, "ZZZZZZZZZZZ", ""}, {""}},
        {"verif_angajament", {title10Iban, "ZZZZZZZZZZZ", "001"}, {notAllowed}},
        {"verif_angajament", {title10Iban, "ABC", ""}, {""}},
        {"verif_angajament", {title20Iban, "ABC", ""}, {required}},
        {"verif_angajament", {"RO12TREZ24512345610XXXXX", "ABC", ""}, {required}},
        {"verif_angajament", {title20Iban.left(23), "ABC", ""}, {""}},
        {"verif_angajament", {title20Iban, "", ""}, {""}},
        {"verif_angajament", {title20Iban, "ABC", "001"}, {""}},
    };
    for (const Example& e : examples) {
        EXPECT_EQ(calc(QLatin1String(e.operation), e.arguments), e.printed)
            << e.operation << ' ' << e.arguments.join(QLatin1Char(' ')).toStdString();
    }
}

}  // namespace
