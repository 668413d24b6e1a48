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
    if (isAny(family, {Family::PanelS, Family::StN}))
        return ClickCommand::Signalling;
    if (isAny(family, {Family::PanelZ, Family::StZ}))
        return ClickCommand::Delay;
    if (isAny(family, {Family::PanelV, Family::StMRI, Family::StMRII, Family::StB, Family::StM,
                       Family::StMM}))
        return ClickCommand::Outputs;
    return ClickCommand::None;
}

} // namespace

ClickOutcome SchemeClicks::Panelvx1Click(ElementRef element) {
    TProgVilClass& model = session_.model;
    ClickOutcome outcome;
    if (element.family == Family::Panelvyx) {
        if (model.EditedOutput == element.index) {
            highlight(Family::Panelvyx, element.index, false);
            model.EditedOutput = -1;
            outcome.closeEditor = true;
            return outcome;
        }
        if (model.EditedOutput != -1)
            highlight(Family::Panelvyx, model.EditedOutput, false);
        model.EditedOutput = element.index;
        highlight(Family::Panelvyx, element.index, true);
        outcome.openEditor = element.index;
        return outcome;
    }
    if (isAny(element.family, {Family::PanelBl, Family::ImaF})) {
        openBlock(element.index);
        outcome.command = ClickCommand::FunctionBlock;
    } else if (element.family == Family::PanelF) {
        toggleBlock(element.index);
    } else if (element.family == Family::Panelvx) {
        selectInput(element.index);
    } else if ((outcome.command = rowCommand(element.family)) != ClickCommand::None) {
        selectRow(element.index);
    }
    return outcome;
}

void SchemeClicks::toggleBlock(int block) {
    TProgVilClass& model = session_.model;
    clearSelectionHighlights();
    model.SelectedInput = -1;
    model.SelectedFb = block == model.SelectedFb ? -1 : block;
    if (model.SelectedFb >= 0)
        highlight(Family::PanelF, block, true);
}

void SchemeClicks::openBlock(int block) {
    TProgVilClass& model = session_.model;
    clearSelectionHighlights();
    model.SelectedInput = -1;
    model.SelectedFb = block; // a block already selected stays selected
    highlight(Family::PanelF, block, true);
}

void SchemeClicks::selectInput(int slot) {
    TProgVilClass& model = session_.model;
    clearSelectionHighlights();
    if (slot == model.SelectedInput) {
        model.SelectedInput = -1;
        return;
    }
    model.SelectedInput = slot;
    model.SelectedFb = -1;
    highlight(Family::Panelvx, slot, true);
}

// A row element selects its row, never toggling it.
void SchemeClicks::selectRow(int row) {
    TProgVilClass& model = session_.model;
    clearSelectionHighlights();
    if (row >= kFirstBlockRow) {
        model.SelectedFb = row - kFirstBlockRow;
        model.SelectedInput = -1;
        highlight(Family::PanelF, model.SelectedFb, true);
    } else {
        model.SelectedInput = row;
        model.SelectedFb = -1;
        highlight(Family::Panelvx, row, true);
    }
}

void SchemeClicks::clearSelectionHighlights() {
    const TProgVilClass& model = session_.model;
    if (model.SelectedInput >= 0)
        highlight(Family::Panelvx, model.SelectedInput, false);
    if (model.SelectedFb >= 0)
        highlight(Family::PanelF, model.SelectedFb, false);
}

void SchemeClicks::highlight(Family family, int index, bool on) {
    session_.view.at(family, index).back = on ? colours::aqua : colours::buttonFace;
}

void SchemeClicks::EditNPortExit(QString& text) {
    if (text.isEmpty())
        text = QString(kTextFieldSize, QChar(' '));
    const int line = session_.model.EditedOutput;
    if (line != -1)
        session_.view.at(Family::PTextV, line).caption = text;
}

Rect SchemeClicks::OutputEditorRect(int line) const {
    const SchemeView& view = session_.view;
    const Rect name = view.at(Family::PTextV, line).rect;
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
        {Family::PText, 11},  {Family::PanelS, 12}, {Family::StN, 12},    {Family::PanelZ, 13},
        {Family::StZ, 13},    {Family::PanelV, 14}, {Family::StMRI, 14},  {Family::StM, 14},
        {Family::StMRII, 14}, {Family::StMM, 14},   {Family::StB, 14},    {Family::PanelBl, 15},
        {Family::PanelF, 15}, {Family::ImaF, 15},   {Family::PTextV, 16},
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
    return element == ElementRef{Family::Sm, 1} ? 40 : 0;
}
