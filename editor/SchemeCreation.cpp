#include "editor/SchemeCreation.h"

#include "editor/EditorTexts.h"
#include "model/ModelTexts.h"
#include "model/OutOfRange.h"
#include "ui/UiTexts.h"

#include <algorithm>

using namespace editor_text;
using namespace ui_text;

namespace {
const QString kTenSpaces(10, QChar(' '));
}

void SchemeCreation::clearRows() {
    for (int s = 0; s < kChannelSlots; ++s) {
        model_.Included[s] = 0;
        model_.Channels[s] = {};
        Element& toggle = view_.at(Family::ContactToggle, s);
        toggle.visible = toggle.pressed = toggle.enabled = false;
        Element& number = view_.at(Family::InputNumber, s);
        number.visible = false;
        number.back = colours::buttonFace;
        number.tag = 0;
        view_.at(Family::InputName, s).visible = false;
        view_.at(Family::InputName, s).caption = kTenSpaces;
        view_.at(Family::FeedDot, s).visible = view_.at(Family::FeedStub, s).visible = false;
    }
    for (int i = 0; i < kBlockInputs; ++i)
        view_.HideBlockInput(i);
    model_.PackInclusion();
    for (int r = 0; r < kSchemeRows; ++r) {
        view_.at(Family::SignallingPanel, r).visible = false;
        view_.at(Family::SignallingPanel, r).tag = 0;
        view_.at(Family::CellNumber, r).caption = "00";
        view_.at(Family::DelayPanel, r).visible = false;
        view_.at(Family::DelayValue, r).caption = "00";
        view_.ShowRowOutputs(r, 0, 0, 0);
        Element& line = view_.at(Family::RowLine, r);
        line.visible = false;
        line.rect.w = view_.at(Family::Bus, FirstOutputBus).rect.x - line.rect.x + 1;
    }
}

void SchemeCreation::clearOutputsAndBlocks() {
    for (int j = 0; j < kOutputLines; ++j) {
        Element& number = view_.at(Family::OutputNumber, j);
        number.visible = false;
        number.back = colours::buttonFace;
        number.tag = 0;
        view_.at(Family::OutputName, j).visible = false;
        view_.at(Family::OutputName, j).caption = kTenSpaces;
        view_.at(Family::RelayPicture, j).visible = view_.at(Family::OutputConnector, j).visible =
            false;
    }
    for (int t : {TitleOutputsMr, TitleExtraInputs, TitleInputs, TitleOutputs, TitleMr1,
                  TitleSignalling, TitleExtAckInput, TitleBlocks, TitleDelay, TitleMr2})
        view_.at(Family::Title, t).visible = false;
    view_.header.extAckVisible = false;
    view_.header.deviceNumberVisible = false;
    for (int b = 0; b < kFunctionBlocks; ++b) {
        view_.at(Family::BlockNumber, b).back = colours::buttonFace;
        view_.at(Family::BlockNumber, b).tag = 0;
        for (Family f :
             {Family::BlockBody, Family::BlockOutputInversion, Family::BlockTimerPicture})
            view_.at(f, b).visible = false;
        model_.FunctionBlocks[b] = {};
    }
    for (int bus = 0; bus < kBusCount; ++bus)
        view_.at(Family::Bus, bus).visible = false;
}

void SchemeCreation::ClearScheme() {
    model_.SelectedInput = -1;
    model_.EditedOutput = -1;
    model_.UsedFbCount = 0;
    model_.SelectedFb = -1;
    model_.InclusionBits = {};
    clearRows();
    clearOutputsAndBlocks();
}

void SchemeCreation::hideSchemeAndHeader() {
    view_.header.deviceNumberVisible = false;
    view_.header.extAckVisible = false;
    for (int g = 0; g < kGroupCount; ++g)
        view_.group(g).visible = false;
    view_.group(ExtraInputGroup).top = SchemeView::kSavedDvTop;
    view_.group(BlockGroup).top = SchemeView::kSavedFbTop;
}

void SchemeCreation::CreateScheme() {
    ClearScheme();
    hideSchemeAndHeader();
    model_.SchemeCreated = 0;
    model_.ComputeLayout();
    BuildScheme();
    HeaderState& h = view_.header;
    h.extAckDown = false;
    h.extAckVisible = true;
    h.extAckEnabled = model_.ExtraInputCount != 0 && model_.ExecSecond != 22;
    h.deviceNumberVisible = true;
    showTitles();
    model_.SchemeCreated = 1;
}

