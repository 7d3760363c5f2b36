#include "page_model/flowing_layout.h"

#include "core/operations.h"
#include "core/worksheet_state.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace tallyworth {

namespace {

// Widths and heights in ems of the numbers' point size. Digits are measured wider than
// those of any sans-serif face the page may fall back to, so a caption never runs into
// its neighbour whatever the printer's fonts.
constexpr float kDigitEm = 0.64F;
constexpr float kSignEm = 0.9F;
constexpr float kGapEm = 0.3F;
constexpr float kLabelEm = 1.3F;
constexpr float kUnderlineEm = 1.2F;  // the blank's line, below its label's top
constexpr float kSecondNumberEm = 1.25F;
constexpr float kAnswerBarEm = 2.55F;
constexpr float kSolutionEm = 2.7F;
constexpr float kWritingRoomEm = 1.9F;  // under a stacked problem's answer bar
constexpr float kLineRowEm = 2.4F;
constexpr float kColumnGapEm = 1.4F;
constexpr float kBlankExtraEm = 1.0F;  // the blank is this much wider than the answer
constexpr float kBracketSlantEm = 0.45F;
constexpr float kPointsPerInch = 72.0F;
constexpr float kNormalPoints = 13.5F;
constexpr float kLargePoints = 18.0F;
constexpr float kExtraLargePoints = 24.0F;
// A filled page grows its print by this step, up to the largest size worth printing.
constexpr float kFillStep = 0.5F;
constexpr float kMostFillPoints = 60.0F;
constexpr int kNormalStrokePixels = 2;
constexpr const char* kPageFont = "MS Sans Serif";

// A division among stacked problems stands on its cell's top line, "56 ÷ 7", over "="
// and the answer bar.
enum class CellKind { Stacked, StackedDivision, Line, Bracket };

bool IsDivision(const Problem& problem) {
    return problem.operation == OperationRow::Divide;
}

bool IsDivisionSheet(const FlowRequest& request) {
    return request.settings.operation == OperationRow::Divide;
}

bool InBracket(const FlowRequest& request) {
    return IsDivisionSheet(request) && request.settings.upsideDownSeven;
}

CellKind KindOf(bool division, const FlowRequest& request) {
    const bool stacked = request.settings.page.layout == ProblemLayout::Stacked;
    if (!division) {
        return stacked ? CellKind::Stacked : CellKind::Line;
    }
    if (InBracket(request)) {
        return CellKind::Bracket;
    }
    // A sheet of divisions alone writes them on a line, as the original page does.
    return stacked && !IsDivisionSheet(request) ? CellKind::StackedDivision : CellKind::Line;
}

// The numbers and answer as read: the dividend first, whatever label the original page
// writes it in; the cells' own numbers in the cell-numbering mode.
struct ReadNumbers {
    QString first;
    QString second;
    QString solution;
};

ReadNumbers NumbersOf(const ProblemSet& set, std::size_t index) {
    CellCaptions captions = OriginalCaptions(set, static_cast<int>(index));
    if (set.numbersExchanged) {
        std::swap(captions.first, captions.second);
    }
    return {captions.first, captions.second, captions.solution};
}

// The widest captions of the sheet, in characters.
struct Widths {
    int first = 1;
    int second = 1;
    int solution = 1;
    bool stacked = false;
    bool stackedDivision = false;
    bool line = false;
    bool bracket = false;
};

int DigitsOf(int number) {
    return static_cast<int>(QString::number(number).size());
}

void AddKind(Widths& widths, CellKind kind) {
    widths.stacked |= kind == CellKind::Stacked;
    widths.stackedDivision |= kind == CellKind::StackedDivision;
    widths.line |= kind == CellKind::Line;
    widths.bracket |= kind == CellKind::Bracket;
}

// The widest answer an operation can have with numbers up to highest.
int SolutionDigits(OperationRow operation, int highest, bool allowNegative) {
    switch (operation) {
        case OperationRow::Add:
            return DigitsOf(2 * highest);
        case OperationRow::Subtract:
            return DigitsOf(highest) + (allowNegative ? 1 : 0);
        case OperationRow::Multiply:
            return DigitsOf(highest * highest);
        case OperationRow::Divide:
            return DigitsOf(highest);
        case OperationRow::Mix:
            break;
    }
    return std::max(DigitsOf(highest * highest), DigitsOf(highest) + (allowNegative ? 1 : 0));
}

// The widths the settings allow, so that every sheet of the settings has the same pages;
// captions wider than that (cell numbers) widen them.
Widths WidthsOf(const ProblemSet& set, const FlowRequest& request) {
    const SheetSettings& settings = request.settings;
    Widths widths;
    widths.first = widths.second = DigitsOf(settings.highest);
    widths.solution = SolutionDigits(settings.operation, settings.highest, settings.allowNegative);
    const bool mix = settings.operation == OperationRow::Mix;
    AddKind(widths, KindOf(IsDivisionSheet(request), request));
    if (mix) {
        AddKind(widths, KindOf(true, request));
    }
    for (std::size_t index = 0; index < set.problems.size(); ++index) {
        const ReadNumbers numbers = NumbersOf(set, index);
        widths.first = std::max(widths.first, static_cast<int>(numbers.first.size()));
        widths.second = std::max(widths.second, static_cast<int>(numbers.second.size()));
        widths.solution = std::max(widths.solution, static_cast<int>(numbers.solution.size()));
    }
    return widths;
}

float Digits(int count) {
    return static_cast<float>(count) * kDigitEm;
}

float BlankEm(const Widths& widths) {
    return Digits(widths.solution) + kBlankExtraEm;
}

float StackedWidthEm(const Widths& widths) {
    return kSignEm + kGapEm + Digits(std::max(widths.first, widths.second));
}

float DivisionLineEm(const Widths& widths) {
    return Digits(widths.first) + 2 * kGapEm + kSignEm + Digits(widths.second);
}

float LineWidthEm(const Widths& widths) {
    return Digits(widths.first) + 4 * kGapEm + 2 * kSignEm + Digits(widths.second) +
           BlankEm(widths);
}

float BracketWidthEm(const Widths& widths) {
    return Digits(widths.second) + kBracketSlantEm + kGapEm + Digits(widths.first) + 2 * kGapEm +
           kSignEm + BlankEm(widths);
}

// One cell's extent in ems: room for the widest of the sheet's kinds of cell.
struct CellEm {
    float width = 0;
    float height = 0;
};

CellEm CellOf(const Widths& widths) {
    CellEm cell;
    if (widths.stacked) {
        cell.width = StackedWidthEm(widths);
        cell.height = kAnswerBarEm + kWritingRoomEm;
    }
    if (widths.stackedDivision) {
        cell.width = std::max(cell.width, DivisionLineEm(widths));
        cell.height = std::max(cell.height, kAnswerBarEm + kWritingRoomEm);
    }
    if (widths.line) {
        cell.width = std::max(cell.width, LineWidthEm(widths));
        cell.height = std::max(cell.height, kLineRowEm);
    }
    if (widths.bracket) {
        cell.width = std::max(cell.width, BracketWidthEm(widths));
        cell.height = std::max(cell.height, kLineRowEm);
    }
    return cell;
}

FlowPlan PlanAt(float points, const CellEm& cell, int count, const FlowRequest& request) {
    const float em = points / kPointsPerInch;
    const float pitchX = (cell.width + kColumnGapEm) * em;
    const float pitchY = cell.height * em;
    FlowPlan plan;
    plan.points = points;
    plan.columns = std::max(
        1,
        static_cast<int>((static_cast<float>(request.area.width()) + kColumnGapEm * em) / pitchX));
    plan.rows = std::max(1, static_cast<int>(static_cast<float>(request.area.height()) / pitchY));
    const int perPage = plan.columns * plan.rows;
    plan.pages = std::max(1, (count + perPage - 1) / perPage);
    return plan;
}

// Places the captions and strokes of one page, an em being the numbers' point size.
class PagePlacer {
  public:
    PagePlacer(const FlowRequest& request, const Widths& widths, float points)
        : request_(request), widths_(widths), points_(points), em_(points / kPointsPerInch) {}

