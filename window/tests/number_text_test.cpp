// Number text and the 8-bit code page, under a locale whose decimal
// separator is a comma and which groups thousands.
#include "number_text.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cstdint>
#include <limits>

#include "code_page.h"

namespace {

class CommaLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // The C library's numeric locale too, where the system has it.
        for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_NUMERIC, name)) break;
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
    }
};

}  // namespace

TEST_F(CommaLocale, Integers) {
    const std::pair<std::int32_t, const char *> table[] = {
        {0, " 0"},
        {45, " 45"},
        {-1, "-1"},
        {1234567, " 1234567"},
        {std::numeric_limits<std::int32_t>::max(), " 2147483647"},
        {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
    };
    for (const auto &[value, text] : table) EXPECT_EQ(talvex::numberText(value), text) << value;
}

TEST_F(CommaLocale, Fractions) {
    const std::pair<double, const char *> table[] = {
        {0.025, " 0.025"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {2.0 / 3.0, " 0.666667"},
        {0.000015, " 0.000015"},
        {0.0000123456789, " 0.0000123457"},
        {1234.5678, " 1234.57"},
        {123456789.0, " 123456789"},
        {3.0, " 3"},
        {-0.5, "-0.5"},
        {1e-12, " 1e-12"},
        {2.5e20, " 2.5e+20"},
    };
    for (const auto &[value, text] : table) EXPECT_EQ(talvex::numberText(value), text) << value;
}

TEST(CodePage, WesternBytes) {
    const std::pair<unsigned char, char16_t> table[] = {
        {0x41, u'A'},   {0x7F, 0x7F},   {0x80, 0x20AC}, {0x81, 0x81}, {0x8A, 0x0160},
        {0x96, 0x2013}, {0x9F, 0x0178}, {0xA0, 0xA0},   {0xE9, 0xE9}, {0xFF, 0xFF},
    };
    for (const auto &[byte, character] : table)
        EXPECT_EQ(talvex::westernCharacter(byte), QChar(character)) << int(byte);
}
