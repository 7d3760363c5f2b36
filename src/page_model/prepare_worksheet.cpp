#include "page_model/prepare_worksheet.h"

#include "core/number_conversion.h"
#include "core/validation.h"
#include "page_model/build_worksheet.h"
#include "page_model/page_layout.h"

#include <optional>

namespace tallyworth {

namespace {

constexpr double kCellNumbersLowest = 61.0;
constexpr double kCellNumbersHighest = 62.0;

// Hides the progress bar however the preparation ends.
class ProgressShown {
  public:
    explicit ProgressShown(PreparationHost& host) : host_(host) { host_.SetProgressVisible(true); }
    ~ProgressShown() { host_.SetProgressVisible(false); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

  private:
    PreparationHost& host_;
};

// The operation text only matters to the checks for a lowest of 0, which they refuse for
// every operation.
ValidationResult ValidateTexts(const SettingsTexts& texts) {
    return ValidateSettings(texts.highest, texts.lowest, texts.count, QString());
}

}  // namespace

bool AsksForCellNumbers(const SettingsTexts& texts) {
    const std::optional<double> lowest = ToRealNumber(texts.lowest);
    const std::optional<double> highest = ToRealNumber(texts.highest);
    return lowest && highest && *lowest == kCellNumbersLowest && *highest == kCellNumbersHighest;
}

std::optional<RequestedProblems> ReadRequestedProblems(const SettingsTexts& texts,
                                                       OperationRow operationRow,
                                                       bool allowNegative) {
    const ValidationResult checked = ValidateTexts(texts);
    if (!checked.verdict || !checked.numbers) {
        return std::nullopt;
    }
    const SettingsNumbers& numbers = *checked.numbers;
    return RequestedProblems{{operationRow, numbers.lowest, numbers.highest, allowNegative},
                             numbers.count,
                             AsksForCellNumbers(texts)};
}

RulesCheck CheckProblemRules(const SettingsTexts& texts, OperationRow operationRow,
                             bool allowNegative, const ProblemRules& rules,
                             CellNumbering cellNumbering) {
    const std::optional<RequestedProblems> requested =
        ReadRequestedProblems(texts, operationRow, allowNegative);
    if (!requested || (cellNumbering == CellNumbering::ByBounds && requested->cellNumbers)) {
        return {};
    }
    return CheckRulesFit(requested->settings, requested->count, rules);
}

void PrepareTest(WorksheetState& state, PageControls& page, const SettingsTexts& texts,
                 RandomSource& source, PreparationHost& host, FailureReporter& reporter,
                 CellNumbering cellNumbering) {
    const ProgressShown progress(host);
    state.showCellNumbers = cellNumbering == CellNumbering::ByBounds && AsksForCellNumbers(texts);
    HideEverything(page);
    ArrangeFields(page, state);
    // The settings were checked before; texts that still do not read as numbers leave
    // the page empty rather than composing from made-up bounds.
    if (const std::optional<SettingsNumbers> numbers = ValidateTexts(texts).numbers) {
        BuildTest(state, page, source, host, reporter, numbers->lowest, numbers->highest,
                  numbers->count);
    }
    SetSolutionsVisible(page, state, state.currentPage, state.showSolutions);
}

}  // namespace tallyworth
