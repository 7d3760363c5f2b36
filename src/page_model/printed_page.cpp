#include "page_model/printed_page.h"

#include "core/operations.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tallyworth {

namespace {

// How far a written sign's box reaches on either side of the strokes it replaces.
constexpr float kSignBoxMargin = 0.08F;
// How much further left a mixed page's division starts than its number column.
constexpr float kDivisionReach = 0.45F;

struct CellLabels {
    const PageLabel& first;
    const PageLabel& second;
};

bool IsDivisionCell(const PageControls& page, std::size_t cell) {
    return page.divisionLine[cell].visible;
}

bool IsLineAndDotsCell(const PageControls& page, std::size_t cell) {
    return IsDivisionCell(page, cell) && page.line2[cell].visible;
}

// The line-and-dots notation writes the dividend first, in the cell's second label; the
// bracket and every other problem keep the first number in the first label.
CellLabels NumbersOf(const PageControls& page, std::size_t cell) {
    const PageLabel& low = page.valueLabels[2 * cell];
    const PageLabel& high = page.valueLabels[2 * cell + 1];
    if (IsLineAndDotsCell(page, cell)) {
        return {high, low};
    }
    return {low, high};
}

PrintedProblem ProblemOf(const PageControls& page, std::size_t cell) {
    const CellLabels numbers = NumbersOf(page, cell);
    const PageLabel& solution = page.solutionLabels[cell];
    return {numbers.first.left,
            numbers.first.top,
            numbers.first.caption,
            IsDivisionCell(page, cell) ? DivideSignText() : page.plusLabels[cell].caption,
            numbers.second.caption,
            solution.visible ? solution.caption : QString()};
}

// A sign written where strokes stood: centred on them, on the line of the cell's numbers.
PageLabel SignLabel(const QString& sign, float left, float right, const PageLabel& number) {
    PageLabel label = number;
    label.left = left - kSignBoxMargin;
    label.width = right - left + 2 * kSignBoxMargin;
    label.caption = sign;
    label.alignment = LabelAlignment::Center;
    label.visible = true;
    return label;
}

class PageConverter {
  public:
    PageConverter(const PageControls& page, const PageSigns& signs) : page_(page), signs_(signs) {}

    PrintedPage Convert() {
        printed_.signs = signs_;
        for (std::size_t cell = 0; cell < kCells; ++cell) {
            if (page_.valueLabels[2 * cell].visible) {
                AddCell(cell);
            }
        }
        // Row by row, left to right, as the eye reads the page.
        std::ranges::stable_sort(printed_.problems, {}, [](const PrintedProblem& problem) {
            return std::pair(problem.top, problem.left);
        });
        return std::move(printed_);
    }

  private:
    void AddCell(std::size_t cell) {
        printed_.problems.push_back(ProblemOf(page_, cell));
        if (IsDivisionCell(page_, cell)) {
            AddDivisionCell(cell);
        } else if (page_.plusLabels[cell].caption == DivideSignText()) {
            AddMixedDivisionCell(cell);
        } else {
            AddGridCell(cell);
        }
        AddLabel(page_.solutionLabels[cell]);
    }

    void AddGridCell(std::size_t cell) {
        AddLabel(page_.valueLabels[2 * cell]);
        AddLabel(page_.valueLabels[2 * cell + 1]);
        AddLine(page_.line1[cell]);
        PageLabel sign = page_.plusLabels[cell];
        if (sign.caption == u"*") {
            sign.caption = signs_.times;
        }
        AddLabel(sign);
    }

    // The division on the top line, right-aligned with the numbers, and its equals sign
    // where the operator stood.
    void AddMixedDivisionCell(std::size_t cell) {
        const PageLabel& first = page_.valueLabels[2 * cell];
        PageLabel division = first;
        division.left = first.left - kDivisionReach;
        division.width = first.width + kDivisionReach;
        division.caption =
            QStringLiteral("%1 %2 %3")
                .arg(first.caption, signs_.divide, page_.valueLabels[2 * cell + 1].caption);
        AddLabel(division);
        PageLabel equals = page_.plusLabels[cell];
        equals.caption = QStringLiteral("=");
        AddLabel(equals);
        AddLine(page_.line1[cell]);
    }

    void AddDivisionCell(std::size_t cell) {
        const CellLabels numbers = NumbersOf(page_, cell);
        AddLabel(numbers.first);
        AddLabel(numbers.second);
        const bool lineAndDots = IsLineAndDotsCell(page_, cell);
        if (signs_.original || !lineAndDots) {
            // The bracket has no character in the page's font; it stays drawn.
            AddLine(page_.line1[cell]);
            AddLine(page_.divisionLine[cell]);
            AddLine(page_.line2[cell]);
        } else {
            const PageLine& bar = page_.line1[cell];
            AddLabel(SignLabel(signs_.divide, bar.x1, bar.x2, numbers.first));
        }
        if (signs_.original) {
            AddLine(page_.equalSignTop[cell]);
            AddLine(page_.equalSignBottom[cell]);
        } else {
            const PageLine& top = page_.equalSignTop[cell];
            AddLabel(SignLabel(QStringLiteral("="), top.x1, top.x2, numbers.first));
        }
    }

