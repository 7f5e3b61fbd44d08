#include "error_messages.h"

#include "message_box.h"
#include "program_stop.h"

namespace wtn {

const std::array<const char*, kErrorMessageCount> ErrorMessages = {
    "(ERROR)-データファイルが選択されていません.\n",
    "(ERROR)-根入れ部計算結果ファイル(neire_cm.prn)がオープンできません.",
    "(ERROR)-根入れ部計算結果ファイル(neire.prn)がオープンできません.",
    "(ERROR)-震度の計算でγが 10.0 以下になっています.",
    "(ERROR)-崩壊角の計算でルートの中がマイナス値になりました.",
    "(ERROR)-地表面との交点が検索できません.",
    "(ERROR)-チャンの計算用のメモリが確保できません.",
    "(ERROR)-応力度計算用のメモリが確保できません.",
    "(ERROR)-変形係数計算用のメモリが確保できません.",
    "(ERROR)-変位量計算用のメモリが確保できません.",
    "(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません.",
    "(ERROR)-カーソル移動チェックのための領域１が確保できません.",
    "(ERROR)-カーソル移動チェックのための領域２が確保できません.",
    "(ERROR)-土圧係数の計算でルートの中がマイナス値になりました.",
    "(ERROR)-トライアル結果表ファイルがオープンできません.",
    "(ERROR)-矢板データファイル(YAITA.D01)がオープンできません.",
    "(ERROR)-矢板データ用のメモリが確保できません.",
    "(ERROR)-陸側の土層の標高が逆転しています.",
    "(ERROR)-海側の土層の標高が逆転しています.",
    "(ERROR)-陸側の土層内に海底面がありません.",
    "(ERROR)-陸側の土層内に残留水位がありません.",
    "(ERROR)-陸側の土層内に地表面天端がありません.",
    "(ERROR)-海側の土層内に海底面がありません.",
    "(ERROR)-計算したＮ値が 0.0 になりました.",
    "(ERROR)-陸側土層の開始位置が上部工天端位置より上になっています.",
    "(ERROR)-海側土層の開始位置が設計海底面位置より下になっています.",
    "(ERROR)-盛土データの終了位置が地表面天端位置よりも低くなっています.",
    "(ERROR)-盛土の標高が逆転しています.",
    "(ERROR)-上載荷重が重複しています。",
    "(ERROR)-t2/t1が 1.0 よりも大きくなりました.",
    "(ERROR)-設計条件図印字用データ領域が確保できません.",
    "(ERROR)-上載荷重図印字用データ領域が確保できません.",
    "(ERROR)-土圧図印字用データ領域が確保できません.",
    "(ERROR)-モーメント図印字用データ領域が確保できません.",
    "(ERROR)-寸法線チェック用領域１が確保できません.",
    "(ERROR)-寸法線チェック用領域２が確保できません.",
    "(ERROR)-寸法線チェック用領域３が確保できません.",
    "(ERROR)-寸法線チェック用領域４が確保できません.",
    "(ERROR)-寸法線チェック用領域５が確保できません.",
    "(ERROR)-港研方式の計算用のメモリ１が確保できません.",
    "(ERROR)-港研方式の計算用のメモリ２が確保できません.",
    "(ERROR)-基準曲線表ファイルがオープンできません.",
    "(ERROR)-指定した logＴs が基準曲線表内に収まっていません.",
    "(ERROR)-最終土層が根入れ深さよりも浅くなっています.",
    "(ERROR)-伝達マトリックスの計算用のメモリ１が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ２が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ３が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ４が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ５が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ６が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ７が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ８が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ９が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ１０が確保できません.",
    "(ERROR)-伝達マトリックスの計算用のメモリ１１が確保できません.",
    "(ERROR)-杭先端条件がおかしい.",
    "(ERROR)-杭の長さを超えても最大曲げﾓｰﾒﾝﾄの第一ｾﾞﾛ点が検索できません.",
    "(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました.",
    "(ERROR)-杭の中間部に最大モーメントが存在しません.",
    "(ERROR)-杭の全長を越えても該当する深さが求まりません.",
    "(ERROR)-配列の０クリアーで　n  が大きすぎます.",
    "(ERROR)-粘着力Ｃが－値になりました.",
    "(ERROR)-仮想海底面が検索できません.",
    "(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました.",
    "(ERROR)-盛土の土層が検出できません.",
    "(ERROR)-地表面形状のレベルが天端位置の場合、盛土土層は必要ありません.",
    "(ERROR)-盛土の開始ﾚﾍﾞﾙは、最大の地表面ﾚﾍﾞﾙより高い位置にして下さい.",
    "(ERROR)-横方向地盤反力係数又は、横抵抗定数が0.0になっています.",
    "(ERROR)-鋼矢板の腐食の表ﾃﾞｰﾀﾌｧｲﾙ(YAITA.FDM)がｵｰﾌﾟﾝできません.",
    "(ERROR)-１／βの深さが検索できません.",
    "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)がオープンできません.",
    "(ERROR)-決定矢板ファイル(OK_YAITA.DAT)がオープンできません.",
    "(ERROR)-根入れ部計算結果ファイル(neire_tl.prn)がオープンできません.",
    "(ERROR)-システムSWファイル(prg_sw.dat)がオープンできません.",
    "(ERROR)-陸側土層の開始位置が設計海底面位置より下になっています.",
    "(ERROR)-陸側の土層内に上部工天端がありません.",
    "(ERROR)-PC矢板データファイル(YAITA.C01)がオープンできません.",
    "(ERROR)-矢板データが１件も選択されていません.\n",
    "(ERROR)-矢板の低減率が 0.0 になっています.\n",
    "(ERROR)-海側の横抵抗定数が0.0になっています.",
    "(ERROR)-陸側の横抵抗定数が0.0になっています.",
};

const std::array<const char*, kWaveErrorMessageCount> WaveErrorMessages = {
    "(ERROR)-共通項目用データ領域が確保できません.\n",
    "(ERROR)-合田式用データ領域が確保できません.\n",
    "(ERROR)-黒田式用データ領域が確保できません.\n",
    "(ERROR)-波圧計算結果保存用配列領域が確保できません.\n",
    "(ERROR)-合力計算結果データ領域が確保できません.\n",
    "(ERROR)-各水平力用配列領域が確保できません.\n",
    "(ERROR)-波圧計算結果ファイル(WAV_DATA.PRN)がオープンできません.",
};

const std::array<const char*, kInputCheckMessageCount> InputCheckMessages = {
    "(ERROR)-仮想海底面位置が選択されていません.",
    "(ERROR)-画面表示用領域が確保できません.",
    "(ERROR)-計算スイッチの項目が根入れ部の計算方法と合っていません.",
    "(ERROR)-どこか１潮位Levelは、「検討する」を指定してください.",
    "(ERROR)-自動計算を行う場合は、0.0以外の値を入力してください.\n",
};

namespace {

template <std::size_t N>
int show_from_table(const std::array<const char*, N>& table, int code, std::string_view text) {
    std::string box_text(text);
    if (code >= 0 && code < static_cast<int>(N)) box_text = table[static_cast<std::size_t>(code)];
    show_ok_box("error", box_text);
    return 0;
}

} // namespace

int show_error(int code, std::string_view text) {
    return show_from_table(ErrorMessages, code, text);
}
int show_wave_error(int code, std::string_view text) {
    return show_from_table(WaveErrorMessages, code, text);
}
int show_input_check_error(int code) {
    return show_from_table(InputCheckMessages, code, {});
}

void stop_with_error(int code, std::string_view text) {
    show_error(code, text);
    stop_program();
}
void stop_with_wave_error(int code, std::string_view text) {
    show_wave_error(code, text);
    stop_program();
}
void stop_with_input_check_error(int code) {
    show_input_check_error(code);
    stop_program();
}

} // namespace wtn
