#include "print/AcceptanceProtocol.h"

#include "line/ConfigFields.h"
#include "line/LineTexts.h"
#include "print/CauseEffectMatrix.h"
#include "print/PrintTexts.h"

#include <QStringList>

using namespace print_text;

namespace {

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : separator) + item;
    return text;
}

// The combination of a block's inputs that trips it ("вх. 2 и не вх. 5").
std::string Combination(const MatrixCause& block) {
    if (block.terms.empty())
        return kTextNoBlockInputs;
    switch (block.blockType) {
    case 1:
        return Joined(block.terms, kTextAnd);
    case 2:
        return kTextNot + ("(" + Joined(block.terms, kTextAnd) + ")");
    case 3:
        return Joined(block.terms, kTextOr);
    case 4:
        return kTextNot + ("(" + Joined(block.terms, kTextOr) + ")");
    default:
        return Joined(block.terms, ", ") + kTextHysteresis;
    }
}

std::string CellExpected(const MatrixEffect& cell, const MatrixMark& mark) {
    return std::string(line_text::kFieldSignalling) + " " + SignallingText(mark.signalling) +
           ", " + line_text::kFieldCell + " " + std::to_string(cell.cell);
}

// The outputs a record drives switch alike: its delay and its interlock are the record's.
std::string RelaysExpected(const std::vector<std::string>& relays, const MatrixMark& mark) {
    std::string text = Joined(relays, ", ") + ": ";
    if (mark.delaySeconds == 0)
        text += kTextNoDelay;
    else
        text += std::string(mark.pulse ? line_text::kTimerPulse : line_text::kFieldDelay) + " " +
                std::to_string(mark.delaySeconds) + line_text::kSeconds;
    if (mark.interlock)
        text += std::string(", ") + line_text::kFieldInterlock;
    return text;
}

ProtocolStep StepOf(const CauseEffectMatrix& matrix, std::size_t c) {
    const MatrixCause& cause = matrix.causes[c];
    ProtocolStep step;
    step.number = static_cast<int>(c) + 1;
    step.action = cause.heading + (cause.kind == MatrixCause::Kind::Input
                                       ? kTextTripInput
                                       : kTextTripBlock + Combination(cause));
    // A step checks what the cause's own record does; what it does through a
    // block is the block's own step.
    std::vector<std::string> relays;
    MatrixMark relayMark;
    for (std::size_t e = 0; e < matrix.effects.size(); ++e)
        for (const MatrixMark& mark : matrix.at(c, e)) {
            if (mark.through != 0)
                continue;
            if (matrix.effects[e].kind == MatrixEffect::Kind::Cell) {
                step.expected.push_back(CellExpected(matrix.effects[e], mark));
            } else {
                relays.push_back(EffectTitle(matrix.effects[e]));
                relayMark = mark;
            }
        }
    if (!relays.empty())
        step.expected.push_back(RelaysExpected(relays, relayMark));
    if (step.expected.empty())
        step.expected.push_back(kTextNoEffects);
    if (!cause.feeds.empty()) {
        std::vector<std::string> blocks;
        for (const int block : cause.feeds)
            blocks.push_back(line_text::kBlock + std::to_string(block));
        step.expected.push_back(kTextFeedsBlocks + Joined(blocks, ", "));
    }
    return step;
}

QString Html(const std::string& utf8) {
    return QString::fromStdString(utf8).toHtmlEscaped();
}

QString HeadingHtml(const AcceptanceProtocol& p) {
    QString html = "<h3>" + Html(kTitleProtocol) + "</h3><p>" + Html(kTextDeviceNumber) +
                   QString::number(p.deviceNumber) + "&nbsp;&nbsp;&nbsp; " + Html(kTextExecCode) +
                   Html(p.code) + "&nbsp;&nbsp;&nbsp; " + Html(kTextDate) + Html(p.date);
    if (!p.source.empty())
        html += "<br>" + Html(kTextSchemeFile) + Html(p.source);
    return html + "</p>";
}

QString StepsHtml(const AcceptanceProtocol& p) {
    QString html = "<table border=1 cellspacing=0 cellpadding=2 width=100%><tr>";
    for (const char* head : {kHeadStep, kHeadAction, kHeadExpected, kHeadDone})
        html += "<th>" + Html(head) + "</th>";
    html += "</tr>";
    for (const ProtocolStep& step : p.steps)
        html += "<tr><td align=right>" + QString::number(step.number) + "</td><td width=30%>" +
                Html(step.action) + "</td><td>" + Html(Joined(step.expected, "; ")) +
                "</td><td width=11%></td></tr>";
    return html + "</table>";
}

QString SignatureHtml() {
    QString html = "<p></p><table cellspacing=0 cellpadding=6 width=100%>";
    for (const char* role : {kTextTestedBy, kTextAcceptedBy})
        html += "<tr><td width=30%>" + Html(role) + "</td><td>" + Html(kTextSignatureLine) +
                "</td></tr>";
    return html + "</table>";
}

} // namespace

AcceptanceProtocol BuildProtocol(const SchemeFileData& data, const std::string& date,
                                 const std::string& source) {
    AcceptanceProtocol protocol;
    protocol.deviceNumber = (data.deviceByte & 0x1F) + 1;
    protocol.code = CodeText(data.execFirst, data.execSecond);
    protocol.date = date;
    protocol.source = source;
    const CauseEffectMatrix matrix = BuildCauseEffectMatrix(data);
    for (std::size_t c = 0; c < matrix.causes.size(); ++c)
        protocol.steps.push_back(StepOf(matrix, c));
    return protocol;
}

QString ProtocolHtml(const std::vector<AcceptanceProtocol>& protocols) {
    QString html;
    for (const AcceptanceProtocol& p : protocols) {
        if (!html.isEmpty())
            html += "<div style=\"page-break-before: always\"></div>";
        html += HeadingHtml(p) + StepsHtml(p) + SignatureHtml();
    }
    return html;
}

std::vector<std::vector<std::string>>
ProtocolGrid(const std::vector<AcceptanceProtocol>& protocols) {
    std::vector<std::vector<std::string>> rows;
    for (const AcceptanceProtocol& p : protocols) {
        rows.push_back({kTitleProtocol});
        rows.push_back({kTextDeviceNumber + std::to_string(p.deviceNumber), kTextExecCode + p.code,
                        kTextDate + p.date, p.source});
        rows.push_back({kHeadStep, kHeadAction, kHeadExpected, kHeadDone});
        for (const ProtocolStep& step : p.steps)
            rows.push_back(
                {std::to_string(step.number), step.action, Joined(step.expected, "; "), ""});
        for (const char* role : {kTextTestedBy, kTextAcceptedBy})
            rows.push_back({role, ""});
    }
    return rows;
}
