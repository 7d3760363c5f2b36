#include "core/sheet_code_symbols.h"

#include "core/damm32.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>

namespace tallyworth {

namespace {

// Crockford's base 32: digits and capitals without I, L, O and U.
constexpr std::array<char16_t, 32> kAlphabet{
    u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'A', u'B', u'C', u'D', u'E', u'F',
    u'G', u'H', u'J', u'K', u'M', u'N', u'P', u'Q', u'R', u'S', u'T', u'V', u'W', u'X', u'Y', u'Z'};
constexpr std::size_t kGroupSymbols = 5;  // a dash after every five symbols

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

}  // namespace

std::variant<Symbols, SheetCodeError> ReadSymbols(const QString& typed) {
    Symbols symbols;
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
    const bool sections = !symbols.empty() && IsSectionsVersion(symbols.front());
    const auto count = static_cast<std::size_t>(kSymbolCount);
    if (sections ? symbols.size() < count : symbols.size() != count) {
        return WrongLength(static_cast<qsizetype>(symbols.size()));
    }
    return symbols;
}

bool ChecksOut(const Symbols& symbols) {
    return Damm32Interim(symbols) == 0;
}

std::uint64_t BodyOf(const Symbols& symbols) {
    std::uint64_t body = 0;
    for (int index = 1; index <= kBodySymbols; ++index) {
        body = (body << kSymbolBits) |
               static_cast<std::uint64_t>(symbols[static_cast<std::size_t>(index)]);
    }
    return body;
}

Symbols SymbolsOf(int version, std::uint64_t body) {
    Symbols symbols(kSymbolCount - 1);
    symbols.front() = version;
    for (int index = kBodySymbols; index >= 1; --index) {
        const auto shift = static_cast<unsigned>((kBodySymbols - index) * kSymbolBits);
        symbols[static_cast<std::size_t>(index)] = static_cast<int>((body >> shift) & 31U);
    }
    return WithCheckSymbol(std::move(symbols));
}

Symbols WithCheckSymbol(Symbols symbols) {
    symbols.push_back(Damm32CheckSymbol(symbols));
    return symbols;
}

QString SymbolsText(const Symbols& symbols) {
    QString text;
    for (std::size_t index = 0; index < symbols.size(); ++index) {
        if (index > 0 && index % kGroupSymbols == 0) {
            text += u'-';
        }
        text += QChar(kAlphabet[static_cast<std::size_t>(symbols[index])]);
    }
    return text;
}

}  // namespace tallyworth
