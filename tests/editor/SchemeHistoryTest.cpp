// Random editing with random undo and redo in between: every change, and
// nothing else, is a step; every undo gives back the scheme as it was before
// the step it takes back (image and names), every redo the scheme after it,
// and Modified is clear exactly at the step last stored. Each configuration is
// kept once.

#include "editor/gui/SchemeHistory.h"
#include "CommandDialogFakes.h"
#include "CommandFixture.h"
#include "editor/SchemeClicks.h"
#include "files/SchemeFile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct RandomOperator : CommandFixture {
    explicit RandomOperator(unsigned seed) : random(seed) {
        createShown(24, 8);
        model.Modified = 0;
        history.Restart();
        blocks.play = [this](FbDialogData& d) {
            d.type = pick(0, 5);
            for (FbInputEntry& in : d.inputs)
                in = {pick(0, 1), 0, std::to_string(pick(0, 30)), true};
        };
        outputs.play = [this](OutputsDialogData& d) {
            d.mr1Mask = static_cast<std::uint8_t>(pick(0, 255));
            d.interlock = pick(0, 1) == 1;
        };
        inclusionDialog.choose = [this](InclusionDialogData& d) {
            d.name = pick(0, 1) ? QString("Вход %1").arg(pick(1, 99)) : d.name;
            d.included = pick(0, 1) == 1;
        };
        signallingDialog.choose = [this](SignallingDialogData& d) {
            d.type = pick(0, 3);
            d.cell = QString::number(pick(0, 24));
        };
        delayDialog.choose = [this](DelayDialogData& d) {
            d.unit = pick(0, 1) ? "1" : "10";
            d.value = QString::number(pick(0, 60));
        };
    }
    int pick(int low, int high) { return std::uniform_int_distribution<>(low, high)(random); }

    // One change, as the window runs it, or a save.
    void edit() {
        const int slot = pick(0, 23), block = pick(0, 12);
        pick(0, 1) ? selectInput(slot) : selectBlock(model.FunctionBlocks[block][0] ? block : -1);
        const std::function<void()> changes[] = {
            [&] { inputs.editInclusion(); },
            [&] { signalling.editSignalling(); },
            [&] { delays.editDelay(); },
            [&] { OutputsCommand(session, outputs).editOutputs(); },
            [&] { FunctionBlockCommand(session, blocks).editFunctionBlock(); },
            [&] { inputs.toggleContact(slot); },
        };
        const int change = pick(0, 6);
        if (change < 6) {
            history.Run(QString("Шаг %1").arg(change), changes[change]);
        } else {
            model.Modified = 0;
            history.MarkStored();
        }
        messages.shown.clear();
    }

    std::mt19937 random;
    FakeFbDialog blocks;
    FakeOutputsDialog outputs;
    SchemeHistory history{session};
};

TEST(SchemeHistory, UndoAndRedoGiveBackEveryStepExactly) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        RandomOperator o(seed);
        // What the scheme was after each step, by the stack's index; where it was stored.
        std::vector<SchemeSnapshot> states{o.session.Snapshot()};
        int stored = 0;
        for (int n = 0; n < 150; ++n) {
            const int index = o.history.stack().index();
            const int action = o.pick(0, 9);
            bool moved = true;
            if (action < 2 && o.history.stack().canUndo()) {
                o.history.Undo();
            } else if (action < 4 && o.history.stack().canRedo()) {
                o.history.Redo();
            } else {
                moved = false;
                o.edit();
                const bool changed = o.session.Snapshot() != states.at(index);
                ASSERT_EQ(o.history.stack().index() != index, changed)
                    << "every change is a step, and nothing else; seed " << seed << " step " << n;
                if (o.history.stack().index() != index) {
                    states.resize(static_cast<std::size_t>(index) + 1);
                    states.push_back(o.session.Snapshot());
                    stored = stored > index ? -1 : stored;
                }
                if (o.history.stack().isClean())
                    stored = o.history.stack().index();
            }
            const int now = o.history.stack().index();
            const SchemeSnapshot& expected = states.at(static_cast<std::size_t>(now));
            ASSERT_EQ(o.session.Snapshot(), expected) << "seed " << seed << " step " << n;
            if (moved) {
                ASSERT_EQ(o.model.Modified, now == stored ? 0 : 1)
                    << "seed " << seed << " step " << n;
                ASSERT_EQ(o.model.SelectedInput, -1);
            }
        }
        // Neighbouring steps share the configuration between them.
        EXPECT_EQ(o.history.SnapshotsKept(),
                  o.history.stack().count() + (o.history.stack().count() > 0 ? 1 : 0))
            << "seed " << seed;
        // The scheme at the end saves and opens again unchanged.
        const SchemeSnapshot last = o.session.Snapshot();
        QString error;
        const auto reopened = DecodeSchemeFile(
            EncodeSchemeFile({last.first, last.second, last.image[kDeviceByteOffset], last.image,
                              last.names.channels, last.names.outputs}),
            error);
        ASSERT_TRUE(reopened) << error.toStdString();
        const SchemeNames names{reopened->channelNames, reopened->outputNames};
        o.session.LoadScheme(reopened->execFirst, reopened->execSecond, reopened->image,
                             reopened->deviceByte, "", &names);
        EXPECT_EQ(o.session.Snapshot(), last) << "seed " << seed;
    }
}

// A rename and another device number change what a save writes: each is a
// step and marks the scheme modified. Names compare as the file stores them,
// so a blank name typed over an empty one is no step.
TEST(SchemeHistory, RenamesAndTheDeviceNumberAreStepsThatMarkTheScheme) {
    struct Case {
        const char* what;
        QString before, typed;
        int deviceIndex;
        bool step;
    };
    const Case cases[] = {
        {"blank over empty", "", "", 0, false},
        {"ten blanks over empty", "", "          ", 0, false},
        {"empty over ten blanks", "          ", "", 0, false},
        {"the same name", "Насос", "Насос", 0, false},
        {"a name", "", "Насос", 0, true},
        {"trailing blanks kept", "Насос", "Насос     ", 0, true},
        {"device number", "", "", 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CommandFixture f;
        f.createShown(12, 4);
        f.view.at(Family::OutputName, 2).caption = c.before;
        f.model.Modified = 0;
        SchemeHistory history{f.session};
        history.Restart();
        f.model.EditedOutput = 2;
        history.Run("Шаг", [&] {
            QString text = c.typed;
            SchemeClicks(f.session).commitOutputName(text);
            f.model.DeviceNumberIndex = c.deviceIndex;
        });
        EXPECT_EQ(history.stack().count(), c.step ? 1 : 0);
        EXPECT_EQ(f.model.Modified, c.step ? 1 : 0);
    }
}

} // namespace
