// The display of one scheme row from its record: signalling, delay, outputs, and the
// block pictures. Used by the load pass and by the editing commands.
#include "editor/SchemeView.h"

namespace {

QString outputList(int mask, int outputCount) {
    QString list;
    for (int i = 0; i < outputCount && i < 8; ++i)
        if (mask & (1 << i))
            list += QString::number(i + 1) + ",";
    return list;
}

} // namespace

void SchemeView::ShowRowSignalling(int row, int typeBits, int cell) {
    static const char* const kCaptions[] = {"", "пред.", "авар.", "инд."};
    static const Rgb kColours[] = {colours::gray, colours::yellow, colours::red, colours::lime};
    const int type = (typeBits >> 6) & 3;
    Element& panel = at(Family::SignallingPanel, row);
    Element& number = at(Family::CellNumber, row);
    if (type != 0) {
        panel.caption = kCaptions[type];
        number.back = kColours[type];
    }
    panel.visible = true;
    number.visible = true;
    number.caption = QString::number(cell);
}

void SchemeView::ShowRowDelay(int row, int delayByte) {
    const int units = delayByte & 0x3F;
    if (units == 0)
        return;
    at(Family::DelayValue, row).caption = QString::number(units * ((delayByte & 0x40) ? 10 : 1));
    at(Family::DelayValue, row).visible = true;
    at(Family::DelayPanel, row).visible = true;
}

void SchemeView::ShowRowOutputs(int row, int mr1Mask, int mr2Mask, int interlock) {
    at(Family::InterlockMark, row).visible = interlock != 0;
    struct Module {
        Family marker, list;
        const char* digit;
        const char* hint;
        int mask, outputs;
    };
    const Module modules[] = {
        {Family::Mr1Mark, Family::Mr1Outputs, "1", kMr1OutputsHint, mr1Mask, model_.Mr1OutputCount},
        {Family::Mr2Mark, Family::Mr2Outputs, "2", kMr2OutputsHint, mr2Mask,
         model_.Mr2OutputCount}};
    for (const Module& m : modules) {
        Element& marker = at(m.marker, row);
        Element& list = at(m.list, row);
        marker.visible = list.visible = false;
        marker.caption = list.caption = QString();
        marker.hint = list.hint = m.hint;
        if (m.mask != 0 && m.outputs != 0) {
            const QString numbers = outputList(m.mask, m.outputs);
            marker.caption = m.digit;
            marker.hint += numbers;
            list.hint += numbers;
            list.caption = numbers;
            marker.visible = list.visible = true;
        }
    }
    at(Family::OutputsPanel, row).visible = mr1Mask != 0 || mr2Mask != 0;
}

void SchemeView::showContact(int row, bool down, bool enable) {
    Element& toggle = at(Family::ContactToggle, row);
    toggle.pressed = down;
    if (enable)
        toggle.enabled = true;
}

void SchemeView::showRow(int row, const ChannelRecord& record) {
    if (record[0] & 0xC0)
        ShowRowSignalling(row, record[0] & 0xC0, record[0] & 0x1F);
    ShowRowDelay(row, record[3]);
    ShowRowOutputs(row, record[1], record[2], record[3] & 0x80);
}

void SchemeView::showBlock(int block, const FbRecord& record) {
    const int type = record[0] & 0x0F;
    const int source = type <= 2 ? AndPicture : (type <= 4 ? OrPicture : HysteresisPicture);
    at(Family::BlockTypePicture, block).picture = at(Family::Source, source).picture;
    at(Family::BlockTypePicture, block).visible = true;
    at(Family::BlockNumber, block).visible = true;
    at(Family::BlockOutputInversion, block).visible = type == 2 || type == 4;
    for (int k = 0; k < 4; ++k)
        ShowBlockInput(4 * block + k, record[1 + k]);
    at(Family::BlockBody, block).visible = true;
}

void SchemeView::ShowBlockInput(int input, std::uint8_t inputByte) {
    const int number = inputByte & 0x3F;
    if (number == 0) {
        HideBlockInput(input);
        at(Family::BlockInputKind, input).caption = QString();
        at(Family::BlockInputNumber, input).caption = "0";
        return;
    }
    at(Family::BlockInputInversion, input).visible = (inputByte & 0x80) == 0;
    at(Family::BlockInputKind, input).caption =
        (inputByte & 0x40) ? kBlockOutputSource : kDeviceInputSource;
    at(Family::BlockInputNumber, input).caption = QString::number(number);
    at(Family::BlockInputNumber, input).visible = true;
    at(Family::BlockInputKind, input).visible = true;
    at(Family::BlockInputLine, input).visible = true;
}

void SchemeView::HideBlockInput(int input) {
    for (Family f : {Family::BlockInputLine, Family::BlockInputKind, Family::BlockInputNumber,
                     Family::BlockInputInversion})
        at(f, input).visible = false;
}

void SchemeView::showBlockTimer(int block, int delayType) {
    Element& timer = at(Family::BlockTimerPicture, block);
    timer.picture = at(Family::Source, delayType == 0 ? OnDelayPicture : PulsePicture).picture;
    timer.visible = true;
}

int SchemeView::ExternalAckRow() const {
    const int last = model_.ChannelCount - 1;
    return last < 0 ? -1 : model_.SlotOfImageIndex(last);
}

void SchemeView::ShowExternalAck(bool on) {
    header.extAckDown = on;
    Element& label = at(Family::Title, TitleExtAckInput);
    const int row = ExternalAckRow();
    // Only an additional input can serve (the button is offered for those
    // alone); beside a main input the mark would cover its output line.
    label.visible = on && row >= 0 && row < kChannelSlots && groupOfRow(row) == ExtraInputGroup;
    if (label.visible)
        label.rect.y = rowTop(row) + 12;
}
