#include "export/dosar.h"

#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo::exporting {

using store::camp;
using text::alignLeft;
using text::alignRight;

QString summaryFileLine(QStringView line) {
    QString out = alignRight(camp(line, store::nr_ordine).toString(), 7);
    out += QLatin1String(". ");
    out += camp(line, store::tip_doc);
    out += QLatin1String(" nr.");
    out += alignLeft(camp(line, store::nr_OP).toString(), 10);
    out += QLatin1String(", ");
    out += alignLeft(camp(line, store::data_emiterii).toString(), 10);
    out += QLatin1String(", PLATITOR: ");
    out += alignLeft(camp(line, store::platitor).left(30).toString(), 30);
    out += QLatin1String(", BENEFICIAR: ");
    out += alignLeft(camp(line, store::beneficiar).left(30).toString(), 30);
    return out;
}

bool cre_dosar(const store::OrdersFile& orders, const QString& path, QString* error) {
    QStringList lines;
    for (const auto& document : orders.documente()) lines.append(summaryFileLine(document.text));
    return text::writeLines(path, lines, error);
}

}  // namespace tavo::exporting
