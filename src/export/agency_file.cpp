#include "export/agency_file.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "export/agency_file_texts.h"
#include "text/text_file.h"

namespace tavo::exporting {

using store::camp;

QString bic_agentie(QStringView iban) {
    // The banks whose BIC does not end in "ROBU", by bank code.
    static const QStringList kOwnSuffix = {
        QStringLiteral("CARPRO22"), QStringLiteral("NBORROBP"), QStringLiteral("BTRLRO22"),
        QStringLiteral("CAIXROBX"), QStringLiteral("EGNAROBX"), QStringLiteral("DAFBRO22"),
        QStringLiteral("WBANRO22"),
    };
    const QString bank = iban.mid(4, 4).toString();
    if (bank.size() == 4) {
        for (const QString& bic : kOwnSuffix) {
            if (bic.startsWith(bank))
                return bic;
        }
    }
    return bank + QLatin1String("ROBU");
}

QString agencyTableLine(QStringView line) {
    QString out;
    out.reserve(line.size() + 64);
    out += QLatin1Char('#');
    out += camp(line, store::nr_OP);
    out += QLatin1String("#,");
    out += camp(line, store::data_emiterii);
    out += QLatin1Char(',');
    out += camp(line, store::CIF_platitor);
    out += QLatin1String(",#");
    out += camp(line, store::platitor).left(30);
    out += QLatin1String("#,#");
    out += camp(line, store::adresa_platitor);
    out += QLatin1String("#,#");
    out += camp(line, store::IBAN_platitor);
    out += QLatin1String("#,#");
    out += bic_agentie(camp(line, store::IBAN_platitor));
    out += QLatin1String("#,");
    out += camp(line, store::CIF_beneficiar);
    out += QLatin1String(",#");
    out += camp(line, store::beneficiar).left(30);
    out += QLatin1String("#,#");
    out += camp(line, store::IBAN_beneficiar);
    out += QLatin1String("#,#");
    out += bic_agentie(camp(line, store::IBAN_beneficiar));
    out += QLatin1String("#,");
    out += camp(line, store::suma);
    out += QLatin1String(",#");
    out += camp(line, store::reprezentand).left(70);
    out += QLatin1Char('#');
    return out;
}

bool cre_tabela(const store::OrdersFile& orders, const QString& path, QString* error) {
    QStringList lines;
    for (const auto& document : orders.documente()) lines.append(agencyTableLine(document.text));
    return text::writeLines(path, lines, error);
}

std::optional<QString> refusedAgencyName(const QString& name) {
    namespace t = agency_file_texts;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return t::hasSlash + t::onlyInFolder;
    if (name.contains(QLatin1String("..")))
        return t::hasDotDot + t::onlyInFolder;
    static const QString kForbidden = QStringLiteral("<>:\"|?*");
    for (const QChar c : name) {
        if (kForbidden.contains(c))
            return t::hasForbiddenCharacter.arg(c);
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return t::hasControlCharacters;
    }
    const auto onlyBlanksAndDots = [](QChar c) { return c == u' ' || c == u'.'; };
    if (std::all_of(name.begin(), name.end(), onlyBlanksAndDots))
        return t::blanksAndDotsOnly;
    // Windows drops a final dot or blank, and keeps the device names for itself:
    // the file would not be the one named here once the folder is carried there.
    if (onlyBlanksAndDots(name.back()))
        return t::endsInBlankOrDot;
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch()) {
        return t::windowsDeviceName;
    }
    // Linux holds names of at most 255 bytes of UTF-8, whatever the system
    // the folder is on now.
    if (name.toUtf8().size() > 255)
        return t::tooLong;
    return std::nullopt;
}

bool copyAgencyFile(const QDir& folder, const QString& name, QString* error) {
    const QDir agentie(folder.filePath(QLatin1String(kFolderAgentie)));
    QFile source(agentie.filePath(QLatin1String(kTabela)));
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = source.fileName() + QLatin1String(": ") + source.errorString();
        return false;
    }
    const QByteArray bytes = source.readAll();
    // The temporary file has a name of its own: NAME plus a suffix could pass
    // the longest name the file system holds.
    const QString temp = agentie.filePath(QStringLiteral(".copie_agentie.tmp"));
    if (text::replaceFile(agentie.filePath(name), temp, bytes, error))
        return true;
    QFile::remove(temp);  // when the rename failed (NAME is a folder, say)
    return false;
}

}  // namespace tavo::exporting
