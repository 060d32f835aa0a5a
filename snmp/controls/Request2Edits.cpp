#include "snmp/controls/Request2Edits.h"

#include "common/ErrorCatalogue.h"
#include "snmp/RawForm.h"
#include "vcl/Application.h"
#include "vcl/CheckBox.h"
#include "vcl/ComboBox.h"
#include "vcl/Edit.h"
#include "vcl/Label.h"
#include "vcl/ListView.h"
#include "vcl/RadioGroup.h"

namespace zt {
namespace {

bool IsBooleanSyntax(std::uint32_t s) { return s == syn::Boolean || s == syn::PartBool8 || s == syn::PartBool16; }

} // namespace

ZtSNMPRequest2Edits::ZtSNMPRequest2Edits(vcl::TForm* owner)
    : ZtSNMPRequest2Controls(owner), constraints_(owner, true)
{
}

ZtSNMPRequest2Edits::~ZtSNMPRequest2Edits() { BeginClosing(); }

const ZtOptionList* ZtSNMPRequest2Edits::OptionsOf(const Binding& b) const
{
    if (b.options)
        return b.options;
    return WholeValue(b) ? request.varList.Item(b.entry).options : nullptr;
}

bool ZtSNMPRequest2Edits::WholeValue(const Binding& b) const
{
    return b.offset == 0 && b.partSyntax == request.varList.Item(b.entry).syntax;
}

void ZtSNMPRequest2Edits::Bind(int entry, vcl::TControl& control)
{
    Binding b;
    b.entry = entry;
    b.partSyntax = request.varList.Item(entry).syntax;
    b.control = &control;
    const ZtOptionList* options = OptionsOf(b);
    // Choices come from the option list; a change the user makes marks the page modified.
    if (auto* box = vcl::As<vcl::TComboBox>(&control)) {
        if (!options)
            RaiseError(Catalogue::ZtSnmp, -520);
        box->SetItems(options->Labels());
        auto previous = box->OnChange;
        box->OnChange = [this, previous] {
            if (previous)
                previous();
            modified = 1;
        };
    } else if (auto* group = vcl::As<vcl::TRadioGroup>(&control)) {
        if (!options)
            RaiseError(Catalogue::ZtSnmp, -520);
        group->SetItems(options->Labels());
        auto previous = group->OnClick;
        group->OnClick = [this, previous] {
            if (previous)
                previous();
            modified = 1;
        };
    } else if (auto* check = vcl::As<vcl::TCheckBox>(&control)) {
        auto previous = check->OnClick;
        check->OnClick = [this, previous] {
            if (previous)
                previous();
            modified = 1;
        };
    }
    bindings_.push_back(b);
}

void ZtSNMPRequest2Edits::BindComboBox(int entry, vcl::TComboBox& box)
{
    box.SetStyle(vcl::TComboBoxStyle::csDropDownList);
    Bind(entry, box);
}

void ZtSNMPRequest2Edits::BindFormat(int entry, const std::string& format, vcl::TEdit& edit)
{
    constraints_.Attach(format, edit);
    Bind(entry, edit);
}

void ZtSNMPRequest2Edits::BindListView(vcl::TListView& list, bool onSelect)
{
    listView_ = &list;
    enableOnSelect = onSelect ? 1 : 0;
    list.SetReportStyle();
    previousSelect_ = list.OnSelectItem;
    list.OnSelectItem = [this](int item, bool selected) { ListSelectItem(item, selected); };
    RebuildColumns();
}

std::vector<int> ZtSNMPRequest2Edits::ColumnEntries() const
{
    std::vector<int> entries;
    const ZtSNMPVarList& list = request.varList;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.IsHiddenColumn(i))
            entries.push_back(i);
    }
    for (int i = 0; i < list.Count(); ++i) {
        if (list.IsVisibleColumn(i) && !list.IsHiddenColumn(i))
            entries.push_back(i);
    }
    return entries;
}

