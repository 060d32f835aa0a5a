#include "common/controls/EditConstraint.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/ErrorCatalogue.h"
#include "common/NumList.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"
#include "vcl/Form.h"

namespace zt {

struct ZtEditConstraint::Record {
    vcl::TEdit* edit = nullptr;
    ConstraintFormat format;
    std::string lastGood;
    vcl::TNotifyEvent previousChange;
    vcl::TNotifyEvent previousExit;
};

namespace {

[[noreturn]] void BadFormat() { RaiseError(Catalogue::Common, -2); }

std::string Number(const std::string& text, std::size_t& at, const char* allowed)
{
    const std::size_t start = at;
    while (at < text.size() && std::strchr(allowed, text[at]))
        ++at;
    if (at == start)
        BadFormat();
    return text.substr(start, at - start);
}

void DefaultRange(ConstraintFormat& f)
{
    switch (f.type) {
    case 'i': f.minimum = -2147483648.0; f.maximum = 2147483647.0; break;
    case 'u': f.minimum = 0; f.maximum = 4294967295.0; break;
    case 'f': case 'n': f.minimum = DBL_MIN; f.maximum = DBL_MAX; break;
    default: break;
    }
}

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The position of the first character the type does not take, or npos.
std::size_t FirstRefused(const ConstraintFormat& f, const std::string& text)
{
    bool dot = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        bool ok = true;
        switch (f.type) {
        case 'h': ok = IsHex(c); break;
        case 'u': ok = IsDigit(c); break;
        case 'i': ok = IsDigit(c) || (c == '-' && i == 0); break;
        case 'f':
            ok = IsDigit(c) || (c == '-' && i == 0) || (c == '.' && !dot);
            dot = dot || c == '.';
            break;
        case 'n': ok = IsDigit(c) || (c == f.delimiter && i > 0 && text[i - 1] != f.delimiter); break;
        default: break;
        }
        if (!ok)
            return i;
    }
    return std::string::npos;
}

bool IsPlaceholderValue(const std::string& text) { return text == "(NOTDONE)" || text == "(NULL)"; }

} // namespace

std::string FloatToStr(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    // The toolkit writes exponents without '+' and leading zeros: 1E20, 2.2E-308.
    const auto e = text.find('E');
    if (e != std::string::npos) {
        std::string exponent = text.substr(e + 1);
        const bool negative = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
            exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        text = text.substr(0, e + 1) + (negative ? "-" : "") + exponent;
    }
    return text;
}

ConstraintFormat ParseConstraintFormat(const std::string& format)
{
    if (format.size() < 2 || format[0] != '%' || !std::strchr("fhinsu", format[1]))
        BadFormat();
    ConstraintFormat f;
    f.type = format[1];
    std::size_t at = 2;
    if (f.type == 'n') {
        if (at >= format.size())
            BadFormat();
        f.delimiter = format[at++];
    }
    DefaultRange(f);
    if (at == format.size())
        return f;
    if (format[at] != '{' || format.back() != '}')
        BadFormat();
    ++at;
    const std::size_t end = format.size() - 1;
    while (at < end) {
        const char option = format[at++];
        if (at >= end)
            BadFormat();
        switch (option) {
        case 'e': f.exitCharacter = format[at++]; break;
        case 'l': {
            f.length = std::stoi(Number(format, at, "0123456789"));
            while (at < end && std::strchr("afn", format[at]))
                f.lengthOptions |= format[at++] == 'a' ? 1 : format[at - 1] == 'f' ? 2 : 4;
            break;
        }
        case 'n': f.minimum = std::stod(Number(format, at, "-0123456789.")); break;
        case 'x':
            f.maximum = std::stod(Number(format, at, "-0123456789."));
            f.hasMaximum = true;
            break;
        case 'w': f.width = std::stoi(Number(format, at, "0123456789")); break;
        default: BadFormat();
        }
    }
    return f;
}

ZtEditConstraint::ZtEditConstraint(vcl::TForm* owner, bool remember) : owner_(owner), remember_(remember) {}
ZtEditConstraint::~ZtEditConstraint() = default;

void ZtEditConstraint::Attach(const std::string& format, const std::vector<vcl::TEdit*>& edits)
{
    std::size_t start = 0;
    for (vcl::TEdit* edit : edits) {
        if (start >= format.size())
            break;
        const std::size_t next = format.find('%', start + 1);
        Attach(format.substr(start, next == std::string::npos ? std::string::npos : next - start), *edit);
        start = next == std::string::npos ? format.size() : next;
    }
}

void ZtEditConstraint::Attach(const std::string& format, vcl::TEdit& edit)
{
    auto record = std::make_unique<Record>();
    record->edit = &edit;
    record->format = ParseConstraintFormat(format);
    if (record->format.width >= 0)
        edit.SetWidth(record->format.width);
    edit.SetMaxLength(record->format.length);
    record->previousChange = edit.OnChange;
    record->previousExit = edit.OnExit;
    Record* r = record.get();
    edit.OnChange = [this, r] { Filter(*r); };
    edit.OnExit = [this, r] { ExitCheck(*r); };
    records_.push_back(std::move(record));
}

