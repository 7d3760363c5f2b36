#include "core/sheet_code.h"

#include "core/damm32.h"
#include "core/sections_code.h"
#include "core/settings_limits.h"
#include "core/validation.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace tallyworth {

namespace {

// The settings checks' own message, in their words and their translation; the texts are
// marked for translation where the checks make them.
QString SettingsText(const char* text) {
    return QCoreApplication::translate(kValidationContext, text);
}

// Crockford's base 32: digits and capitals without I, L, O and U.
constexpr std::array<char16_t, 32> kAlphabet{
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F',
    u'G', u'H', u'J', u'K', u'M', u'N', u'P', u'Q', u'R', u'S', u'T', u'V', u'W', u'X', u'Y', u'Z'};
constexpr int kSymbolBits = 5;
// The first symbol is the version, then twelve symbols of body, then the check symbol.
constexpr int kSymbolCount = 14;
constexpr int kBodySymbols = 12;
constexpr int kBodyBits = kBodySymbols * kSymbolBits;  // settings above the seed
constexpr std::size_t kGroupSymbols = 5;               // a dash after every five symbols

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

// Each version's split of the body and its settings number. A version that adds
// settings widens settingsBits; the seed gets the bits that are left.
struct CodeLayout {
    int version;
    int settingsBits;
    bool carriesRules;
    bool carriesPage;
    std::uint64_t (*pack)(const SheetSettings&);
    SheetSettings (*unpack)(std::uint64_t);

    [[nodiscard]] int SeedBits() const { return kBodyBits - settingsBits; }
};

constexpr std::array kLayouts{
    CodeLayout{1, kSettingsBitsV1, false, false, PackSettingsV1, UnpackSettingsV1},
    CodeLayout{2, kSettingsBitsV2, true, false, PackSettingsV2, UnpackSettingsV2},
    CodeLayout{3, kSettingsBitsV3, true, true, PackSettingsV3, UnpackSettingsV3},
    CodeLayout{4, kSettingsBitsV3, true, true, PackSettingsV3, UnpackSettingsV3}};

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

// A bijection of the values below 2^bits that keeps 0 at 0: xor-shifts and odd
// multipliers can each be undone within any width.
std::uint64_t Scramble(std::uint64_t value, int bits) {
    const std::uint64_t mask = LowBitsMask(bits);
    const auto half = static_cast<unsigned>(std::max(bits / 2, 1));
    value &= mask;
    value = ((value ^ (value >> half)) * 0xD6E8FEB86659FD93ULL) & mask;
    value = ((value ^ (value >> half)) * 0x9E3779B97F4A7C15ULL) & mask;
    return value ^ (value >> half);
}

// The value of a typed character, or -1. Crockford's reading: I and L are 1, O is 0.
int SymbolValue(QChar typed) {
    constexpr char16_t kLastAscii = 0x7F;
    if (typed.unicode() > kLastAscii) {
        return -1;
    }
    const char16_t upper = typed.toUpper().unicode();
    if (upper == u'I' || upper == u'L') {
        return 1;
    }
    if (upper == u'O') {
        return 0;
    }
    const auto* found = std::find(kAlphabet.begin(), kAlphabet.end(), upper);
    return found == kAlphabet.end() ? -1 : static_cast<int>(found - kAlphabet.begin());
}

// Any dash separates groups: the one typed, and the typographic ones and the minus sign
// of codes copied from documents.
bool IsSeparator(QChar typed) {
    return typed.isSpace() || typed.category() == QChar::Punctuation_Dash || typed == u'\u2212';
}

SheetCodeError BadCharacter(QChar typed) {
    return SheetCodeError{
        SheetCodeFault::BadCharacter,
        QCoreApplication::translate("tallyworth::SheetCode",
                                    "The sheet code contains \"%1\", which no sheet code uses: "
                                    "please check what you typed.")
            .arg(typed)};
}

SheetCodeError WrongLength(qsizetype symbols) {
    return SheetCodeError{
        SheetCodeFault::WrongLength,
        QCoreApplication::translate("tallyworth::SheetCode",
                                    "A sheet code has %1 letters and digits, but this one has %2: "
                                    "please check what you typed.")
            .arg(kSymbolCount)
            .arg(symbols)};
}

// Reads the symbols of a typed code, or says why they are not a code's symbols: a code
// of sections has as many as its sections need, any other kSymbolCount.
std::variant<std::vector<int>, SheetCodeError> ReadSymbols(const QString& typed) {
    std::vector<int> symbols;
    for (const QChar character : typed) {
        if (IsSeparator(character)) {
            continue;
        }
        const int value = SymbolValue(character);
        if (value < 0) {
            return BadCharacter(character);
        }
        symbols.push_back(value);
    }
    const bool sections = !symbols.empty() && symbols.front() == kSectionsSheetCodeVersion;
    if (sections ? symbols.size() < kSymbolCount : symbols.size() != kSymbolCount) {
        return WrongLength(static_cast<qsizetype>(symbols.size()));
    }
    return symbols;
}

QString SymbolsText(std::span<const int> symbols) {
    QString text;
    for (std::size_t index = 0; index < symbols.size(); ++index) {
        if (index > 0 && index % kGroupSymbols == 0) {
            text += u'-';
        }
        text += QChar(kAlphabet[static_cast<std::size_t>(symbols[index])]);
    }
    return text;
}

std::uint64_t BodyOf(std::span<const int> symbols) {
    std::uint64_t body = 0;
    for (int index = 1; index <= kBodySymbols; ++index) {
        body = (body << kSymbolBits) |
               static_cast<std::uint64_t>(symbols[static_cast<std::size_t>(index)]);
    }
    return body;
}

SheetCodeError BadSettings(const QString& fault) {
    return SheetCodeError{SheetCodeFault::BadSettings,
                          QCoreApplication::translate("tallyworth::SheetCode",
                                                      "The sheet code holds settings that cannot "
                                                      "make a worksheet: %1")
                              .arg(fault)};
}

// The sheet of a code of fixed length, its settings unchecked.
SheetCode DecodeBody(std::span<const int> symbols, const CodeLayout& layout) {
    const std::uint64_t body = BodyOf(symbols);
    return {layout.unpack(body >> static_cast<unsigned>(layout.SeedBits())),
            body & LowBitsMask(layout.SeedBits()), layout.version};
}

SheetCodeParse DecodeSymbols(std::span<const int> symbols) {
    if (Damm32Interim(symbols) != 0) {
        return SheetCodeError{
            SheetCodeFault::WrongCheck,
            QCoreApplication::translate("tallyworth::SheetCode",
                                        "The sheet code's check character does not match: "
                                        "please check what you typed.")};
    }
    const int version = symbols.front();
    const CodeLayout* layout = LayoutOf(version);
    if (layout == nullptr && version != kSectionsSheetCodeVersion) {
        return SheetCodeError{SheetCodeFault::UnknownVersion,
                              QCoreApplication::translate(
                                  "tallyworth::SheetCode",
                                  "The sheet code is of version %1, which this program does "
                                  "not know: it may come from a newer version of the program.")
                                  .arg(version)};
    }
    std::optional<SheetCode> code;
    if (layout != nullptr) {
        code = DecodeBody(symbols, *layout);
    } else {
        code = SectionsCodeOfBody(symbols.subspan(1, symbols.size() - 2));
    }
    if (!code) {
        return BadSettings(
            QCoreApplication::translate("tallyworth::SheetCode", "its sections cannot be read."));
    }
    if (const std::optional<QString> fault = SheetSettingsFault(code->settings)) {
        return BadSettings(*fault);
    }
    return *code;
}

}  // namespace

