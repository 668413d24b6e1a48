#include "ui/Windows1251.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

// Bytes 0x80..0xFF as the code page defines them (0x98, which it leaves free, as U+0098).
constexpr std::u16string_view kUpperHalf = u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—\u0098™љ›њќћџ"
                                           u"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»јЅѕї"
                                           u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
                                           u"абвгдежзийклмнопрстуфхцчшщъыьэюя";

TEST(Windows1251, UpperHalfIsTheCodePage) {
    ASSERT_EQ(kUpperHalf.size(), 128u);
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        EXPECT_EQ(Windows1251ToUnicode(static_cast<unsigned char>(byte)), kUpperHalf[byte - 0x80])
            << "byte " << byte;
}

TEST(Windows1251, EveryByteRoundTrips) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const auto back =
            UnicodeToWindows1251(Windows1251ToUnicode(static_cast<unsigned char>(byte)));
        ASSERT_TRUE(back.has_value()) << "byte " << byte;
        EXPECT_EQ(*back, byte);
    }
}

TEST(Windows1251, CharactersItLacksHaveNoByte) {
    for (const char16_t missing :
         {u'\u00C0', u'\u03A9', u'\u0100', u'\u0080', u'\u2117', u'\uFFFD'})
        EXPECT_FALSE(UnicodeToWindows1251(missing).has_value()) << int(missing);
}

} // namespace
