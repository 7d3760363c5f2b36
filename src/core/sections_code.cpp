#include "core/sections_code.h"

#include "core/sheet_code_symbols.h"
#include "core/written_problems.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace tallyworth {

namespace {

constexpr int kNumberBits = 7;  // 1 to 99, less one
constexpr int kCountBits = 7;   // 1 to 100, less one
constexpr int kFixedBits = 7;   // 0 to 99
constexpr int kPercentBits = 7;
constexpr int kSectionCountBits = 3;
constexpr int kWrittenNumberBits = 20;  // 1 to 999,999, less one
constexpr int kWidthBits = 5;
constexpr int kMethodBits = 3;

// Fields written high bit first into a row of 5-bit symbols, the last one padded with 0s.
class BitWriter {
  public:
    void Put(std::uint32_t value, int bits) {
        for (int bit = bits - 1; bit >= 0; --bit) {
            bits_.push_back(((value >> static_cast<unsigned>(bit)) & 1U) != 0U);
        }
    }
    void Put(bool value) { bits_.push_back(value); }

    [[nodiscard]] std::vector<int> Symbols() const {
        std::vector<int> symbols;
        for (std::size_t start = 0; start < bits_.size(); start += kSymbolBits) {
            int symbol = 0;
            for (std::size_t bit = start; bit < start + kSymbolBits; ++bit) {
                symbol = symbol * 2 + (bit < bits_.size() && bits_[bit] ? 1 : 0);
            }
            symbols.push_back(symbol);
        }
        return symbols;
    }

  private:
    std::vector<bool> bits_;
};

// Reads what BitWriter wrote; a read past the end sets the reader failed.
class BitReader {
  public:
    explicit BitReader(std::span<const int> symbols) : symbols_(symbols) {}

    std::uint32_t Get(int bits) {
        std::uint32_t value = 0;
        for (int bit = 0; bit < bits; ++bit) {
            value = value * 2U + (NextBit() ? 1U : 0U);
        }
        return value;
    }
    bool GetFlag() { return Get(1) == 1U; }

    // Whether every field was there and only padding, all 0s, is left.
    [[nodiscard]] bool EndsWell() {
        const std::size_t left = symbols_.size() * kSymbolBits - position_;
        if (failed_ || left >= kSymbolBits) {
            return false;
        }
        return Get(static_cast<int>(left)) == 0U && !failed_;
    }
    [[nodiscard]] bool Failed() const { return failed_; }

  private:
    bool NextBit() {
        const std::size_t symbol = position_ / kSymbolBits;
        if (symbol >= symbols_.size()) {
            failed_ = true;
            return false;
        }
        const auto shift = static_cast<unsigned>(kSymbolBits - 1 - position_ % kSymbolBits);
        ++position_;
        return ((static_cast<unsigned>(symbols_[symbol]) >> shift) & 1U) != 0U;
    }

