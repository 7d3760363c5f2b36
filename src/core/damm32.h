#pragma once

#include <span>

namespace tallyworth {

// Check symbols for the 32 symbols of a sheet code (values 0 to 31), by Damm's
// algorithm on the quasigroup x o y = 2x + y over GF(32). The quasigroup is totally
// anti-symmetric, so a check symbol catches every single changed symbol and every swap
// of two neighbours.

// One step of the check: the interim value after symbol follows interim.
[[nodiscard]] int Damm32Step(int interim, int symbol);
// The interim value after all symbols, starting from 0; 0 when a code checks out.
[[nodiscard]] int Damm32Interim(std::span<const int> symbols);
// The symbol that, appended to symbols, brings the interim value to 0.
[[nodiscard]] int Damm32CheckSymbol(std::span<const int> symbols);

}  // namespace tallyworth
