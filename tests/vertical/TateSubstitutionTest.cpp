#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateSubstitution.h"

namespace {

struct SubRow {
    const char* in;
    const char* plain;  // without box forms
    const char* box;    // with box forms
    bool rightPlain, leftPlain, rightBox, leftBox;
};

// Every character of every row of the substitution table, with and without the box forms.
const SubRow kRows[] = {
    {"ー", "｜", "｜", false, false, false, false},
    {"～", "｜", "｜", false, false, false, false},
    {"－", "｜", "｜", false, false, false, false},
    {"―", "｜", "｜", false, false, false, false},
    {"‐", "｜", "｜", false, false, false, false},
    {"「", "￢", "┐", false, false, true, false},
    {"『", "￢", "┐", false, false, true, false},
    {"」", "Ｌ", "└", false, false, false, true},  // the closing quote of the test: Ｌ
    {"』", "Ｌ", "└", false, false, false, true},
    {"（", "∧", "┌┐", false, false, true, true},
    {"［", "∧", "┌┐", false, false, true, true},
    {"【", "∧", "┌┐", false, false, true, true},
    {"｛", "∧", "┌┐", false, false, true, true},
    {"）", "∨", "└┘", false, false, true, true},
    {"］", "∨", "└┘", false, false, true, true},
    {"】", "∨", "└┘", false, false, true, true},
    {"｝", "∨", "└┘", false, false, true, true},
    {"《", "∧", "∧", false, false, false, false},
    {"〈", "∧", "∧", false, false, false, false},
    {"〔", "∧", "∧", false, false, false, false},
    {"≪", "∧", "∧", false, false, false, false},
    {"＜", "∧", "∧", false, false, false, false},
    {"＞", "∨", "∨", false, false, false, false},
    {"≫", "∨", "∨", false, false, false, false},
    {"〕", "∨", "∨", false, false, false, false},
    {"〉", "∨", "∨", false, false, false, false},
    {"》", "∨", "∨", false, false, false, false},
    {"。", "゜", "゜", true, false, true, false},
    {"、", "｀", "｀", true, false, true, false},
    {"…", "：", "：", false, false, false, false},
    {"↑", "→", "→", false, false, false, false},
    {"→", "↓", "↓", false, false, false, false},
    {"↓", "←", "←", false, false, false, false},
    {"←", "↑", "↑", false, false, false, false},
    {"あ", "あ", "あ", false, false, false, false},
    {"　", "　", "　", false, false, false, false},
    {"‥", "‥", "‥", false, false, false, false},
    {"｜", "｜", "｜", false, false, false, false},
};

class SubstitutionTable : public ::testing::TestWithParam<SubRow> {};

TEST_P(SubstitutionTable, WithoutAndWithBoxForms) {
    const SubRow& row = GetParam();
    const std::string in = J(row.in), quote = J("Ｌ");
    TateSubstitution::Result plain = TateSubstitution::Substitute(in, false, quote);
    EXPECT_SJIS(std::string(plain.text), row.plain);
    EXPECT_EQ(plain.rightShift, row.rightPlain) << row.in;
    EXPECT_EQ(plain.leftShift, row.leftPlain) << row.in;
    TateSubstitution::Result box = TateSubstitution::Substitute(in, true, quote);
    EXPECT_SJIS(std::string(box.text), row.box);
    EXPECT_EQ(box.rightShift, row.rightBox) << row.in;
    EXPECT_EQ(box.leftShift, row.leftBox) << row.in;
}

INSTANTIATE_TEST_SUITE_P(AllRows, SubstitutionTable, ::testing::ValuesIn(kRows));

TEST(Substitution, BoxFormsAreTheCodePage932Characters) {
    // ┐ 0x84A2, └ 0x84A4, ┌┐ 0x84A1 0x84A2, └┘ 0x84A4 0x84A3, ∟ 0x8798.
    const std::string quote = "\x87\x98";
    EXPECT_EQ(TateSubstitution::Substitute(J("「"), true, quote).text, "\x84\xA2");
    EXPECT_EQ(TateSubstitution::Substitute(J("」"), true, quote).text, "\x84\xA4");
    EXPECT_EQ(TateSubstitution::Substitute(J("（"), true, quote).text, "\x84\xA1\x84\xA2");
    EXPECT_EQ(TateSubstitution::Substitute(J("）"), true, quote).text, "\x84\xA4\x84\xA3");
    EXPECT_EQ(TateSubstitution::Substitute(J("』"), false, quote).text, "\x87\x98");
}

TEST(Substitution, OnlyWholeCharactersMatch) {
    // The trail byte 0x5B of ー must not make "[" look like a long vowel mark, nor half-width
    // text turn.
    EXPECT_EQ(TateSubstitution::Substitute("[", false, "").text, "[");
    EXPECT_EQ(TateSubstitution::Substitute("", true, "").text, "");
    EXPECT_EQ(TateSubstitution::Substitute(J("ーー"), true, "").text, J("ーー"));
}

}  // namespace