    std::span<const int> symbols_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

void PutRange(BitWriter& writer, const NumberRange& range) {
    writer.Put(static_cast<std::uint32_t>(range.lowest - kLeastNumber), kNumberBits);
    writer.Put(static_cast<std::uint32_t>(range.highest - kLeastNumber), kNumberBits);
}

NumberRange GetRange(BitReader& reader) {
    NumberRange range;
    range.lowest = static_cast<int>(reader.Get(kNumberBits)) + kLeastNumber;
    range.highest = static_cast<int>(reader.Get(kNumberBits)) + kLeastNumber;
    return range;
}

void PutRules(BitWriter& writer, const ProblemRules& rules) {
    writer.Put(rules.AnyOn());
    if (rules.AnyOn()) {
        writer.Put(rules.noTrivial);
        writer.Put(static_cast<std::uint32_t>(rules.fixedNumber), kFixedBits);
        writer.Put(static_cast<std::uint32_t>(rules.regrouping), 2);
        writer.Put(rules.noRepeats);
    }
}

ProblemRules GetRules(BitReader& reader) {
    ProblemRules rules;
    if (reader.GetFlag()) {
        rules.noTrivial = reader.GetFlag();
        rules.fixedNumber = static_cast<int>(reader.Get(kFixedBits));
        rules.regrouping = static_cast<Regrouping>(reader.Get(2));
        rules.noRepeats = reader.GetFlag();
    }
    return rules;
}

// A title's characters in five bits each where they can be: the small letters, the blank
// and the end, with escapes for a capital, a digit, a common mark and any other character.
constexpr std::uint32_t kLetters = 26;
constexpr std::uint32_t kBlank = 26;
constexpr std::uint32_t kCapital = 27;
constexpr std::uint32_t kDigit = 28;
constexpr std::uint32_t kMark = 29;
constexpr std::uint32_t kOther = 30;
constexpr std::uint32_t kEnd = 31;
constexpr int kDigitBits = 4;
constexpr int kMarkBits = 3;
constexpr int kCodeUnitBits = 16;
constexpr std::array<char16_t, 8> kMarks{u'.', u',', u'-', u'\'', u':', u'(', u')', u'!'};

void PutCharacter(BitWriter& writer, char16_t unit) {
    if (unit >= u'a' && unit <= u'z') {
        writer.Put(static_cast<std::uint32_t>(unit - u'a'), kSymbolBits);
    } else if (unit >= u'A' && unit <= u'Z') {
        writer.Put(kCapital, kSymbolBits);
        writer.Put(static_cast<std::uint32_t>(unit - u'A'), kSymbolBits);
    } else if (unit >= u'0' && unit <= u'9') {
        writer.Put(kDigit, kSymbolBits);
        writer.Put(static_cast<std::uint32_t>(unit - u'0'), kDigitBits);
    } else if (unit == u' ') {
        writer.Put(kBlank, kSymbolBits);
    } else if (const auto* mark = std::find(kMarks.begin(), kMarks.end(), unit);
               mark != kMarks.end()) {
        writer.Put(kMark, kSymbolBits);
        writer.Put(static_cast<std::uint32_t>(mark - kMarks.begin()), kMarkBits);
    } else {
        writer.Put(kOther, kSymbolBits);
        writer.Put(unit, kCodeUnitBits);
    }
}

void PutTitle(BitWriter& writer, const QString& title) {
    for (const QChar character : title) {
        PutCharacter(writer, character.unicode());
    }
    writer.Put(kEnd, kSymbolBits);
}

bool HasShortForm(char16_t unit) {
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'0' && unit <= u'9') || unit == u' ' ||
           std::find(kMarks.begin(), kMarks.end(), unit) != kMarks.end();
}

// One character of a title; nothing for a value PutCharacter never writes.
std::optional<QChar> GetCharacter(BitReader& reader, std::uint32_t value) {
    if (value < kLetters) {
        return QChar(static_cast<char16_t>(u'a' + value));
    }
    switch (value) {
        case kBlank:
            return QChar(u' ');
        case kCapital: {
            const std::uint32_t letter = reader.Get(kSymbolBits);
            return letter < kLetters ? std::optional(QChar(static_cast<char16_t>(u'A' + letter)))
                                     : std::nullopt;
        }
        case kDigit: {
            const std::uint32_t digit = reader.Get(kDigitBits);
            return digit < 10U ? std::optional(QChar(static_cast<char16_t>(u'0' + digit)))
                               : std::nullopt;
        }
        case kMark:
            return QChar(kMarks[reader.Get(kMarkBits)]);
        default:
            break;
    }
    const auto unit = static_cast<char16_t>(reader.Get(kCodeUnitBits));
    return HasShortForm(unit) ? std::nullopt : std::optional(QChar(unit));
}

// Reads up to the end mark; a title longer than any allowed one, or written in a way
// PutTitle never writes, marks the code unreadable.
QString GetTitle(BitReader& reader, bool& fits) {
    QString title;
    for (std::uint32_t value = reader.Get(kSymbolBits); value != kEnd && fits && !reader.Failed();
         value = reader.Get(kSymbolBits)) {
        const std::optional<QChar> character = GetCharacter(reader, value);
        // A title is checked whole later; this only bounds the reading (two units a character).
        fits = character.has_value() && title.size() < qsizetype{2} * kMostTitleCharacters;
        if (fits) {
            title += *character;
        }
    }
    return title;
}

int KindBits(int version) {
    return version == kWrittenSheetCodeVersion ? 3 : 2;
}

// A written number less one in as many bits as it needs: their count, then the bits below
// the highest, which is always 1. A range of small numbers so keeps its code short.
void PutWrittenNumber(BitWriter& writer, int number) {
    const auto value = static_cast<std::uint32_t>(number - 1);
    const auto width = static_cast<int>(std::bit_width(value));
    writer.Put(static_cast<std::uint32_t>(width), kWidthBits);
    if (width > 1) {
        writer.Put(value, width - 1);
    }
}

int GetWrittenNumber(BitReader& reader, bool& fits) {
    const auto width = static_cast<int>(reader.Get(kWidthBits));
    fits = fits && width <= kWrittenNumberBits;
    if (width == 0 || !fits) {
        return 1;
    }
    const std::uint32_t below = width > 1 ? reader.Get(width - 1) : 0U;
    return static_cast<int>((1U << static_cast<unsigned>(width - 1)) | below) + 1;
}

void PutWrittenRange(BitWriter& writer, const NumberRange& range) {
    PutWrittenNumber(writer, range.lowest);
    PutWrittenNumber(writer, range.highest);
}

NumberRange GetWrittenRange(BitReader& reader, bool& fits) {
    NumberRange range;
    range.lowest = GetWrittenNumber(reader, fits);
    range.highest = GetWrittenNumber(reader, fits);
    return range;
}

// A written section's fields after its kind: the operation, both ranges, the count, the
// no-repeats rule and what its operation reads besides.
void PutWritten(BitWriter& writer, const SheetSection& section) {
    const OperationRow operation = WrittenOperation(section).value_or(OperationRow::Add);
    writer.Put(static_cast<std::uint32_t>(RowNumber(operation) - 1), 2);
    PutWrittenRange(writer, section.first);
    PutWrittenRange(writer, section.second);
    writer.Put(static_cast<std::uint32_t>(section.count - kLeastProblems), kCountBits);
    writer.Put(section.rules.noRepeats);
    if (operation == OperationRow::Add) {
        writer.Put(static_cast<std::uint32_t>(section.addends - kLeastAddends), 2);
    }
    if (operation == OperationRow::Add || operation == OperationRow::Subtract) {
        writer.Put(static_cast<std::uint32_t>(section.carrying), 2);
    }
    if (operation == OperationRow::Divide) {
        writer.Put(static_cast<std::uint32_t>(section.remainderPercent), kPercentBits);
    }
}

void GetWritten(BitReader& reader, SheetSection& section, bool& fits) {
    const auto operation = static_cast<OperationRow>(reader.Get(2) + 1);
    section.operations = OperationBit(operation);
    section.first = GetWrittenRange(reader, fits);
    section.second = GetWrittenRange(reader, fits);
    section.count = static_cast<int>(reader.Get(kCountBits)) + kLeastProblems;
    section.rules.noRepeats = reader.GetFlag();
    if (operation == OperationRow::Add) {
        section.addends = static_cast<int>(reader.Get(2)) + kLeastAddends;
    }
    if (operation == OperationRow::Add || operation == OperationRow::Subtract) {
        const std::uint32_t carrying = reader.Get(2);
        fits = fits && carrying < kCarryings;
        section.carrying = static_cast<Carrying>(carrying);
    }
    if (operation == OperationRow::Divide) {
        section.remainderPercent = static_cast<int>(reader.Get(kPercentBits));
    }
}

void PutSection(BitWriter& writer, const SheetSection& section, int version) {
    writer.Put(static_cast<std::uint32_t>(section.kind), KindBits(version));
    if (section.kind == SectionKind::Written) {
        PutWritten(writer, section);
        PutTitle(writer, section.title);
        return;
    }
    if (!IsDivisionKind(section.kind)) {
        writer.Put(section.operations, 4);
    }
    PutRange(writer, section.first);
    writer.Put(section.second == section.first);
    if (!(section.second == section.first)) {
        PutRange(writer, section.second);
    }
    writer.Put(static_cast<std::uint32_t>(section.count - kLeastProblems), kCountBits);
    writer.Put(section.allowNegative);
    PutRules(writer, section.rules);
    if (section.kind == SectionKind::Missing) {
        writer.Put(static_cast<std::uint32_t>(section.missing), 2);
    }
    if (section.kind == SectionKind::Remainder) {
        writer.Put(static_cast<std::uint32_t>(section.remainderPercent), kPercentBits);
    }
    PutTitle(writer, section.title);
}

// A field read with more values than its type has marks the code unreadable.
SheetSection GetSection(BitReader& reader, bool& fits, int version) {
    SheetSection section;
    const std::uint32_t kind = reader.Get(KindBits(version));
    fits = fits && kind < kSectionKinds;
    section.kind = static_cast<SectionKind>(kind);
    if (section.kind == SectionKind::Written) {
        GetWritten(reader, section, fits);
        section.title = GetTitle(reader, fits);
        return section;
    }
    section.operations = IsDivisionKind(section.kind) ? OperationBit(OperationRow::Divide)
                                                      : static_cast<OperationSet>(reader.Get(4));
    section.first = GetRange(reader);
    section.second = reader.GetFlag() ? section.first : GetRange(reader);
    section.count = static_cast<int>(reader.Get(kCountBits)) + kLeastProblems;
    section.allowNegative = reader.GetFlag();
    section.rules = GetRules(reader);
    fits =
        fits && static_cast<int>(section.rules.regrouping) <= static_cast<int>(Regrouping::Always);
    if (section.kind == SectionKind::Missing) {
        const std::uint32_t place = reader.Get(2);
        fits = fits && place < kMissingPlaces;
        section.missing = static_cast<MissingPlace>(place);
    }
    if (section.kind == SectionKind::Remainder) {
        section.remainderPercent = static_cast<int>(reader.Get(kPercentBits));
    }
    section.title = GetTitle(reader, fits);
    return section;
}

void PutPage(BitWriter& writer, const PageOptions& page, int version) {
    writer.Put(static_cast<std::uint32_t>(page.timesSign), 2);
    writer.Put(static_cast<std::uint32_t>(page.divideSign), 2);
    writer.Put(static_cast<std::uint32_t>(page.layout), 1);
    writer.Put(static_cast<std::uint32_t>(page.size), 2);
    writer.Put(page.fillPage);
    if (version == kWrittenSheetCodeVersion) {
        writer.Put(static_cast<std::uint32_t>(page.method), kMethodBits);
        writer.Put(static_cast<std::uint32_t>(page.squares), 2);
        writer.Put(page.keyWorking);
    }
}

void GetWrittenPage(BitReader& reader, PageOptions& page, bool& fits) {
    const std::uint32_t method = reader.Get(kMethodBits);
    const std::uint32_t squares = reader.Get(2);
    page.keyWorking = reader.GetFlag();
    fits = fits && squares <= static_cast<std::uint32_t>(SquaredPaper::Off);
    page.method = static_cast<WrittenMethod>(method);
    page.squares = static_cast<SquaredPaper>(squares);
}

PageOptions GetPage(BitReader& reader, bool& fits, int version) {
    PageOptions page;
    page.timesSign = static_cast<TimesSign>(reader.Get(2));
    const std::uint32_t divide = reader.Get(2);
    page.divideSign = static_cast<DivideSign>(divide);
    page.layout = static_cast<ProblemLayout>(reader.Get(1));
    const std::uint32_t size = reader.Get(2);
    page.size = static_cast<PrintSize>(size);
    page.fillPage = reader.GetFlag();
    if (version == kWrittenSheetCodeVersion) {
        GetWrittenPage(reader, page, fits);
    }
    fits = fits && divide <= static_cast<std::uint32_t>(DivideSign::Colon) &&
           size <= static_cast<std::uint32_t>(PrintSize::ExtraLarge);
    return page;
}

}  // namespace

