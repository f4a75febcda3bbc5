#pragma once
// The two operands that the one-line formulas and the column transforms
// write, and their texts: every character of a text is one label.

#include <optional>

#include "animation/JobTable.h"
#include "ui/Dialogs.h"
#include "ui/Runtime.h"

struct TFormulaOperands {
    double N1 = 0;
    double N2 = 0;
    UnicodeString N1str;
    UnicodeString N2str;
    int L1() const { return int(N1str.size()); }  // UTF-16 code units
    int L2() const { return int(N2str.size()); }
};

// Entries 0 and 1 of `aNbr`; later entries are ignored. With fewer than two
// the user is told and nothing comes back, so the caller records nothing.
inline std::optional<TFormulaOperands> TakeTwoOperands(const TNbrArray& aNbr) {
    if (aNbr.size() < 2) {
        ShowMessage(u"Not sufficient parameters");
        return std::nullopt;
    }
    return TFormulaOperands{aNbr[0], aNbr[1], FloatToStr(aNbr[0]), FloatToStr(aNbr[1])};
}