void ZtSNMPRequest2Edits::RebuildColumns()
{
    const ZtSNMPVarList& list = request.varList;
    if (!listView_ || listView_->ColumnCount() >= list.HiddenColumnCount() + list.VisibleColumnCount())
        return;
    listView_->ClearColumns();
    for (int i : ColumnEntries())
        listView_->AddColumn(list.Item(i).name, list.IsHiddenColumn(i) ? 0 : vcl::TListView::kAutoHeaderWidth);
}

void ZtSNMPRequest2Edits::AddRow(const std::string* caption)
{
    std::vector<std::string> texts;
    if (caption)
        texts.push_back(*caption);
    const std::vector<int> entries = ColumnEntries();
    for (std::size_t k = caption ? 1 : 0; k < entries.size(); ++k)
        texts.push_back(request.varList.Item(entries[k]).value);
    listView_->AddItem(texts);
}

void ZtSNMPRequest2Edits::RowToValues()
{
    if (!listView_ || listView_->Selected() < 0)
        return;
    const int item = listView_->Selected();
    std::vector<std::string> texts = {listView_->Caption(item)};
    for (const auto& sub : listView_->SubItems(item))
        texts.push_back(sub);
    const std::vector<int> entries = ColumnEntries();
    for (std::size_t k = 0; k < entries.size() && k < texts.size(); ++k)
        request.varList.Item(entries[k]).value = texts[k];
}

void ZtSNMPRequest2Edits::ShowInControl(const Binding& b, const std::string& text)
{
    const ZtOptionList* options = OptionsOf(b);
    vcl::TControl* control = b.control;
    if (auto* label = vcl::As<vcl::TLabel>(control)) {
        label->SetCaption(text);
    } else if (auto* check = vcl::As<vcl::TCheckBox>(control)) {
        if (options) {
            check->SetChecked(options->SelectionIndex(text) > 0);
        } else {
            if (!IsBooleanSyntax(b.partSyntax))
                RaiseError(Catalogue::ZtSnmp, -517);
            check->SetChecked(text == "true");
        }
    } else if (auto* box = vcl::As<vcl::TComboBox>(control)) {
        box->SetItemIndex(options ? options->SelectionIndex(text) : -1);
    } else if (auto* group = vcl::As<vcl::TRadioGroup>(control)) {
        group->SetItemIndex(options ? options->SelectionIndex(text) : -1);
    } else if (auto* edit = vcl::As<vcl::TEdit>(control)) {
        edit->SetText(text);
    } else {
        RaiseError(Catalogue::ZtSnmp, -521);
    }
}

void ZtSNMPRequest2Edits::ValuesToControls(int entry)
{
    for (const Binding& b : bindings_) {
        if ((entry >= 0 && b.entry != entry) || (request.varList.Item(b.entry).access & acc::Skip))
            continue;
        const ZtSNMPVarEntry& e = request.varList.Item(b.entry);
        std::string text = e.value;
        if (!WholeValue(b)) {
            const std::string value = e.options ? e.options->ValueOf(text) : text;
            text = FromRaw(ExtractPart(ToRaw(value, e.syntax), b.offset, b.partSyntax), b.partSyntax);
        }
        if (const ZtOptionList* options = OptionsOf(b); options && !WholeValue(b))
            text = options->LabelOf(text);
        ShowInControl(b, text);
    }
}

std::string ZtSNMPRequest2Edits::TextOfControl(const Binding& b) const
{
    const ZtOptionList* options = OptionsOf(b);
    vcl::TControl* control = b.control;
    if (auto* label = vcl::As<vcl::TLabel>(control))
        return label->Caption();
    if (auto* edit = vcl::As<vcl::TEdit>(control))
        return edit->Text();
    if (auto* box = vcl::As<vcl::TComboBox>(control))
        return box->ItemIndex() >= 0 ? box->Items()[static_cast<std::size_t>(box->ItemIndex())] : box->Text();
    if (auto* group = vcl::As<vcl::TRadioGroup>(control))
        return group->ItemIndex() >= 0 ? group->Items()[static_cast<std::size_t>(group->ItemIndex())] : std::string{};
    if (auto* check = vcl::As<vcl::TCheckBox>(control)) {
        if (options && options->Count() >= 2)
            return options->ItemAt(check->Checked() ? 1 : 0).label;
        if (!IsBooleanSyntax(b.partSyntax))
            RaiseError(Catalogue::ZtSnmp, -517);
        return check->Checked() ? "true" : "false";
    }
    RaiseError(Catalogue::ZtSnmp, -521);
}

