// Every numeric field of the editing commands reads a pasted number the same
// way: blanks around it and a plus sign do not matter.

#include "CommandDialogFakes.h"
#include "CommandFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct NumericField {
    const char* name;
    // Runs the field's command on a fresh 24-08 scheme with text in the
    // field; returns the number stored, or -1 when the command refused.
    std::function<int(CommandFixture&, const QString&)> store;
};

int Signalling(CommandFixture& s, const QString& text) {
    s.selectInput(1);
    s.signallingDialog.choose = [&](SignallingDialogData& d) {
        d.type = 2;
        d.cell = text;
    };
    s.signalling.SignClick();
    const std::uint8_t byte = SignallingByte(s.model, 1);
    return byte == 0 ? -1 : byte & 0x1F;
}

int Delay(CommandFixture& s, const QString& unit, const QString& value) {
    s.selectInput(2);
    s.delayDialog.choose = [&](DelayDialogData& d) {
        d.unit = unit;
        d.value = value;
    };
    s.delays.ZaderClick();
    const std::uint8_t byte = s.model.Channels[2][3];
    return byte == 0 ? -1 : (byte & 0x3F) * ((byte & 0x40) ? 10 : 1);
}

int BlockInput(CommandFixture& s, const QString& text) {
    FakeFbDialog dialog;
    dialog.play = [&](FbDialogData& d) {
        d.type = 1;
        d.inputs[0].number = text.toStdString();
    };
    FunctionBlockCommand(s.session, dialog).ANDClick();
    return s.messages.shown.empty() ? s.model.FunctionBlocks[0][1] & 0x3F : -1;
}

int CodeField(CommandFixture& s, const QString& text) {
    s.window.first.value = text.toStdString();
    s.model.ExecFirst = 0;
    return s.model.CheckExecCode(&s.window.first, nullptr) ? -1 : s.model.ExecFirst;
}

const NumericField kFields[] = {
    {"signalling cell", Signalling},
    {"delay value", [](CommandFixture& s, const QString& t) { return Delay(s, "1", t); }},
    {"delay unit", [](CommandFixture& s, const QString& t) { return Delay(s, t, "1"); }},
    {"block input", BlockInput},
    {"code", CodeField},
};

TEST(PastedNumbers, BlanksAndAPlusSignReadTheSameInEveryField) {
    // What each field stores for the plain text, which the pasted forms must match.
    const std::pair<const char*, int> plain[] = {
        {"7", 7}, {"7", 7}, {"10", 10}, {"7", 7}, {"12", 12}};
    for (std::size_t f = 0; f < std::size(kFields); ++f) {
        const QString number = plain[f].first;
        for (const QString& text :
             {number, " " + number, "+" + number, number + " ", "\t+" + number + "  "}) {
            CommandFixture s;
            s.createShown(24, 8);
            EXPECT_EQ(kFields[f].store(s, text), plain[f].second)
                << kFields[f].name << " «" << text.toStdString() << "»";
            EXPECT_TRUE(s.messages.shown.empty()) << kFields[f].name;
        }
        for (const QString& text :
             {QString("7a"), QString("+ 7"), QString("++7"), QString("7 7")}) {
            CommandFixture s;
            s.createShown(24, 8);
            EXPECT_EQ(kFields[f].store(s, text), -1)
                << kFields[f].name << " «" << text.toStdString() << "»";
        }
    }
}

} // namespace
