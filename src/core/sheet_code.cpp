#include "core/sheet_code.h"

#include "core/sections_code.h"
#include "core/sheet_code_packing.h"
#include "core/sheet_code_symbols.h"
#include "core/validation.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

namespace tallyworth {

namespace {

SheetCodeError BadSettings(const QString& fault) {
    return SheetCodeError{SheetCodeFault::BadSettings,
                          QCoreApplication::translate("tallyworth::SheetCode",
                                                      "The sheet code holds settings that cannot "
                                                      "make a worksheet: %1")
                              .arg(fault)};
}

// The sheet the symbols carry, its settings unchecked; nothing when they cannot be read.
std::optional<SheetCode> DecodeBody(const Symbols& symbols, const CodeLayout* layout) {
    if (layout == nullptr) {
        return SectionsCodeOfBody(std::span<const int>(symbols).subspan(1, symbols.size() - 2),
                                  symbols.front());
    }
    const std::uint64_t body = BodyOf(symbols);
    return SheetCode{layout->unpack(body >> static_cast<unsigned>(layout->SeedBits())),
                     body & LowBitsMask(layout->SeedBits()), layout->version};
}

SheetCodeParse DecodeSymbols(const Symbols& symbols) {
    if (!ChecksOut(symbols)) {
        return SheetCodeError{
            SheetCodeFault::WrongCheck,
            QCoreApplication::translate("tallyworth::SheetCode",
                                        "The sheet code's check character does not match: "
                                        "please check what you typed.")};
    }
    const int version = symbols.front();
    const CodeLayout* layout = LayoutOf(version);
    if (layout == nullptr && !IsSectionsVersion(version)) {
        return SheetCodeError{SheetCodeFault::UnknownVersion,
                              QCoreApplication::translate(
                                  "tallyworth::SheetCode",
                                  "The sheet code is of version %1, which this program does "
                                  "not know: it may come from a newer version of the program.")
                                  .arg(version)};
    }
    const std::optional<SheetCode> code = DecodeBody(symbols, layout);
    if (!code) {
        return BadSettings(
            QCoreApplication::translate("tallyworth::SheetCode", "its sections cannot be read."));
    }
    if (const std::optional<QString> fault = SheetSettingsFault(code->settings)) {
        return BadSettings(*fault);
    }
    return *code;
}

// The symbols of a code of fixed length; none when the layout cannot carry the code.
Symbols FixedSymbols(const SheetCode& code, const CodeLayout& layout) {
    if (!code.settings.sections.empty() || (!layout.carriesRules && code.settings.rules.AnyOn()) ||
        (!layout.carriesPage && !code.settings.page.AllDefault()) ||
        (code.seed & ~LowBitsMask(layout.SeedBits())) != 0U) {
        return {};
    }
    const std::uint64_t body =
        (layout.pack(code.settings) << static_cast<unsigned>(layout.SeedBits())) | code.seed;
    return SymbolsOf(code.version, body);
}

Symbols SectionsSymbols(const SheetCode& code) {
    if (code.settings.sections.empty() || (code.seed & ~LowBitsMask(kSectionsSeedBits)) != 0U) {
        return {};
    }
    Symbols symbols{code.version};
    const std::vector<int> body = SectionsCodeBody(code);
    if (body.empty()) {
        return {};
    }
    symbols.insert(symbols.end(), body.begin(), body.end());
    return WithCheckSymbol(std::move(symbols));
}

}  // namespace

int SheetCodeVersionFor(const SheetSettings& settings) {
    if (!settings.sections.empty()) {
        const bool written = std::any_of(
            settings.sections.begin(), settings.sections.end(),
            [](const SheetSection& section) { return section.kind == SectionKind::Written; });
        return written ? kWrittenSheetCodeVersion : kSectionsSheetCodeVersion;
    }
    return SheetCodeVersionFor(settings.rules, settings.page);
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
        settings.sections.empty() ? kFairSheetCodeVersion : SheetCodeVersionFor(settings);
    return {settings, seed & LowBitsMask(SheetSeedBits(version)), version};
}

int SheetSeedBits(int version) {
    if (IsSectionsVersion(version)) {
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
    if (!IsOperationRow(settings.operation)) {
        return QCoreApplication::translate("tallyworth::SheetCode",
                                           "Operation must be one of +, -, *, %1 and Mix.")
            .arg(DivideSignText());
    }
    // The first fault, in the order a code's faults have always been named: unlike the
    // window's, the ranges come before the order of the numbers.
    const CheckedNumbers numbers{settings.highest, settings.lowest,
                                 static_cast<double>(settings.count)};
    for (const RangeCheck check :
         {RangeCheck::Count, RangeCheck::HighestRange, RangeCheck::LowestRange,
          RangeCheck::LowestAboveHighest, RangeCheck::LowestEqualsHighest}) {
        if (FailsRangeCheck(check, numbers)) {
            return RangeCheckMessage(check);
        }
    }
    if (settings.rules.fixedNumber < 0 || settings.rules.fixedNumber > kMostFixed) {
        return QCoreApplication::translate("tallyworth::SheetCode",
                                           "The fixed number must be between 1 and 99.");
    }
    return std::nullopt;
}

QString FormatSheetCode(const SheetCode& code) {
    const CodeLayout* layout = LayoutOf(code.version);
    if ((layout == nullptr && !IsSectionsVersion(code.version)) ||
        SheetSettingsFault(code.settings)) {
        return {};
    }
    const Symbols symbols = layout != nullptr ? FixedSymbols(code, *layout) : SectionsSymbols(code);
    return symbols.empty() ? QString() : SymbolsText(symbols);
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
    const std::variant<Symbols, SheetCodeError> read = ReadSymbols(typed);
    if (const auto* error = std::get_if<SheetCodeError>(&read)) {
        return *error;
    }
    return DecodeSymbols(std::get<Symbols>(read));
}

}  // namespace tallyworth
