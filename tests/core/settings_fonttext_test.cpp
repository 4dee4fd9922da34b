#include "settings/fonttext.h"

#include <gtest/gtest.h>

#include <string>

#include "base/exceptions.h"

namespace {

TEST(FontStylesText, LettersInTheOrderBIUS) {
    EXPECT_EQ(FontStylesToString(0), "");
    EXPECT_EQ(FontStylesToString(fsBold), "B");
    EXPECT_EQ(FontStylesToString(fsStrikeOut | fsBold), "BS");
    EXPECT_EQ(FontStylesToString(fsBold | fsItalic | fsUnderline | fsStrikeOut), "BIUS");
    EXPECT_EQ(FontStylesToString(fsUnderline | fsItalic), "IU");
}

struct StyleCase {
    const char* text;
    TFontStyles styles;
};

class StylesOf : public testing::TestWithParam<StyleCase> {};

TEST_P(StylesOf, FindTheLettersAnywhere) {
    EXPECT_EQ(StringToFontStyles(GetParam().text), GetParam().styles) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Spellings,
                         StylesOf,
                         testing::Values(StyleCase{"", 0},
                                         StyleCase{"B", fsBold},
                                         StyleCase{"b", fsBold},
                                         StyleCase{"Bold", fsBold},
                                         StyleCase{"bi", fsBold | fsItalic},
                                         StyleCase{"Strikeout", fsStrikeOut | fsItalic | fsUnderline},
                                         StyleCase{"SUIB", fsBold | fsItalic | fsUnderline | fsStrikeOut},
                                         StyleCase{"bbbb", fsBold},
                                         StyleCase{"xyz", 0},
                                         StyleCase{"[fsBold]", fsBold | fsStrikeOut},
                                         StyleCase{"\xe2", 0}));

TEST(FontToString, DefaultFont) {
    TFont font;
    EXPECT_EQ(FontToString(font), "MS Sans Serif,8,,0,clWindowText,1");
}

TEST(FontToString, EveryField) {
    TFont font;
    font.SetName("Arial");
    font.SetSize(12);
    font.SetStyle(fsBold | fsUnderline);
    font.SetPitch(fpFixed);
    font.SetColor(0x00C08040);
    font.SetCharset(204);
    EXPECT_EQ(FontToString(font), "Arial,12,BU,2,$00C08040,204");
}

// The state of a font after a text: the six text fields plus the change count.
struct FontCase {
    const char* text;
    const char* expected;  // FontToString afterwards, starting from the prepared font
};

class StringToFontOf : public testing::TestWithParam<FontCase> {};

TEST_P(StringToFontOf, AppliesTheFieldsInOrder) {
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(10);
    font.SetStyle(fsItalic);
    font.SetPitch(fpVariable);
    font.SetColor(clNavy);
    font.SetCharset(238);
    int changes = 0;
    font.OnChange = [&](TFont&) { ++changes; };
    try {
        StringToFont(GetParam().text, font);
    } catch (const EConvertError&) {
    }
    EXPECT_EQ(FontToString(font), GetParam().expected) << GetParam().text;
    EXPECT_EQ(changes, 1) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         StringToFontOf,
                         testing::Values(FontCase{"Arial,12,B,0,clRed,204", "Arial,12,B,0,clRed,204"},
                                         FontCase{"Arial;12;bi", "Arial,12,BI,1,clNavy,238"},
                                         FontCase{"Arial,12,Bold", "Arial,12,B,1,clNavy,238"},
                                         FontCase{"Arial,12,Strikeout", "Arial,12,IUS,1,clNavy,238"},
                                         FontCase{"Arial,12,,0,,204", "Arial,12,,0,clNavy,238"},
                                         FontCase{",14", "Tahoma,14,I,1,clNavy,238"},
                                         FontCase{"Arial,big", "Arial,10,I,1,clNavy,238"},
                                         FontCase{"Arial,12,B,0,clRed,RUSSIAN_CHARSET", "Arial,12,B,0,clRed,238"},
                                         FontCase{"Arial,12,", "Arial,12,I,1,clNavy,238"},
                                         FontCase{"", "Tahoma,10,I,1,clNavy,238"},
                                         FontCase{"  Arial Black  ,  12  ", "Arial Black,12,I,1,clNavy,238"},
                                         FontCase{"Arial,12,B,0,$00C08040,204,extra,fields",
                                                  "Arial,12,B,0,$00C08040,204"},
                                         FontCase{"Arial,12,B,258,clRed,460", "Arial,12,B,2,clRed,204"},
                                         FontCase{"Arial,$C,B,0x2,clRed,$CC", "Arial,12,B,2,clRed,204"},
                                         FontCase{"Arial,12,B,0,red,204", "Arial,12,B,0,clNavy,238"},
                                         FontCase{",,,,,", "Tahoma,10,,1,clNavy,238"},
                                         FontCase{"\tCourier New\t,9", "Courier New,9,I,1,clNavy,238"}));

TEST(StringToFont, ABadColourRaisesAfterTheOneChange) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TFont&) { ++changes; };
    EXPECT_THROW(StringToFont("Arial,12,B,0,#FF0000,204", font), EConvertError);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Charset(), 1);
    EXPECT_TRUE(font.OnChange);  // reattached
}

TEST(StringToFont, NameIsCutTo31Characters) {
    TFont font;
    StringToFont(std::string(40, 'N') + ",9", font);
    EXPECT_EQ(font.Name(), std::string(31, 'N'));
    EXPECT_EQ(font.Size(), 9);
}

TEST(StringToFont, DefaultTextLeavesTheDefaultFontUnchanged) {
    TFont font, reference;
    StringToFont(FontToString(reference), font);
    EXPECT_EQ(&font.Data(), &reference.Data());
    EXPECT_EQ(font.Color(), reference.Color());
}

}  // namespace
