#pragma once

#include "core/sheet_code.h"

#include <optional>
#include <span>
#include <vector>

namespace tallyworth {

// How many low bits of a seed a code of sections carries.
inline constexpr int kSectionsSeedBits = 20;

// The symbols of a code of sections between its version symbol and its check symbol: the
// seed, the division notation, the page options and each section, every field in as few
// bits as its values need and the fields a section's kind does not read left out. Version
// 6 adds the written methods' page options, a written section's fields and a wider kind.
// Empty when the code's version cannot carry its sections.
[[nodiscard]] std::vector<int> SectionsCodeBody(const SheetCode& code);

// The sheet those symbols carry in a code of the version; nothing when they do not read as
// one (too few or too many, or a value no field takes). Its settings still have to pass
// SheetSettingsFault.
[[nodiscard]] std::optional<SheetCode> SectionsCodeOfBody(std::span<const int> body, int version);

}  // namespace tallyworth
