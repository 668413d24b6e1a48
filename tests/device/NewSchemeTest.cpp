// "Новая схема…": the codes it offers, and a new scheme against what a read of
// an empty device of the same code and number leaves.

#include "device/NewScheme.h"
#include "device/ExitQuestions.h"
#include "tests/device/DeviceFixture.h"

namespace {

class FakeNewSchemeDialog : public NewSchemeDialog {
public:
    bool exec(NewSchemeData& data) override {
        offered.push_back(data);
        if (choice)
            data = *choice;
        return choice.has_value();
    }
    std::optional<NewSchemeData> choice;
    std::vector<NewSchemeData> offered;
};

struct NewSchemeFixture : SessionFixture<> {
    NewSchemeFixture() {
        model.AccessLevel = 1;
        exit.save = [this] { ++saves; };
    }
    ExitQuestions exit{model, messages};
    NewSchemeCommand command{session, exit};
    FakeNewSchemeDialog dialog;
    int saves = 0;
};

TEST(NewScheme, OffersEveryCodeByItsPlateName) {
    std::vector<std::string> names;
    for (const NamedExecCode& code : NamedExecCodes())
        names.push_back(code.name);
    EXPECT_EQ(names, (std::vector<std::string>{"ВИЛ-3-0604 К", "ВИЛ-3-0606 К", "ВИЛ-3-1200 К",
                                               "ВИЛ-3-1204 К", "ВИЛ-3-1206 К", "ВИЛ-3-1208 К",
                                               "ВИЛ-3-1222 К", "ВИЛ-3-2400 К", "ВИЛ-3-2404 К",
                                               "ВИЛ-3-2408 К", "ВИЛ-3-2412 К", "ВИЛ-3-2416 К",
                                               "ВИЛ-3-2443 К", "ВИЛ-3-2462 К"}));
}

// Each code at another device number: the scheme a read of that empty device
// shows, with blank names, the device as the address of exchanges, changed.
TEST(NewScheme, IsWhatAReadOfAnEmptyDeviceShows) {
    const auto& codes = NamedExecCodes();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int deviceIndex = static_cast<int>(i * 2);
        NewSchemeFixture made;
        made.dialog.choice = NewSchemeData{static_cast<int>(i), deviceIndex};
        ASSERT_TRUE(made.command.NewSchemeClick(made.dialog));

        DeviceFixture read;
        Image empty{};
        empty[kDeviceByteOffset] = static_cast<std::uint8_t>(deviceIndex);
        read.Attach(codes[i].first, codes[i].second, empty, deviceIndex + 1);
        read.model.LinkAddressIndex = deviceIndex;
        ASSERT_TRUE(read.device.InPortClick()) << codes[i].name;
        ExpectSameModel(made.model, read.model);
        ExpectSameView(made.view, read.view);
        EXPECT_EQ(made.window.caption,
                  "Программатор ВИЛ-3K устройство " + std::to_string(deviceIndex + 1));
        EXPECT_EQ(made.model.LinkAddressIndex, deviceIndex);
        EXPECT_EQ(made.window.log.end()[-3], "time-date on");
        EXPECT_EQ(made.model.Modified, 1) << "nothing of it is saved yet";
        EXPECT_TRUE(made.messages.shown.empty());
    }
}

TEST(NewScheme, ReadOnlyIsRefusedAndChangesAreOfferedForSavingFirst) {
    NewSchemeFixture f;
    f.model.AccessLevel = 0;
    f.model.Modified = 1;
    EXPECT_FALSE(f.command.NewSchemeClick(f.dialog));
    f.model.AccessLevel = 1;
    // Yes to saving, but nothing is saved: the scheme stays, no dialog.
    f.messages.answers = {Answer::Yes};
    EXPECT_FALSE(f.command.NewSchemeClick(f.dialog));
    std::vector<std::string> texts;
    for (const MessageBox& box : f.messages.shown)
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Ваш уровень доступа не позволяет создавать схему",
                                               "Данные были изменены. Сохранить в файле?"}));
    EXPECT_EQ(f.saves, 1);
    EXPECT_TRUE(f.dialog.offered.empty());
    // No goes on to the dialog, which offers the code chosen last and the address.
    f.messages.answers = {Answer::No};
    f.model.LinkAddressIndex = 6;
    f.dialog.choice = NewSchemeData{3, 6};
    ASSERT_TRUE(f.command.NewSchemeClick(f.dialog));
    f.dialog.choice.reset();
    f.model.Modified = 0;
    EXPECT_FALSE(f.command.NewSchemeClick(f.dialog));
    EXPECT_EQ(f.dialog.offered.back(), (NewSchemeData{3, 6}));
    EXPECT_EQ(f.model.ExecSecond, 4) << "cancelled: the scheme stays";
}

} // namespace
