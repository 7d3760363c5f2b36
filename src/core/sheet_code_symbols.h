#pragma once

#include "core/sheet_code.h"

#include <QString>

#include <array>
#include <cstdint>
#include <variant>

namespace tallyworth {

// The symbols of a sheet code, in Crockford's base 32: the first is the version, then
// twelve symbols of body, then the check symbol.
inline constexpr int kSymbolBits = 5;
inline constexpr int kSymbolCount = 14;
inline constexpr int kBodySymbols = 12;
inline constexpr int kBodyBits = kBodySymbols * kSymbolBits;  // settings above the seed

using Symbols = std::array<int, kSymbolCount>;

// Reads the symbols of a typed code, or says why they are not a code's symbols.
[[nodiscard]] std::variant<Symbols, SheetCodeError> ReadSymbols(const QString& typed);
// Whether the check symbol matches the others.
[[nodiscard]] bool ChecksOut(const Symbols& symbols);
// The body the symbols between the version and the check symbol carry.
[[nodiscard]] std::uint64_t BodyOf(const Symbols& symbols);
// The symbols of a code of this version and body, the check symbol last.
[[nodiscard]] Symbols SymbolsOf(int version, std::uint64_t body);
// The code as shown: the symbols in groups of 5, 5 and 4.
[[nodiscard]] QString SymbolsText(const Symbols& symbols);

}  // namespace tallyworth
