#pragma once

#include "core/sheet_code.h"
#include "core/sheet_code_symbols.h"

#include <cstdint>

namespace tallyworth {

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

// The layout of a code of this version; nullptr for a version this program does not know.
[[nodiscard]] const CodeLayout* LayoutOf(int version);

// The lowest bits of a 64-bit word, all of them from 64 on.
[[nodiscard]] std::uint64_t LowBitsMask(int bits);

}  // namespace tallyworth
