#include "platform/ini_text.h"

#include <gtest/gtest.h>

namespace {

using lumo::platform::IniText;

struct ParseCase {
    const char* name;
    QByteArray bytes;
    bool own;
};

class IniTextParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(IniTextParse, TellsTheProgramsKindOfFileFromOthers)
{
    EXPECT_EQ(IniText::parse(GetParam().bytes).has_value(), GetParam().own);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextParse,
    ::testing::Values(ParseCase{"Empty", "", true},
                      ParseCase{"Written", "[Settings]\nDuration=12/8/2026\n", true},
                      ParseCase{"CommentsAndBlanks",
                                "; a\n# b\n\n  [Settings]  \n  Duration = 1 \n", true},
                      ParseCase{"KeyBeforeAnySection", "Duration=1\n[Settings]\n", true},
                      ParseCase{"EscapedKey", "[More]\nsome%20key\\x=1\n", true},
                      ParseCase{"Prose", "Dear diary,\nit rained.\n", false},
                      ParseCase{"ColonInKey", "[Settings]\nTODO: fix=1\n", false},
                      ParseCase{"EmptyKey", "[Settings]\n=1\n", false},
                      ParseCase{"InvalidUtf8", "[Settings]\nDuration=\xff\n", false},
                      ParseCase{"NulByte", QByteArray("[Settings]\n\0", 12), false},
                      ParseCase{"Escape", "[Settings]\nDuration=\x1b[31m\n", false},
                      ParseCase{"LoneCarriageReturn", "[Settings]\rDuration=1\r", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct ValueCase {
    const char* name;
    QByteArray bytes;
    QString expected;
};

class IniTextValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(IniTextValue, ReadsValuesAsQtsIniFormatWritesThem)
{
    const auto text = IniText::parse(GetParam().bytes);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->value(QStringLiteral("Settings"), QStringLiteral("Duration")),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextValue,
    ::testing::Values(
        ValueCase{"Plain", "[Settings]\nDuration=12/8/2026\n", QStringLiteral("12/8/2026")},
        ValueCase{"Blanks", "[Settings]\nDuration =  8.12.2026  \n", QStringLiteral("8.12.2026")},
        ValueCase{"Quoted", "[Settings]\nDuration=\" 8, 12 \"\n", QStringLiteral(" 8, 12 ")},
        ValueCase{"Escapes", "[Settings]\nDuration=\"a\\\"b\\\\c\"\n", QStringLiteral("a\"b\\c")},
        ValueCase{"HexEscape", "[Settings]\nDuration=\\x6f2\\x6f0\n",
                  QStringLiteral("\u06f2\u06f0")},
        ValueCase{"Utf8", "[Settings]\nDuration=\xdb\xb2\xdb\xb0\n",
                  QStringLiteral("\u06f2\u06f0")},
        ValueCase{"CommentAfter", "[Settings]\nDuration=1/2/2020 ; set by hand\n",
                  QStringLiteral("1/2/2020")},
        ValueCase{"OtherSection", "[More]\nDuration=1\n", QString()},
        ValueCase{"CommentedOut", "[Settings]\n;Duration=1\n", QString()},
        ValueCase{"FirstOfTwo", "[Settings]\nDuration=1\nDuration=2\n", QStringLiteral("1")}),
    [](const auto& info) { return std::string(info.param.name); });

// Setting a value changes or adds one line; every other byte stays, line ends included.
struct SetCase {
    const char* name;
    QByteArray before;
    QByteArray after;
};

class IniTextSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(IniTextSet, ChangesOnlyTheValuesLine)
{
    auto text = IniText::parse(GetParam().before);
    ASSERT_TRUE(text.has_value());
    text->setValue(QStringLiteral("Settings"), QStringLiteral("Duration"),
                   QStringLiteral("12/8/2026"));
    EXPECT_EQ(text->toBytes().toStdString(), GetParam().after.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTextSet,
    ::testing::Values(
        SetCase{"MixedLineEndsKept", "; a\r\n[Settings]\nDuration=1\r\nX = 2\n",
                "; a\r\n[Settings]\nDuration=12/8/2026\r\nX = 2\n"},
        SetCase{"LastLineWithoutEnd", "[More]\nX=1",
                "[More]\nX=1\n\n[Settings]\nDuration=12/8/2026\n"},
        SetCase{"AddedInTheFirstOfTwoSections", "[Settings]\nA=1\n[More]\nX=1\n[Settings]\nB=2\n",
                "[Settings]\nA=1\nDuration=12/8/2026\n[More]\nX=1\n[Settings]\nB=2\n"},
        SetCase{"CommentedOutLineKept", "[Settings]\n;Duration=1/1/2020\n",
                "[Settings]\nDuration=12/8/2026\n;Duration=1/1/2020\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Values that need quoting read back as they were written, and the line says so.
TEST(IniText, AValueWithSeparatorsIsQuotedAndReadsBack)
{
    for (const QString& value : {QStringLiteral("8, 12; 2026"), QStringLiteral(" lead"),
                                 QStringLiteral("a=b\"c\\"), QStringLiteral("tab\there")}) {
        IniText text;
        text.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), value);
        const auto reread = IniText::parse(text.toBytes());
        ASSERT_TRUE(reread.has_value()) << value.toStdString();
        EXPECT_EQ(reread->value(QStringLiteral("Settings"), QStringLiteral("Duration")), value)
            << text.toBytes().toStdString();
        EXPECT_TRUE(text.toBytes().startsWith("[Settings]\nDuration=\""))
            << text.toBytes().toStdString();
    }
}

} // namespace
