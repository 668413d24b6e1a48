#include "editor/SchemeClicks.h"

#include "editor/SchemeSession.h"
#include "editor/TextField.h"

namespace {

constexpr int kEditorInset = 8;

bool isAny(Family family, std::initializer_list<Family> families) {
    for (Family f : families)
        if (f == family)
            return true;
    return false;
}

// Which command a row element belongs to (its panel or a mark inside it).
ClickCommand rowCommand(Family family) {
    if (isAny(family, {Family::SignallingPanel, Family::CellNumber}))
        return ClickCommand::Signalling;
    if (isAny(family, {Family::DelayPanel, Family::DelayValue}))
        return ClickCommand::Delay;
    if (isAny(family, {Family::OutputsPanel, Family::Mr1Mark, Family::Mr2Mark,
                       Family::InterlockMark, Family::Mr1Outputs, Family::Mr2Outputs}))
        return ClickCommand::Outputs;
    return ClickCommand::None;
}

} // namespace

ClickOutcome SchemeClicks::clickElement(ElementRef element) {
    ConfigurationModel& model = session_.model;
    ClickOutcome outcome;
    if (element.family == Family::OutputNumber) {
        if (model.EditedOutput == element.index) {
            outcome.closeEditor = closeOutputEditor();
            return outcome;
        }
        if (model.EditedOutput != -1)
            highlight(Family::OutputNumber, model.EditedOutput, false);
        model.EditedOutput = element.index;
        highlight(Family::OutputNumber, element.index, true);
        outcome.openEditor = element.index;
        return outcome;
    }
    if (isAny(element.family, {Family::BlockBody, Family::BlockTypePicture})) {
        openBlock(element.index);
        outcome.command = ClickCommand::FunctionBlock;
    } else if (element.family == Family::BlockNumber) {
        toggleBlock(element.index);
    } else if (element.family == Family::InputNumber) {
        selectInput(element.index);
    } else if ((outcome.command = rowCommand(element.family)) != ClickCommand::None) {
        selectRow(element.index);
    }
    return outcome;
}

void SchemeClicks::toggleBlock(int block) {
    ConfigurationModel& model = session_.model;
    clearSelectionHighlights();
    model.SelectedInput = -1;
    model.SelectedFb = block == model.SelectedFb ? -1 : block;
    if (model.SelectedFb >= 0)
        highlight(Family::BlockNumber, block, true);
}

void SchemeClicks::openBlock(int block) {
    ConfigurationModel& model = session_.model;
    clearSelectionHighlights();
    model.SelectedInput = -1;
    model.SelectedFb = block; // a block already selected stays selected
    highlight(Family::BlockNumber, block, true);
}

void SchemeClicks::selectInput(int slot) {
    ConfigurationModel& model = session_.model;
    clearSelectionHighlights();
    if (slot == model.SelectedInput) {
        model.SelectedInput = -1;
        return;
    }
    model.SelectedInput = slot;
    model.SelectedFb = -1;
    highlight(Family::InputNumber, slot, true);
}

// A row element selects its row, never toggling it.
void SchemeClicks::selectRow(int row) {
    ConfigurationModel& model = session_.model;
    clearSelectionHighlights();
    if (row >= kFirstBlockRow) {
        model.SelectedFb = row - kFirstBlockRow;
        model.SelectedInput = -1;
        highlight(Family::BlockNumber, model.SelectedFb, true);
    } else {
        model.SelectedInput = row;
        model.SelectedFb = -1;
        highlight(Family::InputNumber, row, true);
    }
}

void SchemeClicks::clearSelectionHighlights() {
    const ConfigurationModel& model = session_.model;
    if (model.SelectedInput >= 0)
        highlight(Family::InputNumber, model.SelectedInput, false);
    if (model.SelectedFb >= 0)
        highlight(Family::BlockNumber, model.SelectedFb, false);
}

void SchemeClicks::highlight(Family family, int index, bool on) {
    session_.view.at(family, index).back = on ? colours::aqua : colours::buttonFace;
}

void SchemeClicks::commitOutputName(QString& text) {
    if (text.isEmpty())
        text = QString(kTextFieldSize, QChar(' '));
    const int line = session_.model.EditedOutput;
    if (line != -1)
        session_.view.at(Family::OutputName, line).caption = text;
}

bool SchemeClicks::closeOutputEditor() {
    ConfigurationModel& model = session_.model;
    if (model.EditedOutput == -1)
        return false;
    highlight(Family::OutputNumber, model.EditedOutput, false);
    model.EditedOutput = -1;
    return true;
}

Rect SchemeClicks::OutputEditorRect(int line) const {
    const SchemeView& view = session_.view;
    const Rect name = view.at(Family::OutputName, line).rect;
    const int groupTop = view.group(SchemeView::groupOfLine(line)).top;
    return {name.x + kEditorInset, name.y + groupTop + kEditorInset, name.w - 2 * kEditorInset,
            name.h - 2 * kEditorInset};
}

int HelpTopic(ElementRef element) {
    struct FamilyTopic {
        Family family;
        int topic;
    };
    // A mark inside a panel answers for its panel.
    static const FamilyTopic kTopics[] = {
        {Family::InputName, 11},   {Family::SignallingPanel, 12},  {Family::CellNumber, 12},
        {Family::DelayPanel, 13},  {Family::DelayValue, 13},       {Family::OutputsPanel, 14},
        {Family::Mr1Mark, 14},     {Family::Mr1Outputs, 14},       {Family::Mr2Mark, 14},
        {Family::Mr2Outputs, 14},  {Family::InterlockMark, 14},    {Family::BlockBody, 15},
        {Family::BlockNumber, 15}, {Family::BlockTypePicture, 15}, {Family::OutputName, 16},
    };
    for (const FamilyTopic& t : kTopics)
        if (t.family == element.family)
            return t.topic;
    if (element.family == Family::Title) {
        switch (element.index) {
        case TitleInputs:
            return 11;
        case TitleSignalling:
            return 12;
        case TitleDelay:
            return 13;
        case TitleOutputs:
            return 14;
        case TitleOutputsMr:
            return 16;
        default:
            return 0;
        }
    }
    // The one row line that asks for help: the general topic.
    return element == ElementRef{Family::RowLine, 1} ? 40 : 0;
}
