#pragma once

#include "page_model/build_worksheet.h"
#include "page_model/page_dump.h"
#include "page_model/page_layout.h"
#include "support/test_doubles.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <string>

namespace tallyworth::testing_support {

// A laid-out page and what it takes to fill it; reported failures are kept as one text.
struct Sheet final : FailureReporter {
    // The seed every page built here is composed from, the golden pages' among them.
    static constexpr std::uint32_t kSeed = 20240531U;

    explicit Sheet(OperationRow operationRow, Notation notation = Notation::LineAndDots)
        : state(MakeState(operationRow, {}, notation)) {
        ArrangeFields(page, state);
    }
    void ReportFailure(const QString& text) override { failures += text.toStdString(); }
    void Build(std::int16_t lowest, std::int16_t highest, std::int16_t count) {
        BuildTest(state, page, source, host, *this, lowest, highest, count);
    }
    PageControls page = MakeDesignPageControls();
    WorksheetState state;
    ScriptedRandomSource source{kSeed};
    RecordingHost host;
    std::string failures;
};

// The page with every element of every array shown.
inline PageControls ShownAll(PageControls page) {
    const auto show = [](auto&... arrays) {
        (std::for_each(arrays.begin(), arrays.end(), [](auto& item) { item.visible = true; }), ...);
    };
    show(page.valueLabels, page.plusLabels, page.solutionLabels, page.line1, page.line2,
         page.divisionLine, page.equalSignTop, page.equalSignBottom);
    return page;
}

// The dump lines of one control array with every element shown, e.g. Lines(page, "Line2").
inline QStringList Lines(const PageControls& page, const char* array) {
    return DumpVisibleControls(ShownAll(page))
        .split(QLatin1Char('\n'))
        .filter(QLatin1String(array) + QLatin1Char('('));
}

// The shown elements as index runs per array, e.g. "lblValue 0-59 Line1 0-29 40-49".
inline std::string VisibleRuns(const PageControls& page) {
    std::string runs;
    QString array;
    int last = -2;
    for (const QString& line :
         DumpVisibleControls(page).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString name = line.section(QLatin1Char('('), 0, 0);
        const int index = line.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0).toInt();
        if (name != array || index != last + 1) {
            runs += (last < 0 ? "" : "-" + std::to_string(last) + " ") +
                    (name != array ? name.toStdString() + " " : "") + std::to_string(index);
        }
        array = name;
        last = index;
    }
    return runs.empty() ? runs : runs + "-" + std::to_string(last);
}

}  // namespace tallyworth::testing_support
