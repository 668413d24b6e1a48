#include "print/PrintPlan.h"

#include "print/PrintTexts.h"
#include "ui/UiTexts.h"

#include <algorithm>

int PrintScale(int printerDpi, int screenDpi) {
    if (screenDpi <= 0)
        return 1;
    return std::max(1, printerDpi / screenDpi);
}

BlocksInUse BlocksInUseOf(const ConfigurationModel& model) {
    BlocksInUse blocks;
    for (int b = 0; b < kFunctionBlocks; ++b)
        blocks[static_cast<std::size_t>(b)] = (model.FunctionBlocks[b][0] & 0x07) != 0;
    return blocks;
}

int HighestBlockInUse(const BlocksInUse& blocks) {
    for (int b = kFunctionBlocks; b > 0; --b)
        if (blocks[static_cast<std::size_t>(b - 1)])
            return b;
    return 0;
}

std::vector<int> PrintedParts(const BlocksInUse& blocks) {
    constexpr BlocksInUse kLowBlocks{0xFF};
    std::vector<int> parts{1};
    if ((blocks & kLowBlocks).any())
        parts.push_back(2);
    if ((blocks & ~kLowBlocks).any())
        parts.push_back(3);
    return parts;
}

PageSpan ChosenPages(int fromPage, int toPage, int pageCount) {
    if (fromPage <= 0 && toPage <= 0)
        return {1, pageCount};
    const int first = std::clamp(fromPage <= 0 ? 1 : fromPage, 1, pageCount);
    const int last = std::clamp(toPage <= 0 ? pageCount : toPage, first, pageCount);
    return {first, last};
}

QString HeaderLine1(const QString& caption, int page) {
    return caption + print_text::kTextPage + QString::number(page);
}

QString HeaderLine2(const HeaderFields& f) {
    // The code is printed as the code table writes it ("06-06", "12-08"): the two fields
    // run together ("128") would look like another code.
    const QString code =
        QString("%1-%2").arg(f.codeFirst, 2, 10, QChar('0')).arg(f.codeSecond, 2, 10, QChar('0'));
    return QString(ui_text::kLabelDevice) + "  " + QString::number(f.deviceNumber) + "  " +
           ui_text::kLabelExecCode + "  " + code + "   " + ui_text::kLabelExtAck;
}

QString ExtAckState(const HeaderFields& f) {
    return f.extAckDown ? print_text::kTextExtAckOn : print_text::kTextExtAckOff;
}

QString SplitOutputList(const QString& list) {
    if (list.count(',') <= 4)
        return list;
    return list.left(8) + "\n" + list.mid(8);
}
