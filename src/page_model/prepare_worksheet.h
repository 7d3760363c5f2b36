#pragma once

#include "core/composer.h"
#include "core/problem_rules.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "page_model/page_controls.h"
#include "page_model/page_fill.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tallyworth {

// The texts of the main window's three fields as the user typed them.
struct SettingsTexts {
    QString lowest;
    QString highest;
    QString count;
};

// The main window as the preparation step sees it: the composer's host, plus the
// progress bar's visibility.
class PreparationHost : public ComposerHost {
  public:
    virtual void SetProgressVisible(bool visible) = 0;
};

// True for the pair of bounds that switches the worksheet into the cell-numbering mode.
bool AsksForCellNumbers(const SettingsTexts& texts);

// Whether the bounds may switch the page to cell numbers. A worksheet brought back from
// its sheet code never does: the code stands for the problems drawn, whatever the bounds.
enum class CellNumbering { ByBounds, Never };
// What the main window asks of a sheet, as the problem rules see it.
struct RequestedProblems {
    ProblemSettings settings;
    int count = 0;
    // The bounds ask for the cell-numbering mode, so View shows cell numbers, where the
    // rules do not apply.
    bool cellNumbers = false;
};

// The request the texts make with the chosen operation row and negative-results switch;
// nothing when the settings checks would refuse the texts.
[[nodiscard]] std::optional<RequestedProblems> ReadRequestedProblems(const SettingsTexts& texts,
                                                                     OperationRow operationRow,
                                                                     bool allowNegative);

// CheckRulesFit on the texts of the main window: the rules fit the cell-numbering mode,
// where they do not apply, and texts the settings checks refuse, which those report.
// Sheets that never show cell numbers, such as those of a class set, are checked
// whatever their bounds.
[[nodiscard]] RulesCheck CheckProblemRules(const SettingsTexts& texts, OperationRow operationRow,
                                           bool allowNegative, const ProblemRules& rules,
                                           CellNumbering cellNumbering = CellNumbering::ByBounds);

// Turns checked settings into a filled page 1: decides the cell-numbering mode, hides
// every cell, lays the cells out for state.operation, composes and fills, applies the
// solutions switch. The progress bar is shown for the duration and always hidden at
// the end.
void PrepareTest(WorksheetState& state, PageControls& page, const SettingsTexts& texts,
                 RandomSource& source, PreparationHost& host, FailureReporter& reporter,
                 CellNumbering cellNumbering = CellNumbering::ByBounds);

}  // namespace tallyworth