std::string ZtEditConstraint::LastGoodText(const vcl::TEdit& edit) const
{
    for (const auto& r : records_) {
        if (r->edit == &edit)
            return r->lastGood;
    }
    return {};
}

// Moves the focus on once the current event is over, as a posted message would.
void ZtEditConstraint::FocusNext(vcl::TEdit& edit)
{
    QWidget* from = edit.Widget();
    QTimer::singleShot(0, from, [from] {
        if (QWidget* next = from->nextInFocusChain())
            next->setFocus(Qt::TabFocusReason);
    });
}

void ZtEditConstraint::Filter(Record& r)
{
    const std::string text = r.edit->Text();
    if (text.empty() || IsPlaceholderValue(text))
        return;
    const ConstraintFormat& f = r.format;
    if (f.exitCharacter) {
        const auto at = text.find(f.exitCharacter);
        if (at != std::string::npos) {
            r.edit->SetText(text.substr(0, at) + text.substr(at + 1));
            FocusNext(*r.edit);
            return;
        }
    }
    const std::size_t refused = FirstRefused(f, text);
    if (refused != std::string::npos) {
        r.edit->SetText(text.substr(0, refused) + text.substr(refused + 1));
        QApplication::beep();
        return;
    }
    if (r.previousChange) {
        r.previousChange();
        if (r.edit->Tag == -1)
            return;
    }
    if ((f.lengthOptions & 1) && f.length > 0 && static_cast<int>(r.edit->Text().size()) == f.length)
        FocusNext(*r.edit);
}

void ZtEditConstraint::Fail(Record& r, const std::string& message)
{
    vcl::MessageBox(message, vcl::ProgramFileName(), vcl::TMsgButtons::Ok, vcl::TMsgIcon::Warning);
    r.edit->SetText(r.lastGood);
    r.edit->SetFocus();
}

void ZtEditConstraint::ExitCheck(Record& r)
{
    const std::string text = r.edit->Text();
    if (IsPlaceholderValue(text))
        return;
    const ConstraintFormat& f = r.format;
    if (text.empty()) {
        if (f.lengthOptions & 4)
            Fail(r, ErrorText(Catalogue::Common, -3));
        return;
    }
    if (f.type == 'f' || f.type == 'i' || f.type == 'u') {
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || value < f.minimum || value > f.maximum) {
            Fail(r, ExpandPlaceholders(ErrorText(Catalogue::Common, -8),
                                       {{"[MIN]", FloatToStr(f.minimum)}, {"[MAX]", FloatToStr(f.maximum)}}));
            return;
        }
    } else if ((f.type == 's' || f.type == 'h') && f.length > 0) {
        const int length = static_cast<int>(text.size());
        const bool hex = f.type == 'h';
        if ((f.lengthOptions & 2) && length != f.length) {
            Fail(r, ExpandPlaceholders(ErrorText(Catalogue::Common, hex ? -7 : -5), {{"[LEN]", std::to_string(f.length)}}));
            return;
        }
        if (!(f.lengthOptions & 2) && length > f.length) {
            Fail(r, ExpandPlaceholders(ErrorText(Catalogue::Common, hex ? -6 : -4),
                                       {{"[MAXLEN]", std::to_string(f.length)}}));
            return;
        }
    } else if (f.type == 'n') {
        ZtNumList<std::uint32_t> numbers(f.delimiter);
        numbers.Parse(text);
        const std::string delimiter(1, f.delimiter);
        if (f.length > 0 && (f.lengthOptions & 2) && numbers.Count() != f.length) {
            Fail(r, ExpandPlaceholders(ErrorText(Catalogue::Common, -10),
                                       {{"[DELIMITER]", delimiter}, {"[COUNT]", std::to_string(f.length)}}));
            return;
        }
        if (f.length > 0 && !(f.lengthOptions & 2) && numbers.Count() > f.length) {
            Fail(r, ExpandPlaceholders(ErrorText(Catalogue::Common, -9),
                                       {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", std::to_string(f.length)}}));
            return;
        }
        // Bounds are whole numbers here; without an "x" option the maximum is 0.
        const double low = std::trunc(f.minimum);
        const double high = f.hasMaximum ? std::trunc(f.maximum) : 0.0;
        for (std::uint32_t n : numbers.Values()) {
            if (n < low || n > high) {
                Fail(r, ExpandPlaceholders(ErrorText(Catalogue::Common, -11),
                                           {{"[DELIMITER]", delimiter},
                                            {"[MIN]", std::to_string(static_cast<long long>(low))},
                                            {"[MAX]", std::to_string(static_cast<long long>(high))}}));
                return;
            }
        }
    }
    if (r.previousExit)
        r.previousExit();
    if (r.edit->Tag == -1)
        r.edit->SetText(r.lastGood);
    else if (remember_)
        r.lastGood = r.edit->Text();
}

} // namespace zt