void ZtSNMPRequest2Edits::ControlsToValues(int entry)
{
    ZtSNMPVarList& list = request.varList;
    for (int i = 0; i < list.Count(); ++i) {
        if ((entry >= 0 && i != entry) || !list.IsWritable(i))
            continue;
        ZtSNMPVarEntry& e = list.Item(i);
        // A value bound whole is what the control holds; parts are merged into
        // the value's bytes.
        std::string raw;
        bool bound = false;
        for (const Binding& b : bindings_) {
            if (b.entry != i)
                continue;
            if (!bound && !WholeValue(b))
                raw = ToRaw(e.options ? e.options->ValueOf(e.value) : e.value, e.syntax);
            bound = true;
            std::string text = TextOfControl(b);
            if (const ZtOptionList* options = OptionsOf(b))
                text = options->ValueOf(text);
            const std::string part = ToRaw(text, b.partSyntax);
            if (raw.size() < b.offset + part.size())
                raw.resize(b.offset + part.size(), '\0');
            raw.replace(b.offset, part.size(), part);
        }
        if (!bound)
            continue;
        e.value = FromRaw(raw, e.syntax);
        if (e.options)
            e.value = e.options->LabelOf(e.value);
    }
}

void ZtSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const Binding& b : bindings_)
        b.control->SetEnabled(enabled);
}

void ZtSNMPRequest2Edits::BeforeGet()
{
    if (listView_) {
        RebuildColumns();
        listView_->ClearItems();
    }
    if (BeforeGetHook)
        BeforeGetHook();
}

void ZtSNMPRequest2Edits::BeforeSet()
{
    if (BeforeSetHook)
        BeforeSetHook();
}

void ZtSNMPRequest2Edits::AfterSet()
{
    if (AfterSetHook)
        AfterSetHook();
}

void ZtSNMPRequest2Edits::ValuesReceived()
{
    if (!listView_) {
        ValuesToControls(-1);
        return;
    }
    AddRow();
    if (vcl::Application)
        vcl::Application->ProcessMessages();
}

void ZtSNMPRequest2Edits::CollectValues()
{
    for (int i = 0; i < request.varList.Count(); ++i)
        request.varList.Item(i).value.clear();
    if (listView_)
        RowToValues();
    ControlsToValues(-1);
}

void ZtSNMPRequest2Edits::AfterGet()
{
    modified = 0;
    if (request.varList.kind == listkind::Table && listView_ && enableOnSelect)
        EnableControls(false);
    if (AfterGetHook)
        AfterGetHook();
}

void ZtSNMPRequest2Edits::ListSelectItem(int item, bool selected)
{
    if (previousSelect_)
        previousSelect_(item, selected);
    if (!selected)
        return;
    if (enableOnSelect)
        EnableControls(true);
    RowToValues();
    ValuesToControls(-1);
    modified = 0;
}

New_req2Edit::~New_req2Edit() { BeginClosing(); }

void New_req2Edit::ValuesReceived()
{
    if (!ListView()) {
        ZtSNMPRequest2Edits::ValuesReceived();
        return;
    }
    if (watchedEntry >= 0 && watchedEntry < request.varList.Count() &&
        request.varList.Item(watchedEntry).value != skipText)
        AddNumberedRow();
    if (vcl::Application)
        vcl::Application->ProcessMessages();
}

void New_req2Edit::AddNumberedRow()
{
    const std::string number = std::to_string(rowNumber++);
    AddRow(&number);
}

} // namespace zt
