// Which explanatory picture a picture control shows, known by a label that
// only that picture prints: "1" to "6", "none" when nothing is drawn.
#pragma once

#include "explain_pictures.h"
#include "picture_box.h"

#include <string>

namespace wtn::design::test {

inline std::string picture_label(const ui::PictureBox& pic) {
    const char* labels[] = {"(1) 直線形状",           "(1) 海底面位置で計算",
                            "(1) 上・下共に空中震度", "(1) 上側空中、下側見かけの震度",
                            "粘性土の土圧強度式",     "(1) 海底面-10mで k'=0"};
    for (const ui::DrawCommand& c : pic.commands()) {
        for (int n = 0; n < kExplainPictureCount; ++n) {
            if (c.text == labels[n]) return std::to_string(n + 1);
        }
    }
    return pic.commands().empty() ? "none" : "?";
}

} // namespace wtn::design::test