    void AddLabel(const PageLabel& label) {
        if (label.visible && !label.caption.isEmpty()) {
            printed_.labels.push_back(label);
        }
    }

    void AddLine(const PageLine& line) {
        if (line.visible) {
            printed_.lines.push_back(line);
        }
    }

    const PageControls& page_;
    const PageSigns& signs_;
    PrintedPage printed_;
};

}  // namespace

namespace {

// The problem's two numbers as written, the one left out as a blank unless the key fills it.
std::pair<QString, QString> WrittenNumbers(const PrintedProblem& problem, const QString& blank) {
    const bool filled = !problem.solution.isEmpty();
    return {!filled && problem.blank == BlankPlace::First ? blank : problem.first,
            !filled && problem.blank == BlankPlace::Second ? blank : problem.second};
}

// What stands after "=": the answer given with a number left out; a remainder problem's
// blanks or, on a key, its answer and remainder; a key's solution.
QString WrittenResult(const PrintedProblem& problem, const QString& remainderWord,
                      const QString& blank) {
    // A written problem's sheet leaves its working space, not blanks, to fill in.
    if (problem.written && problem.solution.isEmpty()) {
        return {};
    }
    if (problem.blank != BlankPlace::Answer) {
        return problem.answer;
    }
    if (problem.withRemainder) {
        const bool filled = !problem.solution.isEmpty();
        return QStringLiteral("%1 %2 %3")
            .arg(filled ? problem.solution : blank, remainderWord,
                 filled ? problem.remainder : blank);
    }
    return problem.solution;
}

// A written sum's further numbers after its second: " + 345 + 6789".
QString FurtherNumbers(const PrintedProblem& problem, const QString& sign) {
    QString further;
    for (const QString& number : problem.more) {
        further += QStringLiteral(" %1 %2").arg(sign, number);
    }
    return further;
}

}  // namespace

QString WrittenProblem(const PrintedProblem& problem, const PageSigns& signs) {
    const QString blank = QStringLiteral("__");
    const auto [first, second] = WrittenNumbers(problem, blank);
    const QString sign = WrittenOperation(problem.operatorSign, signs);
    QString written =
        QStringLiteral("%1 %2 %3%4 =").arg(first, sign, second, FurtherNumbers(problem, sign));
    const QString result = WrittenResult(problem, signs.remainder, blank);
    if (!result.isEmpty()) {
        written += u' ' + result;
    }
    if (!problem.working.isEmpty()) {
        written += QStringLiteral(" (%1)").arg(problem.working.join(QStringLiteral(", ")));
    }
    // The minus is the minus sign, which a screen reader reads as "minus", not the hyphen
    // the page may draw.
    return written.replace(u'-', QChar(0x2212));
}

QString SpokenProblem(const PrintedProblem& problem) {
    const QString operation = SpokenOperation(problem.operatorSign);
    const QString blank = QCoreApplication::translate("tallyworth::SpokenPage", "blank");
    auto [first, second] = WrittenNumbers(problem, blank);
    second += FurtherNumbers(problem, operation);
    const QString result = WrittenResult(
        problem, QCoreApplication::translate("tallyworth::SpokenPage", "remainder"), blank);
    if (!result.isEmpty()) {
        return QCoreApplication::translate("tallyworth::SpokenPage", "%1 %2 %3 equals %4")
            .arg(first, operation, second, result);
    }
    return QCoreApplication::translate("tallyworth::SpokenPage", "%1 %2 %3 equals")
        .arg(first, operation, second);
}

QStringList SpokenProblems(const PrintedPage& page) {
    QStringList spoken;
    for (const PrintedProblem& problem : page.problems) {
        spoken << SpokenProblem(problem);
    }
    return spoken;
}

void ColorPrintedPage(PrintedPage& page, ColorValue color) {
    for (PageLabel& label : page.labels) {
        label.foreColor = color;
    }
    // Squared paper stays grey under the coloured figures.
    for (PageLine& line : page.lines) {
        if (line.borderColor != kSquaresGrey) {
            line.borderColor = color;
        }
    }
}

PrintedPage PrintedPageOf(const PageControls& page, const PageSigns& signs) {
    return PageConverter(page, signs).Convert();
}

}  // namespace tallyworth