    void Place(PrintedPage& page, const ProblemSet& set, std::size_t index, float left, float top) {
        const Problem& problem = set.problems[index];
        const ReadNumbers numbers = NumbersOf(set, index);
        const QString solution = request_.answerKey ? numbers.solution : QString();
        const QString operatorSign = OperationSymbol(problem.operation);
        page.problems.push_back({left, top, numbers.first, operatorSign, numbers.second, solution});
        switch (KindOf(IsDivision(problem), request_)) {
            case CellKind::Stacked:
                PlaceStacked(page, numbers, operatorSign, solution, left, top);
                break;
            case CellKind::StackedDivision:
                PlaceStackedDivision(page, numbers, solution, left, top);
                break;
            case CellKind::Line:
                PlaceLine(page, numbers, operatorSign, solution, left, top);
                break;
            case CellKind::Bracket:
                PlaceBracket(page, numbers, solution, left, top);
                break;
        }
    }

  private:
    // The signs are looked up once a page: a translated name costs more than a caption.
    [[nodiscard]] QString Sign(const QString& operatorSign) {
        auto found = signs_.find(operatorSign);
        if (found == signs_.end()) {
            found = signs_.insert(operatorSign, WrittenOperation(operatorSign, request_.signs));
        }
        return *found;
    }

