#pragma once

#include "core/worksheet_state.h"
#include "page_model/page_controls.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

namespace tallyworth {

// How a failure of composing or filling reaches the user: a stop message titled
// "An Error has been detected.", after which the page window is shown.
class FailureReporter {
  public:
    virtual ~FailureReporter() = default;
    virtual void ReportFailure(const QString& text) = 0;
};

// The translation context of the page's failure texts.
inline constexpr const char* kPageFillContext = "tallyworth::PageFill";
inline constexpr const char* kFailureTitle =
    QT_TRANSLATE_NOOP("tallyworth::PageFill", "An Error has been detected.");

// The title above in the user's language.
[[nodiscard]] QString FailureTitle();

void HideEverything(PageControls& page);
void DisplayProblems(PageControls& page, const WorksheetState& state, std::int16_t pageNo,
                     FailureReporter& reporter);
void SetSolutionsVisible(PageControls& page, const WorksheetState& state, std::int16_t pageNo,
                         bool visible);
void ColorEverything(PageControls& page, ColorValue color);

}  // namespace tallyworth
