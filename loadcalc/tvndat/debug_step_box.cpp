#include "debug_step_box.h"

#include "message_box.h"

#include <array>

namespace wtn {
namespace {

constexpr std::array<const char*, kStepTextCount> kStepTexts = {
    "データテーブルの初期化",
    "データファイルの読み込み",
    "設計計算準備中",
    "外力計算処理開始[常  時]",
    "外力計算処理開始[地震時]",
    "主働土圧計算中",
    "受働土圧計算中",
    "残留水圧計算中",
    "仮想海底面計算中",
    "水平力、モーメント、作用高計算中",
    "外力計算結果ファイル出力中",
    "外力計算終了",
    "根入れ部計算準備",
    "矢板データの読み込み",
    "腐食しろをセット",
    "根入れ部データエリアの確保",
    "杭の各諸量の計算中",
    "矢板を計算ピッチで分割",
    "伝達マトリックスの係数をセット",
    "",
    "根入れ部データの出力",
    "変形係数の計算中",
    "平均のβ、ｋhの計算中",
    "応力度の計算中",
    "根入れ長の計算中",
    "最大曲げモーメントの生じる位置の計算中",
    "変位量・反力の計算中",
    "土圧強度の突き合わせ計算中",
};

} // namespace

int debug_step_box(int stage, std::string_view text) {
    if (stage < 0) {
        show_ok_box("break", text);
    } else if (stage < kStepTextCount) {
        show_ok_box("break", kStepTexts[static_cast<std::size_t>(stage)]);
    }
    return 0;
}

} // namespace wtn