    void Label(PrintedPage& page, const QString& caption, float left, float top, float widthEm,
               LabelAlignment alignment) const {
        PageLabel label;
        label.left = left;
        label.top = top;
        label.width = widthEm * em_;
        label.height = kLabelEm * em_;
        label.caption = caption;
        label.alignment = alignment;
        label.fontName = fontName_;
        label.fontSize = points_;
        label.visible = true;
        page.labels.push_back(label);
    }

    void Stroke(PrintedPage& page, float x1, float y1, float x2, float y2) const {
        PageLine line;
        line.x1 = x1;
        line.y1 = y1;
        line.x2 = x2;
        line.y2 = y2;
        line.borderWidth = static_cast<std::int16_t>(
            std::lround(static_cast<float>(kNormalStrokePixels) * points_ / kNormalPoints));
        line.visible = true;
        page.lines.push_back(line);
    }

    // The cell's right edge, where stacked numbers end.
    [[nodiscard]] float StackedRight(float left) const {
        const float cellEm = std::max(StackedWidthEm(widths_),
                                      widths_.stackedDivision ? DivisionLineEm(widths_) : 0.0F);
        return left + cellEm * em_;
    }

    void PlaceStackedDivision(PrintedPage& page, const ReadNumbers& numbers,
                              const QString& solution, float left, float top) const {
        const float right = StackedRight(left);
        const float widthEm = (right - left) / em_;
        Label(page,
              QStringLiteral("%1 %2 %3").arg(numbers.first, request_.signs.divide, numbers.second),
              left, top, widthEm, LabelAlignment::Right);
        Label(page, QStringLiteral("="), left, top + kSecondNumberEm * em_, kSignEm,
              LabelAlignment::Center);
        const float bar = top + kAnswerBarEm * em_;
        Stroke(page, left, bar, right, bar);
        if (!solution.isEmpty()) {
            Label(page, solution, left, top + kSolutionEm * em_, widthEm, LabelAlignment::Right);
        }
    }

    void PlaceStacked(PrintedPage& page, const ReadNumbers& numbers, const QString& operatorSign,
                      const QString& solution, float left, float top) {
        const float numbersEm = Digits(std::max(widths_.first, widths_.second));
        const float numbersLeft = StackedRight(left) - numbersEm * em_;
        Label(page, numbers.first, numbersLeft, top, numbersEm, LabelAlignment::Right);
        Label(page, Sign(operatorSign), left, top + kSecondNumberEm * em_, kSignEm,
              LabelAlignment::Center);
        Label(page, numbers.second, numbersLeft, top + kSecondNumberEm * em_, numbersEm,
              LabelAlignment::Right);
        const float bar = top + kAnswerBarEm * em_;
        Stroke(page, left, bar, numbersLeft + numbersEm * em_, bar);
        if (!solution.isEmpty()) {
            Label(page, solution, numbersLeft, top + kSolutionEm * em_, numbersEm,
                  LabelAlignment::Right);
        }
    }

    // "= ___" from x on, with the solution in the blank.
    void PlaceEqualsAndBlank(PrintedPage& page, const QString& solution, float x, float top) const {
        Label(page, QStringLiteral("="), x, top, kSignEm, LabelAlignment::Center);
        const float blankLeft = x + (kSignEm + kGapEm) * em_;
        const float blankEm = BlankEm(widths_);
        Stroke(page, blankLeft, top + kUnderlineEm * em_, blankLeft + blankEm * em_,
               top + kUnderlineEm * em_);
        if (!solution.isEmpty()) {
            Label(page, solution, blankLeft, top, blankEm - kBlankExtraEm / 2,
                  LabelAlignment::Right);
        }
    }

