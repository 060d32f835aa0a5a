// The toolkit's event rules that pages rely on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QLineEdit>
#include <QTreeWidget>

#include "vcl/Button.h"
#include "vcl/CheckBox.h"
#include "vcl/ComboBox.h"
#include "vcl/Containers.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/ListView.h"
#include "vcl/RadioGroup.h"
#include "vcl/Shape.h"
#include "vcl/StatusBar.h"

using namespace vcl;

namespace {

TEST(ControlEvents, WhatCodeChangesFireAndWhatTheyDoNot)
{
    TForm form;
    int edits = 0, checks = 0, radios = 0, groups = 0, combos = 0, tabs = 0;
    std::vector<std::pair<int, bool>> selections;

    TEdit edit(&form);
    edit.OnChange = [&] { ++edits; };
    edit.SetText("abc");
    edit.SetText("abc");
    EXPECT_EQ(edits, 1) << "setting an edit's text fires OnChange (once per change)";

    TCheckBox check(&form);
    check.OnClick = [&] { ++checks; };
    check.SetChecked(true);
    EXPECT_EQ(checks, 1) << "setting Checked fires OnClick";

    TRadioButton radio(&form);
    radio.OnClick = [&] { ++radios; };
    radio.SetChecked(true);
    EXPECT_EQ(radios, 1);

    TRadioGroup group(&form);
    group.SetItems({"a", "b"});
    group.OnClick = [&] { ++groups; };
    group.SetItemIndex(1);
    EXPECT_EQ(groups, 1) << "setting a radio group's index fires OnClick";
    EXPECT_EQ(group.ItemIndex(), 1);

    TComboBox combo(&form);
    combo.SetItems({"x", "y"});
    combo.OnChange = [&] { ++combos; };
    combo.SetItemIndex(1);
    EXPECT_EQ(combos, 0) << "setting a combo box's index from code fires nothing";
    combo.Pick(0);
    EXPECT_EQ(combos, 1) << "the user picking an item does";

    TPageControl pages(&form);
    TTabSheet first(pages, "One");
    TTabSheet second(pages, "Two");
    pages.OnChange = [&] { ++tabs; };
    pages.SetActivePageIndex(1);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(tabs, 0) << "switching a tab from code fires nothing";

    TListView list(&form);
    list.AddColumn("Name", 100);
    list.AddItem({"one"});
    list.AddItem({"two"});
    list.OnSelectItem = [&](int item, bool selected) { selections.emplace_back(item, selected); };
    list.SetSelected(0);
    list.SetSelected(1);
    EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{0, true}, {0, false}, {1, true}}))
        << "selecting from code fires OnSelectItem";
}

TEST(ControlEvents, TypingAndClickingReachTheHandlers)
{
    TForm form;
    form.Show();
    TEdit edit(&form);
    TButton button(&form, "Save");
    std::string seen;
    int clicks = 0;
    edit.OnChange = [&] { seen = edit.Text(); };
    button.OnClick = [&] { ++clicks; };
    QTest::keyClicks(edit.LineEdit(), "10.0.0.1");
    EXPECT_EQ(seen, "10.0.0.1");
    QTest::mouseClick(button.Widget(), Qt::LeftButton);
    button.SetEnabled(false);
    button.Click();
    EXPECT_EQ(clicks, 1) << "a disabled button does not click";
}

TEST(ControlEvents, StatusBarsShapesAndListColumns)
{
    TForm form;
    TStatusBar simple(&form);
    simple.SetSimpleText("Set OK!");
    EXPECT_EQ(simple.SimpleText(), "Set OK!");
    TStatusBar panels(&form, 2);
    panels.Panel(1).SetText("Ready");
    EXPECT_EQ(panels.Panel(1).Text(), "Ready");

    TShape lamp(&form);
    EXPECT_EQ(lamp.BrushColor(), clBlack);
    lamp.SetBrushColor(clLime);
    EXPECT_EQ(lamp.BrushColor(), clLime);

    TListView list(&form);
    list.AddColumn("Index", 0);
    list.AddColumn("MAC", 135);
    EXPECT_EQ(list.ColumnWidth(0), 0);
    EXPECT_EQ(list.ColumnWidth(1), 135);
    list.AddItem({"1", "001122334455"});
    list.SetCheckboxes(true);
    list.SetItemChecked(0, true);
    EXPECT_TRUE(list.ItemChecked(0));
}

} // namespace
