#include "page_model/sheet_page.h"

#include "core/operations.h"
#include "core/sheet_composer.h"
#include "page_model/build_worksheet.h"
#include "page_model/page_fill.h"
#include "page_model/page_layout.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace tallyworth {

namespace {

class KeptFailure final : public FailureReporter {
  public:
    void ReportFailure(const QString& text) override {
        if (failure_.isEmpty()) {
            failure_ = text;
        }
    }
    [[nodiscard]] const QString& Failure() const { return failure_; }

  private:
    QString failure_;
};

// The state the main window would hold for the code's settings.
WorksheetState StateFor(const SheetCode& code, bool answerKey) {
    WorksheetState state;
    state.divideSign = DivideSignText();
    InitOperations(state);
    state.currentPage = 1;
    state.showCellNumbers = false;
    state.showSolutions = answerKey;
    ApplySheetSettings(code.settings, state);
    return state;
}

}  // namespace

SheetPage MakeSheetPage(const SheetCode& code, int pageNo, bool answerKey) {
    SheetPage made{false, MakeDesignPageControls(), {}};
    const ProblemSet set = ComposeSheet(code);
    // A short set would leave the design captions of the cells it did not write.
    if (set.problems.size() != static_cast<std::size_t>(code.settings.count)) {
        made.failure =
            QCoreApplication::translate("tallyworth::Printing",
                                        "The worksheet of the sheet code %1 could not be composed.")
                .arg(FormatSheetCode(code));
        return made;
    }
    WorksheetState state = StateFor(code, answerKey);
    HideEverything(made.page);
    ArrangeFields(made.page, state);
    WriteProblems(made.page, set);
    state.currentPage = static_cast<std::int16_t>(pageNo);
    KeptFailure reporter;
    DisplayProblems(made.page, state, state.currentPage, reporter);
    made.failure = reporter.Failure();
    made.ok = made.failure.isEmpty();
    return made;
}

}  // namespace tallyworth