int SheetCodeVersionFor(const SheetSettings& settings) {
    return settings.sections.empty() ? SheetCodeVersionFor(settings.rules, settings.page)
                                     : kSectionsSheetCodeVersion;
}

int SheetCodeVersionFor(const ProblemRules& rules, const PageOptions& page) {
    return rules.AnyOn() || !page.AllDefault() ? kPageSheetCodeVersion : kSheetCodeVersion;
}

RuledDraw RuledDrawOf(int version) {
    return version == kRulesSheetCodeVersion ? RuledDraw::RedrawOdds : RuledDraw::Uniform;
}

SheetCode SheetCodeOf(const SheetSettings& settings, std::uint64_t seed) {
    return {settings, seed, SheetCodeVersionFor(settings)};
}

SheetCode FairSheetCode(const SheetSettings& settings, std::uint64_t seed) {
    const int version =
        settings.sections.empty() ? kFairSheetCodeVersion : kSectionsSheetCodeVersion;
    return {settings, seed & LowBitsMask(SheetSeedBits(version)), version};
}

int SheetSeedBits(int version) {
    if (version == kSectionsSheetCodeVersion) {
        return kSectionsSeedBits;
    }
    const CodeLayout* layout = LayoutOf(version);
    return layout == nullptr ? 0 : layout->SeedBits();
}

std::uint64_t CutSeedForCode(std::uint64_t seed, const ProblemRules& rules,
                             const PageOptions& page) {
    return seed & LowBitsMask(SheetSeedBits(SheetCodeVersionFor(rules, page)));
}

std::uint64_t CutSeedForCode(std::uint64_t seed, const SheetSettings& settings) {
    return seed & LowBitsMask(SheetSeedBits(SheetCodeVersionFor(settings)));
}

