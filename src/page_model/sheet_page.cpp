#include "page_model/sheet_page.h"

#include "core/class_set.h"
#include "core/composer.h"
#include "core/operations.h"
#include "core/sheet_composer.h"
#include "page_model/build_worksheet.h"
#include "page_model/flowing_layout.h"
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
    WorksheetState state = StateOfSheet(code.settings);
    state.showSolutions = answerKey;
    return state;
}

// Only a plain sheet fits the original page's cells; sections always flow.
bool OnOriginalPage(const SheetSettings& settings) {
    return settings.sections.empty() && IsOriginalPage(settings.page);
}

// The original page's pages, filled from its controls one after the other.
void AddOriginalPages(SheetPrint& made, const SheetCode& code, const ProblemSet& set,
                      bool answerKey, const PageSigns& signs) {
    WorksheetState state = StateFor(code, answerKey);
    PageControls page = MakeDesignPageControls();
    HideEverything(page);
    ArrangeFields(page, state);
    // A set composed as sections, as every code of today is, knows nothing of the layout.
    ProblemSet written = set;
    written.numbersExchanged = ExchangesNumbers(state);
    WriteProblems(page, written);
    KeptFailure reporter;
    const int pages = OriginalPagesPerSheet(code.settings);
    for (int pageNo = 1; pageNo <= pages && reporter.Failure().isEmpty(); ++pageNo) {
        state.currentPage = static_cast<std::int16_t>(pageNo);
        DisplayProblems(page, state, state.currentPage, reporter);
        made.pages.push_back(PrintedPageOf(page, signs));
    }
    made.failure = reporter.Failure();
}

}  // namespace

SheetPrint MakeSheetPrint(const SheetCode& code, bool answerKey, const QLocale& locale,
                          const QRectF& area) {
    SheetPrint made;
    const ProblemSet set = ComposeSheet(code);
    // A short set would leave the design captions of the cells it did not write.
    if (set.problems.size() != static_cast<std::size_t>(code.settings.count)) {
        made.failure =
            QCoreApplication::translate("tallyworth::Printing",
                                        "The worksheet of the sheet code %1 could not be composed.")
                .arg(FormatProblemsCode(code));
        return made;
    }
    const PageSigns signs = SignsOf(code.settings.page, locale);
    if (OnOriginalPage(code.settings)) {
        AddOriginalPages(made, code, set, answerKey, signs);
    } else {
        made.pages = LayOutFlowingPages(set, FlowRequest{code.settings, signs, answerKey, area});
    }
    made.ok = made.failure.isEmpty();
    return made;
}

int SheetPageCount(const SheetSettings& settings, const QRectF& area, const QLocale& locale) {
    if (OnOriginalPage(settings)) {
        return OriginalPagesPerSheet(settings);
    }
    return PlanFlow(FlowRequest{settings, SignsOf(settings.page, locale), false, area}).pages;
}

}  // namespace tallyworth
