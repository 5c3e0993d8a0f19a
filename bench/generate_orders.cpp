// generate_orders N FILE [--older]: writes an ordine.txt of N realistic documents.
#include <QCoreApplication>
#include <cstdio>

#include "order_generator.h"
#include "text/text_file.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: generate_orders N FILE [--older]\n");
        return 2;
    }
    const QStringList lines =
        tavo::bench::generateOrders(args[1].toInt(), args.contains(QStringLiteral("--older")));
    QString error;
    if (!tavo::text::writeLines(args[2], lines, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
