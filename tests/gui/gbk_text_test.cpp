// GBK at the widget edge: exact bytes, and a lossless round trip.

#include <gtest/gtest.h>

#include "app/qt/gbk_text.h"

namespace quenzar {
namespace {

struct Encoding {
  const char* what;
  const char* utf8;
  std::string gbk;
};
void PrintTo(const Encoding& row, std::ostream* out) { *out << row.what; }

class GbkTest : public ::testing::TestWithParam<Encoding> {};

TEST_P(GbkTest, EncodesAndDecodesExactly) {
  const QString text = QString::fromUtf8(GetParam().utf8);
  EXPECT_EQ(toGbk(text), GetParam().gbk);
  EXPECT_EQ(fromGbk(GetParam().gbk), text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GbkTest,
    ::testing::Values(
        Encoding{"ascii", "KHz 0.025\r\n", "KHz 0.025\r\n"},
        Encoding{"chinese", "晶振频率:", "\xBE\xA7\xD5\xF1\xC6\xB5\xC2\xCA:"},
        Encoding{"full_width_and_plus_minus", "±%：", "\xA1\xC0%\xA3\xBA"},
        Encoding{"euro_is_one_byte", "€", "\x80"},
        // Without a GBK form: the four-byte GB18030 one, also next to a euro.
        Encoding{"emoji", "😀", "\x94\x39\xFC\x36"},
        Encoding{"mixed", "€😀吴", "\x80\x94\x39\xFC\x36\xCE\xE2"},
        Encoding{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.what); });

// The converters are kept between calls: nothing may carry over from one
// call into the next, neither half a character nor an error mark.
TEST(GbkText, EachCallStandsAlone) {
  fromGbk("\xCE");  // a lead byte whose trail byte never comes
  EXPECT_EQ(QString("A"), fromGbk("A"));
  toGbk(QString(QChar(0xD83D)));  // a high surrogate whose low half never comes
  EXPECT_EQ("A", toGbk(QString("A")));
  toGbk(QString::fromUtf8("😀"));  // an error in the GBK encoder
  EXPECT_EQ("\x80", toGbk(QString::fromUtf8("€")));
}

}  // namespace
}  // namespace quenzar
