#include "tools/jsonwriter.h"

#include <gtest/gtest.h>

namespace {

struct QuoteCase {
    std::string text;
    std::string expected;
};

class JsonQuoting : public testing::TestWithParam<QuoteCase> {};

TEST_P(JsonQuoting, EscapesWhatJsonRequires) {
    EXPECT_EQ(JsonQuoted(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         JsonQuoting,
                         testing::Values(QuoteCase{"", R"("")"},
                                         QuoteCase{"plain text", R"("plain text")"},
                                         QuoteCase{R"(C:\Menu\menu.ini)", R"("C:\\Menu\\menu.ini")"},
                                         QuoteCase{R"(say "hi")", R"("say \"hi\"")"},
                                         QuoteCase{"a\tb\nc\rd", R"("a\tb\nc\rd")"},
                                         QuoteCase{"\b\f", R"("\b\f")"},
                                         QuoteCase{std::string("\0\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
                                         QuoteCase{"/ and \x7f", "\"/ and \x7f\""},
                                         QuoteCase{"caf\xc3\xa9", "\"caf\xc3\xa9\""}));

TEST(JsonWriter, IndentsNestedObjectsAndArrays) {
    TJsonWriter json;
    json.BeginObject();
    json.String("Name", "menu");
    json.Integer("Count", -2);
    json.Boolean("On", true);
    json.BeginArray("Items");
    json.BeginObject();
    json.Boolean("Off", false);
    json.BeginObject("Inner");
    json.EndObject();
    json.EndObject();
    json.EndArray();
    json.BeginArray("Empty");
    json.EndArray();
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\n"
              "  \"Name\": \"menu\",\n"
              "  \"Count\": -2,\n"
              "  \"On\": true,\n"
              "  \"Items\": [\n"
              "    {\n"
              "      \"Off\": false,\n"
              "      \"Inner\": {}\n"
              "    }\n"
              "  ],\n"
              "  \"Empty\": []\n"
              "}\n");
}

TEST(JsonWriter, EscapesKeysToo) {
    TJsonWriter json;
    json.BeginObject();
    json.Integer("a\"b", 1);
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n  \"a\\\"b\": 1\n}\n");
}

}  // namespace
