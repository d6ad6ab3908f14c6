// SPDX-License-Identifier: GPL-3.0-or-later
// The date picker's display format derived from the locale's short date.
#include "ui/PickerDate.h"

#include <gtest/gtest.h>

#include <array>

namespace plenta {
namespace {

// The locale's short date, its year widened where the field has room and its month a number where not.
TEST(PickerDateFormat, FormatsWidenAndNarrow) {
    const std::array<std::array<const char *, 3>, 6> cases{{
        {"dd.MM.yy", "dd.MM.yyyy", "dd.MM.yy"},
        {"M/d/yy", "M/d/yyyy", "M/d/yy"},
        {"yyyy-MM-dd", "yyyy-MM-dd", "yy-MM-dd"},
        {"d MMM yyyy", "d MMM yyyy", "d MM yy"},
        {"d 'yy MMM' yy", "d 'yy MMM' yyyy", "d 'yy MMM' yy"},
        {"dd/MMMM/y", "dd/MMMM/y", "dd/MM/y"},
    }};
    for (const auto &[format, widened, compact] : cases) {
        EXPECT_EQ(WithFourDigitYear(QString::fromLatin1(format)), QString::fromLatin1(widened)) << format;
        EXPECT_EQ(CompactDateFormat(QString::fromLatin1(format)), QString::fromLatin1(compact)) << format;
    }
}

} // namespace
} // namespace plenta
