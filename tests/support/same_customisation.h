// Whether the batch programs' and the front end's reading of one
// customisation file hold the same values on every line both sides read.
#pragma once

#include "customisation_file.h"

#include <gtest/gtest.h>

namespace wtn::test {

inline void expect_same_customisation(const CustomisationValues& batch,
                                      const CustomisationValues& front) {
    for (const CustomisationItem& item : kCustomisationItems) {
        if (item.line > kCustomisationLinesRead) continue; // the front end's alone
        if (item.real) {
            EXPECT_EQ(batch.*item.real, front.*item.real) << "line " << item.line;
        } else if (item.integer) {
            EXPECT_EQ(item.integer(batch), item.integer(front)) << "line " << item.line;
        }
    }
}

} // namespace wtn::test