void SchemeCreation::showTitles() {
    view_.at(Family::Title, TitleMr1).visible = model_.Mr1OutputCount != 0;
    view_.at(Family::Title, TitleMr2).visible = model_.Mr2OutputCount != 0;
    view_.at(Family::Title, TitleBlocks).visible = true;
    if (model_.InputCount == 6)
        view_.group(ExtraInputGroup).top = view_.group(FirstInputGroup).top + SchemeView::rowTop(6);
    if (model_.OutputCode != 0)
        for (int t : {TitleOutputsMr, TitleExtraInputs, TitleSignalling, TitleOutputs, TitleDelay})
            view_.at(Family::Title, t).visible = true;
    view_.at(Family::Title, TitleInputs).visible = true;
}

void SchemeCreation::BuildScheme() {
    // Clamped to the tables, whatever code reached the layout.
    const int n = std::clamp(model_.InputCount, 0, 24);
    const int e = std::clamp(model_.ExtraInputCount, 0, 8);
    auto showInput = [&](int slot, int number) {
        view_.at(Family::InputNumber, slot).caption = QString::number(number);
        view_.at(Family::InputNumber, slot).visible = true;
        view_.at(Family::InputName, slot).caption = kTenSpaces;
        view_.at(Family::InputName, slot).visible = true;
        view_.at(Family::ContactToggle, slot).visible = true;
        view_.at(Family::ContactToggle, slot).enabled = false;
    };
    for (int s = 0; s < n; ++s)
        showInput(s, s + 1);
    auto showOutputs = [&](int firstLine, int count) {
        for (int i = 0; i < std::clamp(count, 0, 8); ++i) {
            view_.at(Family::OutputNumber, firstLine + i).caption = QString::number(i + 1);
            view_.at(Family::OutputNumber, firstLine + i).visible = true;
            view_.at(Family::OutputName, firstLine + i).caption = kTenSpaces;
            view_.at(Family::OutputName, firstLine + i).visible = true;
        }
    };
    showOutputs(0, model_.Mr1OutputCount);
    showOutputs(8, model_.Mr2OutputCount);
    for (int j = 0; j < e; ++j)
        showInput(24 + j, n + 1 + j);

    view_.group(FirstInputGroup).visible = true;
    view_.group(SecondInputGroup).visible = n == 24;
    SchemeGroup& dv = view_.group(ExtraInputGroup);
    SchemeGroup& fb = view_.group(BlockGroup);
    if (n == 12 && e != 0)
        dv.top = view_.group(SecondInputGroup).top;
    else if (n == 6)
        dv.top = view_.group(FirstInputGroup).top + SchemeView::rowTop(6);
    else if (n == 24)
        dv.top = SchemeView::kSavedDvTop;
    const int lastMain = std::min(n, 12) - 1;
    view_.group(FirstInputGroup).height =
        lastMain < 0 ? SchemeView::rowTop(0)
                     : view_.at(Family::InputNumber, lastMain).rect.bottom();
    if (e != 0) {
        dv.visible = true;
        dv.height = e * kRowStep;
        fb.top = dv.top + e * kRowStep;
    } else if (n == 12) {
        fb.top = view_.group(SecondInputGroup).top;
    } else if (n == 24) {
        fb.top = dv.top;
    }
}

void SchemeCreation::LoadImage(std::uint8_t deviceByte) {
    model_.UnpackImage();
    model_.ShowRecords(ConfigurationModel::RecordKind::Channels, view_);
    model_.ShowRecords(ConfigurationModel::RecordKind::FunctionBlocks, view_);
    view_.RefreshRowLines();
    view_.RefreshOutputWiring();
    view_.RefreshBlockWiring();
    view_.ShowExternalAck((deviceByte & kExternalAckBit) != 0);
}

void SchemeCreation::ReportRepair() {
    if (model_.Repaired == 1)
        messages_.show(MessageBox{kTextRepaired, kCaptionError, MessageIcon::Error});
}

void SchemeCreation::ReportOutOfRange() {
    const std::vector<std::string> findings = ListOutOfRangeValues(model_);
    if (findings.empty())
        return;
    std::string text = model_text::kTextOutOfRangeHeading;
    for (const std::string& finding : findings)
        text += "\n" + finding;
    messages_.show(MessageBox{text, kCaptionWarning, MessageIcon::Warning});
}

void SchemeCreation::ChangeConfiguration() {
    ClearScheme();
    hideSchemeAndHeader();
    model_.SchemeCreated = 0;
    view_.header.modelListVisible = true;
}

void SchemeCreation::ModelChosen() {
    view_.header.modelListVisible = false;
    view_.header.setConfigVisible = false;
}

bool SchemeCreation::PromptCreateScheme() {
    MessageBox question{kTextSchemeNotCreated, kCaptionConfirm, MessageIcon::Question,
                        MessageButtons::YesNo, Answer::Yes};
    if (messages_.show(question) != Answer::Yes)
        return true;
    if (!model_.canWrite())
        messages_.show(MessageBox{kTextNoCreateAccess, kCaptionApp});
    return false;
}
