#pragma once

#include "editor/SchemeView.h"

#include <QString>

class SchemeSession;

// The programming command a click on a scheme element starts.
enum class ClickCommand { None, FunctionBlock, Signalling, Delay, Outputs };

// What the window still has to do after a click; the selection, the highlights
// and EditedOutput are already updated.
struct ClickOutcome {
    bool closeEditor = false; // hide the in-place output name editor
    int openEditor = -1;      // output line to open the editor on, -1 none
    ClickCommand command = ClickCommand::None;
};

// The one click handler of the scheme elements and the in-place output names.
// A click first commits a name being edited (the window calls commitOutputName
// as the focus leaves the editor, and before every click, so that a click on a
// block picture, which takes no focus, commits it too).
class SchemeClicks {
public:
    explicit SchemeClicks(SchemeSession& session) : session_(session) {}

    // Selection rules of a click on element, and the command it starts.
    ClickOutcome clickElement(ElementRef element);
    // The editor lost the focus: an empty text becomes ten spaces (written
    // back into text), and the text becomes the name of the edited output.
    // No record changes; the history marks the scheme modified when the name
    // is another one.
    void commitOutputName(QString& text);
    // Ends the editing of an output name (after its text was committed): its
    // number loses the highlight. false when no name was being edited.
    bool closeOutputEditor();
    // Where the editor sits for an output line, in scheme coordinates.
    Rect OutputEditorRect(int line) const;
    // Selects a scheme row as a click on one of its elements does, starting no
    // command.
    void selectRow(int row);

private:
    void highlight(Family family, int index, bool on);
    void clearSelectionHighlights();
    void toggleBlock(int block);
    void openBlock(int block);
    void selectInput(int slot);

    SchemeSession& session_;
};

// Context help: the help topic of an element, 0 when it has none.
int HelpTopic(ElementRef element);
