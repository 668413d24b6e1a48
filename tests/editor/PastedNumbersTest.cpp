// Every numeric field of the editing commands reads a pasted number the same
// way: blanks around it and a plus sign do not matter; anything else is refused.

#include "CommandDialogFakes.h"
#include "CommandFixture.h"

#include <gtest/gtest.h>

namespace {

// Each runs its field's command on a fresh 24-08 scheme with text in the field
// and returns the number stored, or -1 when the command refused it.
int Cell(CommandFixture& s, const QString& text) {
    s.selectInput(1);
    s.signallingDialog.choose = [&](SignallingDialogData& d) { d.type = 2, d.cell = text; };
    s.signalling.editSignalling();
    return SignallingByte(s.model, 1) == 0 ? -1 : SignallingByte(s.model, 1) & 0x1F;
}
int Delay(CommandFixture& s, const QString& unit, const QString& value) {
    s.selectInput(2);
    s.delayDialog.choose = [&](DelayDialogData& d) { d.unit = unit, d.value = value; };
    s.delays.editDelay();
    const int byte = s.model.Channels[2][3];
    return byte == 0 ? -1 : (byte & 0x3F) * ((byte & 0x40) ? 10 : 1);
}
int BlockInput(CommandFixture& s, const QString& text) {
    FakeFbDialog dialog;
    dialog.play = [&](FbDialogData& d) { d.type = 1, d.inputs[0].number = text.toStdString(); };
    FunctionBlockCommand(s.session, dialog).editFunctionBlock();
    return s.messages.shown.empty() ? s.model.FunctionBlocks[0][1] & 0x3F : -1;
}
int Code(CommandFixture& s, const QString& text) {
    s.window.first.value = text.toStdString();
    return s.model.CheckExecCode(&s.window.first, nullptr) ? -1 : s.model.ExecFirst;
}

TEST(PastedNumbers, BlanksAndAPlusSignReadTheSameInEveryField) {
    using Store = std::function<int(CommandFixture&, const QString&)>;
    const std::tuple<const char*, Store, QString> fields[] = {
        {"cell", Cell, "7"},
        {"delay value", [](CommandFixture& s, const QString& t) { return Delay(s, "1", t); }, "7"},
        {"delay unit", [](CommandFixture& s, const QString& t) { return Delay(s, t, "1"); }, "10"},
        {"block input", BlockInput, "7"},
        {"code", Code, "12"}};
    for (const auto& [name, store, n] : fields) {
        const QString accepted[] = {" " + n, "+" + n, n + " ", "\t+" + n + "  "};
        const QString refused[] = {n + "a", "+ " + n, "++" + n, n + " " + n};
        for (const QString* texts : {accepted, refused}) {
            for (int k = 0; k < 4; ++k) {
                CommandFixture s;
                s.createShown(24, 8);
                EXPECT_EQ(store(s, texts[k]), texts == accepted ? n.toInt() : -1)
                    << name << " «" << texts[k].toStdString() << "»";
            }
        }
    }
}

} // namespace