    void PlaceLine(PrintedPage& page, const ReadNumbers& numbers, const QString& operatorSign,
                   const QString& solution, float left, float top) {
        float x = left;
        Label(page, numbers.first, x, top, Digits(widths_.first), LabelAlignment::Right);
        x += (Digits(widths_.first) + kGapEm) * em_;
        Label(page, Sign(operatorSign), x, top, kSignEm, LabelAlignment::Center);
        x += (kSignEm + kGapEm) * em_;
        Label(page, numbers.second, x, top, Digits(widths_.second), LabelAlignment::Left);
        x += (Digits(widths_.second) + kGapEm) * em_;
        PlaceEqualsAndBlank(page, solution, x, top);
    }

    // The divisor, then the dividend under the bracket's bar, then "= ___".
    void PlaceBracket(PrintedPage& page, const ReadNumbers& numbers, const QString& solution,
                      float left, float top) const {
        float x = left;
        Label(page, numbers.second, x, top, Digits(widths_.second), LabelAlignment::Right);
        x += Digits(widths_.second) * em_;
        const float slantTop = x + kBracketSlantEm * em_;
        Stroke(page, x, top + kUnderlineEm * em_, slantTop, top);
        const float dividendLeft = slantTop + kGapEm * em_ / 2;
        Label(page, numbers.first, dividendLeft, top, Digits(widths_.first), LabelAlignment::Left);
        x = dividendLeft + (Digits(widths_.first) + kGapEm / 2) * em_;
        Stroke(page, slantTop, top, x, top);
        PlaceEqualsAndBlank(page, solution, x + kGapEm * em_, top);
    }

    const FlowRequest& request_;
    const Widths& widths_;
    float points_;
    float em_;
    QString fontName_ = QString::fromLatin1(kPageFont);
    QHash<QString, QString> signs_;
};

}  // namespace

bool IsOriginalPage(const PageOptions& options) {
    return options.layout == ProblemLayout::Stacked && options.size == PrintSize::Normal &&
           !options.fillPage;
}

float NumberPoints(PrintSize size) {
    switch (size) {
        case PrintSize::Large:
            return kLargePoints;
        case PrintSize::ExtraLarge:
            return kExtraLargePoints;
        case PrintSize::Normal:
            break;
    }
    return kNormalPoints;
}

namespace {

FlowPlan PlanFor(const Widths& widths, const FlowRequest& request) {
    const CellEm cell = CellOf(widths);
    const int count = request.settings.count;
    FlowPlan plan = PlanAt(NumberPoints(request.settings.page.size), cell, count, request);
    if (!request.settings.page.fillPage || plan.pages > 1) {
        return plan;
    }
    for (float points = plan.points + kFillStep; points <= kMostFillPoints; points += kFillStep) {
        const FlowPlan larger = PlanAt(points, cell, count, request);
        if (larger.pages > 1) {
            break;
        }
        plan = larger;
    }
    return plan;
}

}  // namespace

FlowPlan PlanFlow(const FlowRequest& request) {
    return PlanFor(WidthsOf(ProblemSet{}, request), request);
}

std::vector<PrintedPage> LayOutFlowingPages(const ProblemSet& set, const FlowRequest& request) {
    const Widths widths = WidthsOf(set, request);
    const FlowPlan plan = PlanFor(widths, request);
    const float em = plan.points / kPointsPerInch;
    // The columns share the width evenly; the rows keep their pitch from the top.
    const auto left = static_cast<float>(request.area.left());
    const auto top = static_cast<float>(request.area.top());
    const float pitchX =
        static_cast<float>(request.area.width()) / static_cast<float>(plan.columns);
    const float pitchY = CellOf(widths).height * em;
    const int perPage = plan.columns * plan.rows;
    std::vector<PrintedPage> pages(static_cast<std::size_t>(plan.pages));
    PagePlacer placer(request, widths, plan.points);
    for (std::size_t index = 0; index < set.problems.size(); ++index) {
        const int onPage = static_cast<int>(index) % perPage;
        PrintedPage& page = pages[index / static_cast<std::size_t>(perPage)];
        page.area = request.area;
        page.signs = request.signs;
        placer.Place(page, set, index, left + pitchX * static_cast<float>(onPage % plan.columns),
                     top + pitchY * static_cast<float>(onPage / plan.columns));
    }
    return pages;
}

}  // namespace tallyworth
