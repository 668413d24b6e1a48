// "Новая схема…" against what a read of an empty device of the same code and
// number leaves.

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

// Each code, named as on its plate, at another device number: the scheme a
// read of that empty device shows, with blank names, the device as the address
// of exchanges, changed.
TEST(NewScheme, IsWhatAReadOfAnEmptyDeviceShows) {
    const std::string plates = "0604 0606 1200 1204 1206 1208 1222 2400 2404 2408 2412 2416 "
                               "2443 2462";
    const auto& codes = NamedExecCodes();
    ASSERT_EQ(codes.size(), 14u);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(codes[i].name, "ВИЛ-3-" + plates.substr(5 * i, 4) + " К");
        const int deviceIndex = static_cast<int>(i * 2);
        NewSchemeFixture made;
        made.dialog.choice = NewSchemeData{static_cast<int>(i), deviceIndex};
        ASSERT_TRUE(made.command.newScheme(made.dialog));

        DeviceFixture read;
        Image empty{};
        empty[kDeviceByteOffset] = static_cast<std::uint8_t>(deviceIndex);
        read.Attach(codes[i].first, codes[i].second, empty, deviceIndex + 1);
        read.model.LinkAddressIndex = deviceIndex;
        ASSERT_TRUE(read.device.readDevice()) << codes[i].name;
        ExpectSameModel(made.model, read.model);
        ExpectSameView(made.view, read.view);
        EXPECT_EQ(made.window.caption,
                  "Программатор ВИЛ-3K устройство " + std::to_string(deviceIndex + 1));
        EXPECT_EQ(made.window.log.end()[-3], "time-date on");
        EXPECT_EQ(made.model.Modified, 1) << "nothing of it is saved yet";
    }
}

TEST(NewScheme, ReadOnlyIsRefusedAndChangesAreOfferedForSavingFirst) {
    NewSchemeFixture f;
    f.model.AccessLevel = 0;
    f.model.SchemeCreated = 1;
    f.model.Modified = 1;
    EXPECT_FALSE(f.command.newScheme(f.dialog));
    f.model.AccessLevel = 1;
    // Yes to saving, but nothing is saved: the scheme stays, no dialog.
    f.messages.answers = {Answer::Yes};
    EXPECT_FALSE(f.command.newScheme(f.dialog));
    std::vector<std::string> texts;
    for (const MessageBox& box : f.messages.shown)
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Ваш уровень доступа не позволяет создавать схему",
                                               "Данные были изменены. Сохранить в файле?"}));
    EXPECT_EQ(f.saves, 1);
    EXPECT_TRUE(f.dialog.offered.empty());
}

} // namespace
