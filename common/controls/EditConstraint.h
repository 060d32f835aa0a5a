#pragma once
// Keeps what the user types into edit boxes within a declared type and range:
// characters the type does not take are removed as they are typed (with a
// beep); when the user leaves the edit the whole value is checked, and a
// failing value is explained, replaced by the last good one and the edit
// gets the focus back.
//
// Formats: "%s" text, "%h" hex, "%i" integer, "%u" unsigned, "%f" real,
// "%n," numbers with a delimiter; options in braces: e<char> exit character,
// l<digits>[afn] length (a: advance when full, f: exact, n: not empty),
// n<number> minimum, x<number> maximum, w<digits> width.
#include <memory>
#include <string>
#include <vector>

#include "vcl/Edit.h"

namespace vcl {
class TForm;
}

namespace zt {

struct ConstraintFormat {
    char type = 's';
    char delimiter = 0;
    double minimum = 0;
    double maximum = 0;
    int length = 0;
    int lengthOptions = 0;   // 1 advance, 2 exact, 4 not empty
    char exitCharacter = 0;
    int width = -1;
    bool hasMaximum = false;
};

// Raises -2 for a format it cannot read.
ConstraintFormat ParseConstraintFormat(const std::string& format);

// How the toolkit writes a floating-point number: 15 significant digits.
std::string FloatToStr(double value);

class ZtEditConstraint {
public:
    ZtEditConstraint(vcl::TForm* owner, bool remember);
    ~ZtEditConstraint();
    ZtEditConstraint(const ZtEditConstraint&) = delete;
    ZtEditConstraint& operator=(const ZtEditConstraint&) = delete;

    // Attaches a format to an edit; a format with several "%" gives its pieces
    // to the edits in order.
    void Attach(const std::string& format, vcl::TEdit& edit);
    void Attach(const std::string& format, const std::vector<vcl::TEdit*>& edits);

    std::string LastGoodText(const vcl::TEdit& edit) const;

    struct Record;

private:
    void Filter(Record& record);
    void ExitCheck(Record& record);
    void Fail(Record& record, const std::string& message);
    void FocusNext(vcl::TEdit& edit);

    vcl::TForm* owner_;
    bool remember_;
    std::vector<std::unique_ptr<Record>> records_;
};

} // namespace zt
