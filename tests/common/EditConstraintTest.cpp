// Edit constraints with real key events in real edit boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "common/ErrorCatalogue.h"
#include "common/controls/EditConstraint.h"
#include "tests/support/RecordingDialogs.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::RecordingDialogs;

namespace {

class EditConstraintTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetCatalogues();
        form.SetClientWidth(300);
        form.SetClientHeight(100);
        edit.SetBounds(10, 10, 100, 20);
        other.SetBounds(10, 40, 100, 20);
        form.Show();
        form.Widget()->activateWindow();
        QApplication::processEvents();
    }
    void Type(const char* keys)
    {
        edit.SetFocus();
        QApplication::processEvents();
        QTest::keyClicks(edit.LineEdit(), keys);
    }
    void Leave()
    {
        other.SetFocus();
        QApplication::processEvents();
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }

    RecordingDialogs dialogs;
    vcl::TForm form;
    vcl::TEdit edit{&form};
    vcl::TEdit other{&form};
    ZtEditConstraint constraint{&form, true};
};

TEST_F(EditConstraintTest, TypingKeepsOnlyWhatTheTypeTakes)
{
    struct Case {
        const char* format;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"%u", "12a", "12"},   {"%u", "-5", "5"},       {"%i", "-5", "-5"},      {"%i", "5-", "5"},
        {"%h", "0aFg1", "0aF1"}, {"%f", "-1.5.2", "-1.52"}, {"%s", "any text!", "any text!"},
        {"%n,", ",1,,2", "1,2"}, {"%n.", "10.0.0.1", "10.0.0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + c.typed);
        vcl::TEdit box(&form);
        ZtEditConstraint registry(&form, true);
        registry.Attach(c.format, box);
        box.SetFocus();
        QApplication::processEvents();
        QTest::keyClicks(box.LineEdit(), c.typed);
        EXPECT_EQ(box.Text(), c.kept);
    }
}

TEST_F(EditConstraintTest, RangeFailureExplainsAndRevertsToTheLastGoodText)
{
    constraint.Attach("%u", edit);
    Type("42");
    Leave();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(constraint.LastGoodText(edit), "42");
    edit.LineEdit()->clear();
    Type("4294967296");
    Leave();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "(ZtCommon) Please enter a number between 0 and 4294967295!");
    EXPECT_EQ(dialogs.messages[0].title, "unit_tests");
    EXPECT_EQ(edit.Text(), "42");
}

TEST_F(EditConstraintTest, FirstInvalidValueOfAFreshEditRevertsToEmpty)
{
    constraint.Attach("%i{n1x10}", edit);
    Type("11");
    Leave();
    EXPECT_EQ(Messages(), std::vector<std::string>{"(ZtCommon) Please enter a number between 1 and 10!"});
    EXPECT_EQ(edit.Text(), "");
}

TEST_F(EditConstraintTest, LengthChecks)
{
    struct Case {
        const char* format;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"%s{l8f}", "1234567", "(ZtCommon) Please enter a string whose length is 8!"},
        {"%h{l4f}", "abc", "(ZtCommon) Please enter a hex string whose length is 4!"},
        // the length also limits what fits into the edit: three characters here
        {"%n,{l3fx9}", "1,2", "(ZtCommon) Please enter a delimited number string with delimiter ','.\n"
                              "Here,the count of the number is equal to 3!"},
        {"%n,{x100}", "1,200", "(ZtCommon) Please enter a delimited number string with delimiter ','.\n"
                               "Here,each number is between 0 and 100!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        dialogs.messages.clear();
        vcl::TEdit box(&form);
        ZtEditConstraint registry(&form, true);
        registry.Attach(c.format, box);
        box.SetFocus();
        QApplication::processEvents();
        QTest::keyClicks(box.LineEdit(), c.typed);
        Leave();
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(box.Text(), "");
    }
}

TEST_F(EditConstraintTest, EmptyEditsPassUnlessTheyMustNotBeEmpty)
{
    int pageExits = 0;
    edit.OnExit = [&] { ++pageExits; };
    constraint.Attach("%u", edit);
    Type("");
    Leave();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(pageExits, 0) << "an empty edit ends the check before the page's handler";

    vcl::TEdit required(&form);
    constraint.Attach("%s{l5n}", required);
    required.SetFocus();
    QApplication::processEvents();
    Leave();
    EXPECT_EQ(Messages(), std::vector<std::string>{"(ZtCommon) Empty value is not allowed!"});
}

TEST_F(EditConstraintTest, PageHandlerCanRejectWithTagMinusOne)
{
    edit.OnExit = [&] {
        if (edit.Text() == "13")
            edit.Tag = -1;
    };
    constraint.Attach("%u", edit);
    Type("7");
    Leave();
    edit.LineEdit()->clear();
    Type("13");
    Leave();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(edit.Text(), "7");
}

TEST_F(EditConstraintTest, TextsFromTheProgramDoNotChangeTheLastGoodText)
{
    constraint.Attach("%u", edit);
    edit.SetText("(NULL)");
    EXPECT_EQ(edit.Text(), "(NULL)") << "placeholder values are left alone";
    edit.SetText("99");
    EXPECT_EQ(constraint.LastGoodText(edit), "") << "only a value the user leaves counts";
}

TEST_F(EditConstraintTest, ExitCharacterAndFullLengthMoveTheFocusOn)
{
    constraint.Attach("%u{e.}", edit);
    Type("12.");
    EXPECT_EQ(edit.Text(), "12");
    QApplication::processEvents();
    EXPECT_TRUE(other.Focused());

    vcl::TEdit octet(&form);
    octet.SetBounds(10, 70, 100, 20);
    constraint.Attach("%u{l3a}", octet);
    octet.SetFocus();
    QApplication::processEvents();
    QTest::keyClicks(octet.LineEdit(), "192");
    QApplication::processEvents();
    EXPECT_FALSE(octet.Focused());
}

TEST(ConstraintFormat, ParsesOrRaisesMinusTwo)
{
    const ConstraintFormat f = ParseConstraintFormat("%n.{n0l4fax255exw80}");
    EXPECT_EQ(f.type, 'n');
    EXPECT_EQ(f.delimiter, '.');
    EXPECT_EQ(f.length, 4);
    EXPECT_EQ(f.lengthOptions, 3);
    EXPECT_EQ(f.minimum, 0);
    EXPECT_EQ(f.maximum, 255);
    EXPECT_EQ(f.exitCharacter, 'x');
    EXPECT_EQ(f.width, 80);
    EXPECT_EQ(ParseConstraintFormat("%u").maximum, 4294967295.0);
    for (const char* bad : {"", "%", "u", "%z", "%n", "%u{", "%u{l}", "%u{q1}", "%u x", "%u{l5"}) {
        try {
            ParseConstraintFormat(bad);
            ADD_FAILURE() << bad;
        } catch (const vcl::Exception& e) {
            EXPECT_EQ(e.HelpContext(), -2) << bad;
            EXPECT_EQ(e.Message(), "(ZtCommon) Bad format specifier of edit's constraint!");
        }
    }
}

TEST(ConstraintFormat, BoundsAreWrittenAsTheToolkitWritesNumbers)
{
    EXPECT_EQ(FloatToStr(4294967295.0), "4294967295");
    EXPECT_EQ(FloatToStr(-2147483648.0), "-2147483648");
    EXPECT_EQ(FloatToStr(2.2250738585072014e-308), "2.2250738585072E-308");
    EXPECT_EQ(FloatToStr(1.7976931348623157e308), "1.79769313486232E308");
    EXPECT_EQ(FloatToStr(0.5), "0.5");
}

} // namespace