std::vector<int> SectionsCodeBody(const SheetCode& code) {
    if (code.version < SheetCodeVersionFor(code.settings)) {
        return {};
    }
    BitWriter writer;
    writer.Put(static_cast<std::uint32_t>(code.seed), kSectionsSeedBits);
    writer.Put(code.settings.upsideDownSeven);
    PutPage(writer, code.settings.page, code.version);
    const std::vector<SheetSection>& sections = code.settings.sections;
    writer.Put(static_cast<std::uint32_t>(sections.size() - 1), kSectionCountBits);
    for (const SheetSection& section : sections) {
        PutSection(writer, section, code.version);
    }
    return writer.Symbols();
}

std::optional<SheetCode> SectionsCodeOfBody(std::span<const int> body, int version) {
    BitReader reader(body);
    SheetCode code;
    code.version = version;
    code.seed = reader.Get(kSectionsSeedBits);
    bool fits = true;
    const bool upsideDownSeven = reader.GetFlag();
    const PageOptions page = GetPage(reader, fits, version);
    const auto count = static_cast<int>(reader.Get(kSectionCountBits)) + 1;
    std::vector<SheetSection> sections;
    for (int index = 0; index < count && fits && !reader.Failed(); ++index) {
        sections.push_back(GetSection(reader, fits, version));
    }
    if (!fits || !reader.EndsWell()) {
        return std::nullopt;
    }
    code.settings.upsideDownSeven = upsideDownSeven;
    code.settings.page = page;
    code.settings.count = 0;
    for (const SheetSection& section : sections) {
        code.settings.count += section.count;
    }
    code.settings.sections = std::move(sections);
    return code;
}

}  // namespace tallyworth
