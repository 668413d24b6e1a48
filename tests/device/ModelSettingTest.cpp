// The device model list: the code each row sends, and what the list leaves behind.

#include "device/ModelSetting.h"
#include "tests/device/DeviceFixture.h"

namespace {

struct ModelRowCase {
    int row;
    std::uint8_t first, second;
};
void PrintTo(const ModelRowCase& c, std::ostream* os) {
    *os << "row " << c.row;
}

class ModelSettingTest : public DeviceFixture {
protected:
    ModelSettingTest() {
        Attach(0, 0, Image{});
        view.header.modelListVisible = true;
        view.header.setConfigVisible = true;
        messages.answers = {Answer::Yes};
    }
    ModelSetting setting{session, link};
};

class ModelRows : public ::testing::TestWithParam<ModelRowCase>, public ModelSettingTest {};

TEST_P(ModelRows, SendTheirCodeToTheLinkAddressAndHideTheList) {
    const ModelRowCase c = GetParam();
    model.LinkAddressIndex = 4;
    sim->address = 5;
    setting.chooseModel(c.row);
    ASSERT_EQ(line.writes.size(), 1u);
    const Bytes& frame = line.writes[0];
    ASSERT_EQ(frame.size(), 7u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 5), (Bytes{5, 0x12, c.first, c.second, 0}));
    EXPECT_TRUE(ResponseCrcOk(frame.data(), 7));
    ASSERT_EQ(messages.shown.size(), 1u) << "the question, and nothing after it";
    EXPECT_FALSE(view.header.modelListVisible);
    EXPECT_FALSE(view.header.setConfigVisible);
    EXPECT_EQ(window.log.back(), "sync");
    EXPECT_EQ(sim->execFirst, c.first);
    EXPECT_EQ(sim->execSecond, c.second);
    // The program learns the code only at the next read.
    EXPECT_EQ(model.ExecFirst, 0);
    EXPECT_EQ(model.ChannelCount, 0);
    EXPECT_EQ(model.SchemeCreated, 0);
}

INSTANTIATE_TEST_SUITE_P(ElevenRows, ModelRows,
                         ::testing::Values(ModelRowCase{0, 6, 4}, ModelRowCase{1, 6, 6},
                                           ModelRowCase{2, 12, 0}, ModelRowCase{3, 12, 4},
                                           ModelRowCase{4, 12, 6}, ModelRowCase{5, 12, 8},
                                           ModelRowCase{6, 24, 0}, ModelRowCase{7, 24, 4},
                                           ModelRowCase{8, 24, 8}, ModelRowCase{9, 24, 12},
                                           ModelRowCase{10, 24, 16}),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

class ModelSettingCases : public ::testing::Test, public ModelSettingTest {};

TEST_F(ModelSettingCases, RefusalIsReportedAndTheListHiddenAllTheSame) {
    sim.emplace(SimFaults{.exceptionFunction = 0x12, .exceptionCode = 1});
    setting.chooseModel(0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "устройство 1 COM1 ошибка обмена 01");
    EXPECT_EQ(messages.shown[1].caption, "Предупреждение");
    EXPECT_FALSE(view.header.modelListVisible);
    EXPECT_FALSE(view.header.setConfigVisible);
}

TEST_F(ModelSettingCases, TheQuestionNamesDeviceAndPortAndNoLeavesTheDeviceAlone) {
    model.LinkAddressIndex = 4;
    link.PortName = "COM3";
    messages.answers.clear(); // the default answer
    setting.chooseModel(4);
    ASSERT_EQ(messages.shown.size(), 1u);
    const MessageBox& question = messages.shown[0];
    EXPECT_EQ(question.text, "Задать устройству 5 на порту COM3 исполнение ВИЛ-3-1206 К?");
    EXPECT_EQ(question.caption, "Подтвердите смену исполнения прибора");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_TRUE(line.writes.empty());
    EXPECT_TRUE(view.header.modelListVisible);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(ModelSettingCases, NoRowChosenDoesNothing) {
    setting.chooseModel(-1);
    EXPECT_TRUE(line.writes.empty());
    EXPECT_TRUE(view.header.modelListVisible);
    EXPECT_TRUE(view.header.setConfigVisible);
    EXPECT_TRUE(window.log.empty());
}

} // namespace