std::optional<QString> SheetSettingsFault(const SheetSettings& settings) {
    if (!settings.sections.empty()) {
        return SectionsFault(settings.sections);
    }
    const auto outside = [](int value, int lowest, int highest) {
        return value < lowest || value > highest;
    };
    if (!IsOperationRow(settings.operation)) {
        return QCoreApplication::translate("tallyworth::SheetCode",
                                           "Operation must be one of +, -, *, %1 and Mix.")
            .arg(DivideSignText());
    }
    if (outside(settings.count, kLeastProblems, kMostProblems)) {
        return SettingsText("Number of Problems must be between 1 and 100.");
    }
    if (outside(settings.highest, kLeastNumber, kMostNumber)) {
        return SettingsText("Highest Number must be between 1 and 99.");
    }
    if (outside(settings.lowest, kLeastNumber, kMostNumber)) {
        return SettingsText("Lowest Number must be between 1 and 99.");
    }
    if (settings.lowest > settings.highest) {
        return SettingsText("Lowest Number must be less than Highest Number!");
    }
    if (settings.lowest == settings.highest) {
        return SettingsText("Lowest Number cannot equal Highest Number.");
    }
    if (outside(settings.rules.fixedNumber, 0, kMostFixed)) {
        return QCoreApplication::translate("tallyworth::SheetCode",
                                           "The fixed number must be between 1 and 99.");
    }
    return std::nullopt;
}

namespace {

// The symbols of a code of fixed length; none when the layout cannot carry the code.
std::vector<int> FixedSymbols(const SheetCode& code, const CodeLayout& layout) {
    if (!code.settings.sections.empty() || (!layout.carriesRules && code.settings.rules.AnyOn()) ||
        (!layout.carriesPage && !code.settings.page.AllDefault()) ||
        (code.seed & ~LowBitsMask(layout.SeedBits())) != 0U) {
        return {};
    }
    const std::uint64_t body =
        (layout.pack(code.settings) << static_cast<unsigned>(layout.SeedBits())) | code.seed;
    std::vector<int> symbols(kSymbolCount - 1);
    symbols.front() = code.version;
    for (int index = kBodySymbols; index >= 1; --index) {
        const auto shift = static_cast<unsigned>((kBodySymbols - index) * kSymbolBits);
        symbols[static_cast<std::size_t>(index)] = static_cast<int>((body >> shift) & 31U);
    }
    return symbols;
}

std::vector<int> SectionsSymbols(const SheetCode& code) {
    if (code.settings.sections.empty() || (code.seed & ~LowBitsMask(kSectionsSeedBits)) != 0U) {
        return {};
    }
    std::vector<int> symbols{kSectionsSheetCodeVersion};
    const std::vector<int> body = SectionsCodeBody(code);
    symbols.insert(symbols.end(), body.begin(), body.end());
    return symbols;
}

}  // namespace

QString FormatSheetCode(const SheetCode& code) {
    const CodeLayout* layout = LayoutOf(code.version);
    if ((layout == nullptr && code.version != kSectionsSheetCodeVersion) ||
        SheetSettingsFault(code.settings)) {
        return {};
    }
    std::vector<int> symbols =
        layout != nullptr ? FixedSymbols(code, *layout) : SectionsSymbols(code);
    if (symbols.empty()) {
        return {};
    }
    symbols.push_back(Damm32CheckSymbol(symbols));
    return SymbolsText(symbols);
}

QString FormatProblemsCode(const SheetCode& code) {
    const CodeLayout* layout = LayoutOf(code.version);
    if (layout == nullptr || layout->carriesPage) {
        return FormatSheetCode(code);
    }
    SheetCode problems = code;
    problems.settings.page = {};
    return FormatSheetCode(problems);
}

SheetCodeParse ParseSheetCode(const QString& typed) {
    const std::variant<std::vector<int>, SheetCodeError> read = ReadSymbols(typed);
    if (const auto* error = std::get_if<SheetCodeError>(&read)) {
        return *error;
    }
    return DecodeSymbols(std::get<std::vector<int>>(read));
}

std::uint64_t SheetSeed(std::uint64_t firstSeed, int sheetIndex, int version) {
    // Sheet k's seed is the first one with a scrambled k mixed in: the scramble is one to
    // one and leaves 0 alone, so sheet 0 keeps the first seed and no two sheets share one.
    const int bits = SheetSeedBits(version);
    return firstSeed ^ Scramble(static_cast<std::uint64_t>(sheetIndex), bits);
}

SheetCode SheetOfSet(const SheetCode& first, int sheetIndex) {
    SheetCode sheet = first;
    sheet.seed = SheetSeed(first.seed, sheetIndex, first.version);
    return sheet;
}

}  // namespace tallyworth
