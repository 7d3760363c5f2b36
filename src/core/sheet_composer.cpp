#include "core/sheet_composer.h"

#include "core/operations.h"
#include "core/random_source.h"
#include "core/section_drawing.h"

namespace tallyworth {

namespace {

// Answers the negative-results switch from the code; a code has no progress bar.
class CodeHost final : public ComposerHost {
  public:
    explicit CodeHost(bool allowNegative) : allowNegative_(allowNegative) {}
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return allowNegative_; }

  private:
    bool allowNegative_;
};

// Sheets come from the program's own composer, held by the golden sheets to what it drew
// when their version came out: version 1 without rules, version 2 under the code's rules
// with the redraw loop's odds, version 3 under them uniformly (RuledDrawOf). A change to
// the drawing that alters them needs a new version, and the old drawing stays for the
// versions before it.
ProblemSet ComposeFromCode(const SheetCode& code) {
    WorksheetState state = StateOfSheet(code.settings);
    SeededRandomSource source(code.seed);
    CodeHost host(code.settings.allowNegative);
    return ComposeProblems(state, source, host, code.settings.rules, RuledDrawOf(code.version));
}

}  // namespace

void ApplySheetSettings(const SheetSettings& settings, WorksheetState& state) {
    state.operation = RowNumber(settings.operation);
    state.lowestNumber = static_cast<std::int16_t>(settings.lowest);
    state.highestNumber = static_cast<std::int16_t>(settings.highest);
    state.numberOfProblems = static_cast<std::int16_t>(settings.count);
    state.divisionSymbol =
        settings.upsideDownSeven ? state.divideSign : QString(QChar(kLineAndDotsMarker));
    state.problemRules = settings.rules;
    state.pageOptions = settings.page;
}

WorksheetState StateOfSheet(const SheetSettings& settings) {
    WorksheetState state = StateWithOperations();
    state.currentPage = 1;
    state.showCellNumbers = false;
    ApplySheetSettings(settings, state);
    return state;
}

SheetSettings SheetSettingsOf(const WorksheetState& state, bool allowNegative) {
    SheetSettings settings;
    settings.operation = RowOfNumber(state.operation);
    settings.lowest = state.lowestNumber;
    settings.highest = state.highestNumber;
    settings.count = state.numberOfProblems;
    settings.allowNegative = allowNegative;
    settings.upsideDownSeven = state.UsesUpsideDownSeven();
    settings.rules = state.problemRules;
    settings.page = state.pageOptions;
    return settings;
}

ProblemSettings ProblemSettingsOf(const SheetSettings& settings) {
    return {settings.operation, settings.lowest, settings.highest, settings.allowNegative};
}

ProblemSet ComposeSheet(const SheetCode& code) {
    if (SheetSettingsFault(code.settings)) {
        return {};
    }
    switch (code.version) {
        case kSheetCodeVersion:
            // A code of version 1 holds no rules. Page options given with an older code
            // shape only the page: the problems stay the code's.
            return code.settings.rules.AnyOn() ? ProblemSet{} : ComposeFromCode(code);
        case kRulesSheetCodeVersion:
        case kPageSheetCodeVersion:
            return ComposeFromCode(code);
        case kFairSheetCodeVersion:
        case kSectionsSheetCodeVersion:
        case kWrittenSheetCodeVersion: {
            SeededRandomSource source(code.seed);
            return ComposeSections(SectionsOf(code.settings), source);
        }
        default:
            return {};
    }
}

}  // namespace tallyworth
