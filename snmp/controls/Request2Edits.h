#pragma once
// Binds the entries of a request's list to a page's controls: edits, combo
// boxes, check boxes, radio groups, labels, or the whole list to a list view.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/controls/EditConstraint.h"
#include "snmp/controls/Request2Controls.h"

namespace vcl {
class TComboBox;
class TControl;
class TEdit;
class TListView;
} // namespace vcl

namespace zt {

class ZtSNMPRequest2Edits : public ZtSNMPRequest2Controls {
public:
    explicit ZtSNMPRequest2Edits(vcl::TForm* owner);
    ~ZtSNMPRequest2Edits() override;

    void Bind(int entry, vcl::TControl& control);
    void BindComboBox(int entry, vcl::TComboBox& box);
    void BindFormat(int entry, const std::string& format, vcl::TEdit& edit);
    void BindListView(vcl::TListView& list, bool enableOnSelect = true);

    void ValuesToControls(int entry = -1);
    void ControlsToValues(int entry = -1);
    void RowToValues();
    void EnableControls(bool enabled);

    std::function<void()> BeforeGetHook;
    std::function<void()> BeforeSetHook;
    std::function<void()> AfterGetHook;
    std::function<void()> AfterSetHook;

    std::uint8_t modified = 0;
    std::uint8_t enableOnSelect = 1;
    vcl::TListView* ListView() const { return listView_; }
    ZtEditConstraint& Constraints() { return constraints_; }

protected:
    void BeforeGet() override;
    void BeforeSet() override;
    void ValuesReceived() override;
    void CollectValues() override;
    void AfterGet() override;
    void AfterSet() override;
    virtual void ListSelectItem(int item, bool selected);

    // The entries in list-view column order: hidden columns, then visible ones.
    std::vector<int> ColumnEntries() const;
    void AddRow(const std::string* caption = nullptr);

private:
    struct Binding {
        int entry = 0;
        std::size_t offset = 0;
        std::uint32_t partSyntax = 0;
        const ZtOptionList* options = nullptr;
        vcl::TControl* control = nullptr;
    };

    const ZtOptionList* OptionsOf(const Binding& b) const;
    bool WholeValue(const Binding& b) const;
    void ShowInControl(const Binding& b, const std::string& text);
    std::string TextOfControl(const Binding& b) const;
    void RebuildColumns();

    std::vector<Binding> bindings_;
    vcl::TListView* listView_ = nullptr;
    std::function<void(int, bool)> previousSelect_;
    ZtEditConstraint constraints_;
};

// List views that number their rows and leave out rows whose watched entry
// holds the skip text.
class New_req2Edit : public ZtSNMPRequest2Edits {
public:
    using ZtSNMPRequest2Edits::ZtSNMPRequest2Edits;
    ~New_req2Edit() override;

    std::int32_t rowNumber = 1;
    std::string skipText = "0";
    std::int32_t watchedEntry = 1;

protected:
    void ValuesReceived() override;
    virtual void AddNumberedRow();
};

} // namespace zt
