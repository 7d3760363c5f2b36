#include "core/sheet_code_packing.h"

#include "core/settings_limits.h"
#include "core/worksheet_state.h"

#include <algorithm>
#include <array>

namespace tallyworth {

namespace {

// The settings of version 1 as one mixed-radix number, the operation its top digit:
// 5 * 99 * 99 * 100 * 2 * 2 = 19,602,000 values, under 2^25. Codes already handed out
// depend on it, so it never changes; new settings come with a new version.
constexpr int kNumberRadix = kMostNumber - kLeastNumber + 1;
constexpr int kCountRadix = kMostProblems - kLeastProblems + 1;
static_assert(kNumberRadix == 99 && kCountRadix == 100,
              "the digits of version 1's settings number are fixed by the codes handed out");
constexpr std::uint64_t kSettingsValuesV1 =
    std::uint64_t{kOperationRows - 1} * kNumberRadix * kNumberRadix * kCountRadix * 2U * 2U;
constexpr int kSettingsBitsV1 = 25;
static_assert(kSettingsValuesV1 <= std::uint64_t{1} << kSettingsBitsV1);

std::uint64_t PackSettingsV1(const SheetSettings& settings) {
    std::uint64_t number = static_cast<std::uint64_t>(RowNumber(settings.operation) - 1);
    number = number * kNumberRadix + static_cast<std::uint64_t>(settings.lowest - kLeastNumber);
    number = number * kNumberRadix + static_cast<std::uint64_t>(settings.highest - kLeastNumber);
    number = number * kCountRadix + static_cast<std::uint64_t>(settings.count - kLeastProblems);
    number = number * 2U + (settings.allowNegative ? 1U : 0U);
    return number * 2U + (settings.upsideDownSeven ? 1U : 0U);
}

// Every number unpacks; one past the operation's range fails SheetSettingsFault.
SheetSettings UnpackSettingsV1(std::uint64_t number) {
    const auto digit = [&number](std::uint64_t radix) {
        const auto value = static_cast<int>(number % radix);
        number /= radix;
        return value;
    };
    SheetSettings settings;
    settings.upsideDownSeven = digit(2) == 1;
    settings.allowNegative = digit(2) == 1;
    settings.count = digit(kCountRadix) + kLeastProblems;
    settings.highest = digit(kNumberRadix) + kLeastNumber;
    settings.lowest = digit(kNumberRadix) + kLeastNumber;
    settings.operation = RowOfNumber(static_cast<int>(number) + 1);
    return settings;
}

// Version 2 adds the problem rules below version 1's settings number, as the digits
// no trivial facts, fixed number (0 = off), regrouping, no repeats of radix 2, 100, 3, 2:
// 19,602,000 * 1,200 = 23,522,400,000 values, under 2^35. Fixed like version 1.
constexpr int kFixedRadix = kMostFixed + 1;
constexpr int kRegroupingRadix = 3;
static_assert(kFixedRadix == 100, "the digits of version 2's rules are fixed like version 1's");
constexpr std::uint64_t kRulesValues = std::uint64_t{2} * kFixedRadix * kRegroupingRadix * 2U;
constexpr int kSettingsBitsV2 = 35;
static_assert(kSettingsValuesV1 * kRulesValues <= std::uint64_t{1} << kSettingsBitsV2);

std::uint64_t PackRules(const ProblemRules& rules) {
    std::uint64_t number = rules.noTrivial ? 1U : 0U;
    number = number * kFixedRadix + static_cast<std::uint64_t>(rules.fixedNumber);
    number = number * kRegroupingRadix + static_cast<std::uint64_t>(rules.regrouping);
    return number * 2U + (rules.noRepeats ? 1U : 0U);
}

ProblemRules UnpackRules(std::uint64_t number) {
    ProblemRules rules;
    rules.noRepeats = number % 2U == 1U;
    number /= 2U;
    rules.regrouping = static_cast<Regrouping>(number % kRegroupingRadix);
    number /= kRegroupingRadix;
    rules.fixedNumber = static_cast<int>(number % kFixedRadix);
    rules.noTrivial = number / kFixedRadix == 1U;
    return rules;
}

std::uint64_t PackSettingsV2(const SheetSettings& settings) {
    return PackSettingsV1(settings) * kRulesValues + PackRules(settings.rules);
}

SheetSettings UnpackSettingsV2(std::uint64_t number) {
    SheetSettings settings = UnpackSettingsV1(number / kRulesValues);
    settings.rules = UnpackRules(number % kRulesValues);
    return settings;
}

// Version 3 adds the page options below version 2's settings number, as the digits times
// sign, divide sign, layout, print size, fill the page of radix 4, 3, 2, 3, 2 (each the
// count of its choices, Default first): 23,522,400,000 * 144 = 3,387,225,600,000 values,
// under 2^42, which leaves 18 bits for the seed. Codes already handed out depend on these
// digits, so they are fixed like version 1's; new options come with a new version.
constexpr std::uint64_t kTimesRadix = 4;
constexpr std::uint64_t kDivideRadix = 3;
constexpr std::uint64_t kLayoutRadix = 2;
constexpr std::uint64_t kSizeRadix = 3;
static_assert(static_cast<std::uint64_t>(TimesSign::Asterisk) + 1 == kTimesRadix &&
                  static_cast<std::uint64_t>(DivideSign::Colon) + 1 == kDivideRadix &&
                  static_cast<std::uint64_t>(ProblemLayout::Line) + 1 == kLayoutRadix &&
                  static_cast<std::uint64_t>(PrintSize::ExtraLarge) + 1 == kSizeRadix,
              "the digits of version 3's page options are fixed by the codes handed out");
constexpr std::uint64_t kPageValues = kTimesRadix * kDivideRadix * kLayoutRadix * kSizeRadix * 2U;
constexpr int kSettingsBitsV3 = 42;
static_assert(kSettingsValuesV1 * kRulesValues * kPageValues <= std::uint64_t{1}
                                                                    << kSettingsBitsV3);

std::uint64_t PackPage(const PageOptions& page) {
    auto number = static_cast<std::uint64_t>(page.timesSign);
    number = number * kDivideRadix + static_cast<std::uint64_t>(page.divideSign);
    number = number * kLayoutRadix + static_cast<std::uint64_t>(page.layout);
    number = number * kSizeRadix + static_cast<std::uint64_t>(page.size);
    return number * 2U + (page.fillPage ? 1U : 0U);
}

// Every number below kPageValues unpacks to options within each choice's range.
PageOptions UnpackPage(std::uint64_t number) {
    const auto digit = [&number](std::uint64_t radix) {
        const std::uint64_t value = number % radix;
        number /= radix;
        return static_cast<std::uint8_t>(value);
    };
    PageOptions page;
    page.fillPage = digit(2) == 1;
    page.size = static_cast<PrintSize>(digit(kSizeRadix));
    page.layout = static_cast<ProblemLayout>(digit(kLayoutRadix));
    page.divideSign = static_cast<DivideSign>(digit(kDivideRadix));
    page.timesSign = static_cast<TimesSign>(digit(kTimesRadix));
    return page;
}

std::uint64_t PackSettingsV3(const SheetSettings& settings) {
    return PackSettingsV2(settings) * kPageValues + PackPage(settings.page);
}

SheetSettings UnpackSettingsV3(std::uint64_t number) {
    SheetSettings settings = UnpackSettingsV2(number / kPageValues);
    settings.page = UnpackPage(number % kPageValues);
    return settings;
}

constexpr std::array kLayouts{
    CodeLayout{1, kSettingsBitsV1, false, false, PackSettingsV1, UnpackSettingsV1},
    CodeLayout{2, kSettingsBitsV2, true, false, PackSettingsV2, UnpackSettingsV2},
    CodeLayout{3, kSettingsBitsV3, true, true, PackSettingsV3, UnpackSettingsV3},
    CodeLayout{4, kSettingsBitsV3, true, true, PackSettingsV3, UnpackSettingsV3}};

}  // namespace

const CodeLayout* LayoutOf(int version) {
    const auto* found =
        std::find_if(kLayouts.begin(), kLayouts.end(),
                     [version](const CodeLayout& layout) { return layout.version == version; });
    return found == kLayouts.end() ? nullptr : found;
}

std::uint64_t LowBitsMask(int bits) {
    constexpr int kWordBits = 64;
    return bits >= kWordBits ? ~std::uint64_t{0}
                             : (std::uint64_t{1} << static_cast<unsigned>(bits)) - 1U;
}

}  // namespace tallyworth
