#include "print/CauseEffectTable.h"

#include "print/PrintTexts.h"

#include <QString>
#include <QStringList>

using namespace print_text;

namespace {

constexpr const char* kMarkSeparator = "; ";

std::string Lines(const std::string& heading, const std::vector<std::string>& items) {
    std::string text = heading + "\n";
    for (const std::string& item : items)
        text += "  " + item + "\n";
    return text;
}

QString CsvField(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    if (!text.contains(';') && !text.contains('"') && !text.contains('\n'))
        return text;
    return '"' + text.replace('"', "\"\"") + '"';
}

} // namespace

std::vector<std::string> EffectsOf(const CauseEffectMatrix& matrix, std::size_t cause) {
    std::vector<std::string> items;
    for (std::size_t e = 0; e < matrix.effects.size(); ++e)
        if (!matrix.at(cause, e).empty())
            items.push_back(EffectTitle(matrix.effects[e]) + ": " +
                            MarksText(matrix.at(cause, e), kMarkSeparator));
    return items;
}

std::vector<std::string> CausesOf(const CauseEffectMatrix& matrix, std::size_t effect) {
    std::vector<std::string> items;
    for (std::size_t c = 0; c < matrix.causes.size(); ++c)
        if (!matrix.at(c, effect).empty())
            items.push_back(matrix.causes[c].heading + ": " +
                            MarksText(matrix.at(c, effect), kMarkSeparator));
    return items;
}

std::string MatrixListing(const CauseEffectMatrix& matrix) {
    std::string text = std::string(kHeadCauses) + "\n";
    for (std::size_t c = 0; c < matrix.causes.size(); ++c)
        text += Lines(matrix.causes[c].heading, EffectsOf(matrix, c));
    text += std::string(kHeadEffects) + "\n";
    for (std::size_t e = 0; e < matrix.effects.size(); ++e)
        text += Lines(EffectTitle(matrix.effects[e]), CausesOf(matrix, e));
    return text;
}

std::vector<std::vector<std::string>> MatrixGrid(const CauseEffectMatrix& matrix) {
    std::vector<std::vector<std::string>> rows(1, {kHeadCause});
    for (const MatrixEffect& effect : matrix.effects)
        rows[0].push_back(EffectTitle(effect));
    for (std::size_t c = 0; c < matrix.causes.size(); ++c) {
        rows.push_back({matrix.causes[c].heading});
        for (std::size_t e = 0; e < matrix.effects.size(); ++e)
            rows.back().push_back(MarksText(matrix.at(c, e), kMarkSeparator));
    }
    return rows;
}

QByteArray CsvText(const std::vector<std::vector<std::string>>& rows) {
    QStringList lines;
    for (const auto& row : rows) {
        QStringList fields;
        for (const std::string& field : row)
            fields << CsvField(field);
        lines << fields.join(';');
    }
    return "\xEF\xBB\xBF" + (lines.join("\r\n") + "\r\n").toUtf8();
}
