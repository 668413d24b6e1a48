#include "tests/device/DeviceFixture.h"

void ExpectSameModel(const ConfigurationModel& a, const ConfigurationModel& b) {
    EXPECT_EQ(a.ExecFirst, b.ExecFirst);
    EXPECT_EQ(a.ExecSecond, b.ExecSecond);
    EXPECT_EQ(a.ChannelCount, b.ChannelCount);
    EXPECT_EQ(a.InputCount, b.InputCount);
    EXPECT_EQ(a.OutputCode, b.OutputCode);
    EXPECT_EQ(a.Channels, b.Channels);
    EXPECT_EQ(a.FunctionBlocks, b.FunctionBlocks);
    EXPECT_EQ(a.InclusionBits, b.InclusionBits);
    EXPECT_EQ(a.Included, b.Included);
    EXPECT_EQ(a.ImageBuffer, b.ImageBuffer);
    EXPECT_EQ(a.UsedFbCount, b.UsedFbCount);
    EXPECT_EQ(a.SchemeCreated, b.SchemeCreated);
    EXPECT_EQ(a.Repaired, b.Repaired);
}

namespace {

bool SameElement(const Element& x, const Element& y) {
    return x.group == y.group && x.rect == y.rect && x.visible == y.visible &&
           x.caption == y.caption && x.text == y.text && x.back == y.back && x.bold == y.bold &&
           x.enabled == y.enabled && x.pressed == y.pressed && x.hint == y.hint && x.tag == y.tag &&
           x.picture == y.picture && x.parent == y.parent;
}

} // namespace

// What is hidden may keep the captions of an earlier scheme: only what shows counts.
void ExpectSameView(const SchemeView& a, const SchemeView& b) {
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        ASSERT_EQ(a.count(family), b.count(family));
        for (int i = 0; i < a.count(family); ++i)
            EXPECT_TRUE(a.shown(family, i) == b.shown(family, i) &&
                        (!a.shown(family, i) || SameElement(a.at(family, i), b.at(family, i))))
                << "family " << f << " element " << i << ": "
                << a.at(family, i).caption.toStdString() << " / "
                << b.at(family, i).caption.toStdString();
    }
    for (int g = 0; g < kGroupCount; ++g) {
        EXPECT_EQ(a.group(g).visible, b.group(g).visible) << "group " << g;
        if (!a.group(g).visible)
            continue;
        EXPECT_EQ(a.group(g).top, b.group(g).top) << "group " << g;
        EXPECT_EQ(a.group(g).height, b.group(g).height) << "group " << g;
    }
    const HeaderState& x = a.header;
    const HeaderState& y = b.header;
    EXPECT_EQ(x.deviceNumberVisible, y.deviceNumberVisible);
    EXPECT_EQ(x.extAckVisible, y.extAckVisible);
    EXPECT_EQ(x.extAckEnabled, y.extAckEnabled);
    EXPECT_EQ(x.extAckDown, y.extAckDown);
    EXPECT_EQ(x.setConfigVisible, y.setConfigVisible);
}
