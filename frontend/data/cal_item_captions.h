// The front end's caption of each item of the calculation input, beside the
// shared item lists (input_items.h): the name a refusal gives when an item's
// value is not a number and cannot be written.
#pragma once

#include "input_items.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace wtn {

// Captions of the items of a list, in its order. Integer items cannot fail
// and have none.
template <std::size_t N> using Captions = std::array<const char*, N>;
inline constexpr const char* kNoCaption = nullptr;

inline constexpr Captions<std::size(kSwdatItems)> kSwdatCaptions{};
inline constexpr Captions<std::size(kWavswItems)> kWavswCaptions{kNoCaption, kNoCaption, "λ1"};
inline constexpr Captions<std::size(kJokenItems)> kJokenCaptions{
    "H.W.L.",   "L.W.L.",           kNoCaption,   "残留水位",   "土層上限",           "設計海底面",
    "根入れ高", "最終土層の下限高", "地表面角度", "海底面角度", "海水の単位体積重量", "上載荷重",
    "上載荷重", "許容変位量",       "許容変位量", kNoCaption,   kNoCaption,           kNoCaption};
inline constexpr Captions<std::size(kTjkn1Items)> kTjkn1Captions{
    "H.H.W.L.",   "任意潮位",   "上部工天端高", "矢板天端高",       "粘着基準高", "許容変位量",
    "許容応力度", "許容応力度", "許容応力度",   "施工時設計海底面", "ヤング係数", "ヤング係数"};
inline constexpr Captions<std::size(kLateralItems)> kLateralCaptions{kNoCaption, "平均N値",
                                                                     "N値の増加率", "Kc/Ks"};
inline constexpr Captions<std::size(kNeireSeismicItems)> kNeireSeismicCaptions{
    kNoCaption, "設計震度", "震度の係数", "震度の係数", "震度の係数", kNoCaption, "見かけの震度"};
inline constexpr const char* kCorrosionRateCaption = "腐食速度";
// The two corrosion allowances are always written as 0.
inline constexpr Captions<std::size(kFsyokTailItems)> kFsyokTailCaptions{
    "", "", kNoCaption, "低減率", "低減率", kNoCaption};
inline constexpr Captions<std::size(kTugitItems)> kTugitCaptions{"継手効率", "継手効率",
                                                                 "継手効率"};
inline constexpr Captions<std::size(kJosaiItems)> kJosaiCaptions{"載荷範囲", "載荷範囲", "上載荷重",
                                                                 "上載荷重"};
inline constexpr Captions<std::size(kForceItems)> kForceCaptions{"外力", "作用高"};
inline constexpr Captions<std::size(kKokanItems)> kKokanCaptions{"外径", "板厚", "継手"};
inline constexpr Captions<std::size(kSoilItems)> kSoilCaptions{
    "土層上限", "湿潤重量", "水中重量", "飽和重量", "内部摩擦角",
    "C0",       "K",        kNoCaption, "N値",      "横抵抗定数"};
inline constexpr Captions<std::size(kTikeiItems)> kTikeiCaptions{"地形", "地形"};
inline constexpr Captions<std::size(kMoridItems)> kMoridCaptions{"盛土", "盛土", "盛土", "盛土"};
inline constexpr Captions<std::size(kWlvlItems)> kWlvlCaptions{kNoCaption, "d",        "h'",
                                                               "h",        kNoCaption, "勾配"};
inline constexpr const char* kHbCaption = "hb";
inline constexpr Captions<std::size(kTideItems)> kGodaCaptions{
    kNoCaption, "H1/3", "Hmax", kNoCaption, "周期", "波長", "入射角"};
inline constexpr Captions<std::size(kTideItems)> kKurodaCaptions{
    kNoCaption, "H1/3", "HD", kNoCaption, "周期", "波長", "入射角"};
inline constexpr Captions<std::size(kNirtItems)> kNirtCaptions{kNoCaption, kNoCaption, "kh",
                                                               "λ2",       kNoCaption, kNoCaption};
inline constexpr Captions<std::size(kAdd1Items)> kAdd1Captions{"壁面摩擦角", "壁面摩擦角",
                                                               "壁面摩擦角", "壁面摩擦角"};

// Every real item has a caption and no integer item has one, so a caption
// list that lost or gained an entry does not compile.
template <class Group, std::size_t N>
constexpr bool captions_fit(const Item<Group> (&list)[N], const Captions<N>& captions) {
    for (std::size_t k = 0; k < N; ++k)
        if ((list[k].real != nullptr) != (captions[k] != nullptr)) return false;
    return true;
}
static_assert(captions_fit(kSwdatItems, kSwdatCaptions));
static_assert(captions_fit(kWavswItems, kWavswCaptions));
static_assert(captions_fit(kJokenItems, kJokenCaptions));
static_assert(captions_fit(kTjkn1Items, kTjkn1Captions));
static_assert(captions_fit(kLateralItems, kLateralCaptions));
static_assert(captions_fit(kNeireSeismicItems, kNeireSeismicCaptions));
static_assert(captions_fit(kFsyokTailItems, kFsyokTailCaptions));
static_assert(captions_fit(kTugitItems, kTugitCaptions));
static_assert(captions_fit(kJosaiItems, kJosaiCaptions));
static_assert(captions_fit(kForceItems, kForceCaptions));
static_assert(captions_fit(kKokanItems, kKokanCaptions));
static_assert(captions_fit(kSoilItems, kSoilCaptions));
static_assert(captions_fit(kTikeiItems, kTikeiCaptions));
static_assert(captions_fit(kMoridItems, kMoridCaptions));
static_assert(captions_fit(kWlvlItems, kWlvlCaptions));
static_assert(captions_fit(kTideItems, kGodaCaptions));
static_assert(captions_fit(kTideItems, kKurodaCaptions));
static_assert(captions_fit(kNirtItems, kNirtCaptions));
static_assert(captions_fit(kAdd1Items, kAdd1Captions));

} // namespace wtn
