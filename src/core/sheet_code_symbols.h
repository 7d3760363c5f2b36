#pragma once

#include "core/sheet_code.h"

#include <QString>

#include <cstdint>
#include <span>
#include <variant>
#include <vector>

namespace tallyworth {

// The symbols of a sheet code, in Crockford's base 32: the first is the version, then the
// body, then the check symbol. The body is twelve symbols but in a code of sections, which
// has as many as its sections need.
inline constexpr int kSymbolBits = 5;
inline constexpr int kSymbolCount = 14;
inline constexpr int kBodySymbols = 12;
inline constexpr int kBodyBits = kBodySymbols * kSymbolBits;  // settings above the seed

using Symbols = std::vector<int>;

// Reads the symbols of a typed code, or says why they are not a code's symbols.
[[nodiscard]] std::variant<Symbols, SheetCodeError> ReadSymbols(const QString& typed);
// Whether the check symbol matches the others.
[[nodiscard]] bool ChecksOut(const Symbols& symbols);
// The body the symbols of a code of twelve body symbols carry.
[[nodiscard]] std::uint64_t BodyOf(const Symbols& symbols);
// The symbols of a code of this version and a body of twelve symbols, the check symbol last.
[[nodiscard]] Symbols SymbolsOf(int version, std::uint64_t body);
// The symbols with the check symbol appended.
[[nodiscard]] Symbols WithCheckSymbol(Symbols symbols);
// The code as shown: the symbols in groups of 5, the last one shorter.
[[nodiscard]] QString SymbolsText(const Symbols& symbols);

}  // namespace tallyworth
