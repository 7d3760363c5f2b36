#pragma once

#include "core/composer.h"
#include "core/sheet_code.h"
#include "core/worksheet_state.h"

namespace tallyworth {

// Writes settings that pass SheetSettingsFault into a worksheet state whose divide sign
// and operation table are set: operation, numbers, count, division notation and problem
// rules and page options. The negative-results switch belongs to the main window, not to
// the state.
void ApplySheetSettings(const SheetSettings& settings, WorksheetState& state);

// The state the main window would hold for settings that pass SheetSettingsFault: a fresh
// state with its operation table (StateWithOperations), on page 1, the settings applied.
[[nodiscard]] WorksheetState StateOfSheet(const SheetSettings& settings);

// The settings of the worksheet a state describes, its problem rules and page options with
// them, and the window's negative-results switch. SheetCodeOf gives their code with a seed.
[[nodiscard]] SheetSettings SheetSettingsOf(const WorksheetState& state, bool allowNegative);

// What the settings decide about the problems a sheet can hold.
[[nodiscard]] ProblemSettings ProblemSettingsOf(const SheetSettings& settings);

// The worksheet a code brings back: the problems of its settings drawn from its seed
// under its rules, outside the cell-numbering mode. Empty when the version is unknown, the
// settings fail SheetSettingsFault, the version cannot hold the settings' rules or page
// options, or no problem fits the rules.
[[nodiscard]] ProblemSet ComposeSheet(const SheetCode& code);

}  // namespace tallyworth
