#include "page_model/flowing_layout.h"

#include "core/operations.h"
#include "core/sheet_section.h"
#include "core/worksheet_state.h"
#include "page_model/written_layout.h"

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

constexpr int kLeastBlankDigits = 2;  // a left-out number's blank has room for two digits

// A division among stacked problems stands on its cell's top line, "56 ÷ 7", over "="
// and the answer bar.
enum class CellKind { Stacked, StackedDivision, Line, Bracket };

bool IsWritten(const SheetSection& section) {
    return section.kind == SectionKind::Written;
}

// Whether every fact the sheet can hold is a division; written problems have their own
// layouts.
bool DividesOnly(const std::vector<SheetSection>& sections) {
    return std::all_of(sections.begin(), sections.end(), [](const SheetSection& section) {
        const std::vector<OperationRow> operations = SectionOperations(section);
        return IsWritten(section) ||
               (operations.size() == 1 && operations.front() == OperationRow::Divide);
    });
}

// What a sheet's layout needs to know of its settings, worked out once.
struct SheetShape {
    std::vector<SheetSection> sections;
    bool stacked = false;
    bool divisionSheet = false;
    bool inBracket = false;
};

SheetShape ShapeOf(const FlowRequest& request) {
    SheetShape shape;
    shape.sections = SectionsOf(request.settings);
    shape.stacked = request.settings.page.layout == ProblemLayout::Stacked;
    shape.divisionSheet = DividesOnly(shape.sections);
    shape.inBracket = shape.divisionSheet && request.settings.upsideDownSeven;
    return shape;
}

CellKind KindOf(const Problem& problem, const SheetShape& shape) {
    if (problem.operation != OperationRow::Divide) {
        return shape.stacked ? CellKind::Stacked : CellKind::Line;
    }
    if (shape.inBracket && problem.blank == BlankPlace::Answer) {
        return CellKind::Bracket;
    }
    // A sheet of divisions alone writes them on a line, as the original page does; so do
    // divisions with a number left out or a remainder.
    const bool onTopLine = shape.stacked && !shape.divisionSheet &&
                           problem.blank == BlankPlace::Answer && !problem.withRemainder;
    return onTopLine ? CellKind::StackedDivision : CellKind::Line;
}

// The numbers and answer as read: the dividend first, whatever label the original page
// writes it in; the cells' own numbers in the cell-numbering mode.
struct ReadNumbers {
    QString first;
    QString second;
    QString solution;
    QString remainder;
};

ReadNumbers NumbersOf(const ProblemSet& set, std::size_t index) {
    CellCaptions captions = OriginalCaptions(set, static_cast<int>(index));
    if (set.numbersExchanged) {
        std::swap(captions.first, captions.second);
    }
    const Problem& problem = set.problems[index];
    return {captions.first, captions.second, captions.solution,
            problem.withRemainder ? QString::number(RemainderOf(problem)) : QString()};
}

// The widest captions of the sheet, in characters.
struct Widths {
    int first = 1;
    int second = 1;
    int solution = 1;
    int remainder = 0;  // 0 without remainder problems
    int remainderWord = 0;
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

// The widest answer an operation can have with these highest numbers.
int SolutionDigits(OperationRow operation, int first, int second, bool allowNegative) {
    switch (operation) {
        case OperationRow::Add:
            return DigitsOf(first + second);
        case OperationRow::Subtract:
            return DigitsOf(std::max(first, second)) + (allowNegative ? 1 : 0);
        case OperationRow::Multiply:
            return DigitsOf(first * second);
        case OperationRow::Divide:
        case OperationRow::Mix:
            break;
    }
    return DigitsOf(first);
}

// Room for every problem the section can hold, so that every sheet of the settings has
// the same pages.
void AddSection(Widths& widths, const SheetSection& section, const SheetShape& shape) {
    if (IsWritten(section)) {
        return;
    }
    const int first = section.first.highest;
    const int second =
        section.rules.fixedNumber != 0 ? section.rules.fixedNumber : section.second.highest;
    const bool table = section.kind == SectionKind::TableDivision;
    widths.first = std::max(widths.first, DigitsOf(table ? first * second : first));
    widths.second = std::max(widths.second, DigitsOf(second));
    for (const OperationRow operation : SectionOperations(section)) {
        widths.solution = std::max(widths.solution,
                                   SolutionDigits(operation, first, second, section.allowNegative));
        Problem sample{operation};
        sample.blank =
            section.kind == SectionKind::Missing ? BlankPlace::First : BlankPlace::Answer;
        sample.withRemainder = section.kind == SectionKind::Remainder;
        AddKind(widths, KindOf(sample, shape));
    }
    if (section.kind == SectionKind::Missing) {
        widths.first = std::max(widths.first, kLeastBlankDigits);
        widths.second = std::max(widths.second, kLeastBlankDigits);
    }
    if (section.kind == SectionKind::Remainder) {
        widths.remainder = std::max(widths.remainder, DigitsOf(second));
    }
}

// The widths the settings allow; captions wider than that (cell numbers) widen them.
Widths WidthsOf(const ProblemSet& set, const FlowRequest& request, const SheetShape& shape) {
    Widths widths;
    for (const SheetSection& section : shape.sections) {
        AddSection(widths, section, shape);
    }
    if (widths.remainder > 0) {
        widths.remainderWord = static_cast<int>(request.signs.remainder.size());
    }
    for (std::size_t index = 0; index < set.problems.size(); ++index) {
        if (set.problems[index].written) {
            continue;
        }
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

float BlankEm(int digits) {
    return Digits(digits) + kBlankExtraEm;
}

// " r __" after a remainder problem's answer blank; nothing without remainder problems.
float RemainderTailEm(const Widths& widths) {
    if (widths.remainder == 0) {
        return 0;
    }
    return kGapEm + Digits(widths.remainderWord) + kGapEm + BlankEm(widths.remainder);
}

float StackedWidthEm(const Widths& widths) {
    return kSignEm + kGapEm + Digits(std::max(widths.first, widths.second));
}

float DivisionLineEm(const Widths& widths) {
    return Digits(widths.first) + 2 * kGapEm + kSignEm + Digits(widths.second);
}

float LineWidthEm(const Widths& widths) {
    return Digits(widths.first) + 4 * kGapEm + 2 * kSignEm + Digits(widths.second) +
           BlankEm(widths.solution) + RemainderTailEm(widths);
}

float BracketWidthEm(const Widths& widths) {
    return Digits(widths.second) + kBracketSlantEm + kGapEm + Digits(widths.first) + 2 * kGapEm +
           kSignEm + BlankEm(widths.solution) + RemainderTailEm(widths);
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

// One row of a sheet: a section's title, or up to a row's worth of its problems.
struct FlowRow {
    const SheetSection* section = nullptr;
    bool title = false;
    std::size_t start = 0;  // the index of the row's first problem
    int count = 0;
    int page = 0;
    int slot = 0;  // the row's place on its page, from the top
    // Where rows differ in height: the row's top below its page's area, and its height.
    float offset = 0;
    float height = 0;
};

// The rows of the sections, each section starting on a row of its own under its title, and
// where each row stands: a page holds rowsPerPage rows, and a title never ends a page.
std::vector<FlowRow> RowsOf(const std::vector<SheetSection>& sections, int columns,
                            int rowsPerPage) {
    std::vector<FlowRow> rows;
    std::size_t start = 0;
    for (const SheetSection& section : sections) {
        if (!section.title.isEmpty()) {
            rows.push_back({&section, true, start, 0});
        }
        for (int done = 0; done < section.count; done += columns) {
            rows.push_back({&section, false, start + static_cast<std::size_t>(done),
                            std::min(columns, section.count - done)});
        }
        start += static_cast<std::size_t>(section.count);
    }
    int page = 0;
    int slot = 0;
    for (FlowRow& row : rows) {
        if (slot > 0 && (slot == rowsPerPage || (row.title && slot == rowsPerPage - 1))) {
            ++page;
            slot = 0;
        }
        row.page = page;
        row.slot = slot++;
    }
    return rows;
}

FlowPlan PlanAt(float points, const CellEm& cell, const FlowRequest& request,
                const SheetShape& shape) {
    const float em = points / kPointsPerInch;
    const float pitchX = (cell.width + kColumnGapEm) * em;
    const float pitchY = cell.height * em;
    FlowPlan plan;
    plan.points = points;
    plan.columns = std::max(
        1,
        static_cast<int>((static_cast<float>(request.area.width()) + kColumnGapEm * em) / pitchX));
    plan.rows = std::max(1, static_cast<int>(static_cast<float>(request.area.height()) / pitchY));
    const std::vector<FlowRow> rows = RowsOf(shape.sections, plan.columns, plan.rows);
    plan.pages = rows.empty() ? 1 : rows.back().page + 1;
    return plan;
}

bool HasWritten(const std::vector<SheetSection>& sections) {
    return std::any_of(sections.begin(), sections.end(), IsWritten);
}

// How rows of a sheet with written problems are sized: a facts row at the facts' pitch,
// a written row as tall as its section's cells, which stand side by side.
struct SizedRows {
    float points = 0;
    int factsColumns = 1;
    float factsPitchY = 0;
    float titleHeight = 0;  // over a written section

    [[nodiscard]] float Unit() const { return SquareInches(points); }
    [[nodiscard]] int ColumnsOf(const SheetSection& section, const FlowRequest& request) const {
        if (!IsWritten(section)) {
            return factsColumns;
        }
        const float cellWidth =
            static_cast<float>(WrittenCellOf(section, request.signs).columns) * Unit();
        return std::max(1, static_cast<int>(static_cast<float>(request.area.width()) / cellWidth));
    }
    [[nodiscard]] float HeightOf(const SheetSection& section, const FlowRequest& request) const {
        if (!IsWritten(section)) {
            return factsPitchY;
        }
        return static_cast<float>(WrittenCellOf(section, request.signs).rows) * Unit();
    }
};

SizedRows SizedRowsFor(float points, int factsColumns, float factsPitchY) {
    const float em = points / kPointsPerInch;
    return {points, factsColumns, factsPitchY, (kLabelEm + 2 * kGapEm) * em};
}

// The rows of the sections, each as tall as its section's cells: a page holds rows while
// they fit, and a title never ends a page.
std::vector<FlowRow> SizedRowsOf(const std::vector<SheetSection>& sections, const SizedRows& sizes,
                                 const FlowRequest& request) {
    constexpr float kSlack = 1e-4F;
    std::vector<FlowRow> rows;
    std::size_t start = 0;
    for (const SheetSection& section : sections) {
        const int columns = sizes.ColumnsOf(section, request);
        const float height = sizes.HeightOf(section, request);
        if (!section.title.isEmpty()) {
            const float titleHeight = IsWritten(section) ? sizes.titleHeight : sizes.factsPitchY;
            rows.push_back({&section, true, start, 0, 0, 0, 0, titleHeight});
        }
        for (int done = 0; done < section.count; done += columns) {
            rows.push_back({&section, false, start + static_cast<std::size_t>(done),
                            std::min(columns, section.count - done), 0, 0, 0, height});
        }
        start += static_cast<std::size_t>(section.count);
    }
    const auto room = static_cast<float>(request.area.height()) + kSlack;
    int page = 0;
    float offset = 0;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        FlowRow& row = rows[index];
        const float next = row.title && index + 1 < rows.size() ? rows[index + 1].height : 0;
        if (offset > 0 && offset + row.height + next > room) {
            ++page;
            offset = 0;
        }
        row.page = page;
        row.offset = offset;
        offset += row.height;
    }
    return rows;
}

// Places the captions and strokes of one page, an em being the numbers' point size.
class PagePlacer {
  public:
    PagePlacer(const FlowRequest& request, const SheetShape& shape, const Widths& widths,
               float points)
        : request_(request),
          shape_(shape),
          widths_(widths),
          points_(points),
          em_(points / kPointsPerInch) {}

    void Place(PrintedPage& page, const ProblemSet& set, std::size_t index, float left, float top) {
        const Problem& problem = set.problems[index];
        const ReadNumbers numbers = NumbersOf(set, index);
        PrintedProblem printed{left, top, numbers.first, OperationSymbol(problem.operation),
                               numbers.second};
        printed.blank = problem.blank;
        printed.withRemainder = problem.withRemainder;
        if (problem.blank != BlankPlace::Answer) {
            printed.answer = numbers.solution;
        }
        if (request_.answerKey) {
            printed.solution = problem.blank == BlankPlace::First    ? numbers.first
                               : problem.blank == BlankPlace::Second ? numbers.second
                                                                     : numbers.solution;
            printed.remainder = numbers.remainder;
        }
        page.problems.push_back(printed);
        switch (KindOf(problem, shape_)) {
            case CellKind::Stacked:
                PlaceStacked(page, printed);
                break;
            case CellKind::StackedDivision:
                PlaceStackedDivision(page, printed);
                break;
            case CellKind::Line:
                PlaceLine(page, printed);
                break;
            case CellKind::Bracket:
                PlaceBracket(page, printed);
                break;
        }
    }

    // A section's title, at the foot of its row so that it stands over its problems.
    void PlaceTitle(PrintedPage& page, const QString& title, float top, float pitchY) const {
        const auto left = static_cast<float>(request_.area.left());
        const float titleTop = top + pitchY - (kLabelEm + kGapEm) * em_;
        Label(page, title, left, titleTop, static_cast<float>(request_.area.width()) / em_,
              LabelAlignment::Left);
        page.titles.push_back({left, titleTop, title});
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

    // A box to write a left-out number in, where the number would stand.
    void Box(PrintedPage& page, float left, float top, float widthEm) const {
        const float right = left + widthEm * em_;
        const float bottom = top + kLabelEm * em_;
        Stroke(page, left, top, right, top);
        Stroke(page, right, top, right, bottom);
        Stroke(page, right, bottom, left, bottom);
        Stroke(page, left, bottom, left, top);
    }

    // A number's place: the number, or a blank with the key's number in it.
    void NumberPlace(PrintedPage& page, const PrintedProblem& printed, BlankPlace place, float left,
                     float top, int digits, LabelAlignment alignment) const {
        const QString& number = place == BlankPlace::First ? printed.first : printed.second;
        if (printed.blank != place) {
            Label(page, number, left, top, Digits(digits), alignment);
            return;
        }
        Stroke(page, left, top + kUnderlineEm * em_, left + Digits(digits) * em_,
               top + kUnderlineEm * em_);
        if (!printed.solution.isEmpty()) {
            Label(page, number, left, top, Digits(digits), LabelAlignment::Right);
        }
    }

    // The cell's right edge, where stacked numbers end.
    [[nodiscard]] float StackedRight(float left) const {
        const float cellEm = std::max(StackedWidthEm(widths_),
                                      widths_.stackedDivision ? DivisionLineEm(widths_) : 0.0F);
        return left + cellEm * em_;
    }

    void PlaceStackedDivision(PrintedPage& page, const PrintedProblem& printed) const {
        const float right = StackedRight(printed.left);
        const float widthEm = (right - printed.left) / em_;
        Label(page,
              QStringLiteral("%1 %2 %3").arg(printed.first, request_.signs.divide, printed.second),
              printed.left, printed.top, widthEm, LabelAlignment::Right);
        Label(page, QStringLiteral("="), printed.left, printed.top + kSecondNumberEm * em_, kSignEm,
              LabelAlignment::Center);
        const float bar = printed.top + kAnswerBarEm * em_;
        Stroke(page, printed.left, bar, right, bar);
        if (!printed.solution.isEmpty()) {
            Label(page, printed.solution, printed.left, printed.top + kSolutionEm * em_, widthEm,
                  LabelAlignment::Right);
        }
    }

    void PlaceStackedNumber(PrintedPage& page, const PrintedProblem& printed, BlankPlace place,
                            float left, float top, float widthEm) const {
        const QString& number = place == BlankPlace::First ? printed.first : printed.second;
        if (printed.blank == place) {
            Box(page, left, top, widthEm);
        }
        if (printed.blank != place || !printed.solution.isEmpty()) {
            Label(page, number, left, top, widthEm, LabelAlignment::Right);
        }
    }

    void PlaceStacked(PrintedPage& page, const PrintedProblem& printed) {
        const float numbersEm = Digits(std::max(widths_.first, widths_.second));
        const float numbersLeft = StackedRight(printed.left) - numbersEm * em_;
        const float secondTop = printed.top + kSecondNumberEm * em_;
        PlaceStackedNumber(page, printed, BlankPlace::First, numbersLeft, printed.top, numbersEm);
        Label(page, Sign(printed.operatorSign), printed.left, secondTop, kSignEm,
              LabelAlignment::Center);
        PlaceStackedNumber(page, printed, BlankPlace::Second, numbersLeft, secondTop, numbersEm);
        const float bar = printed.top + kAnswerBarEm * em_;
        Stroke(page, printed.left, bar, numbersLeft + numbersEm * em_, bar);
        const QString& below =
            printed.blank == BlankPlace::Answer ? printed.solution : printed.answer;
        if (!below.isEmpty()) {
            Label(page, below, numbersLeft, printed.top + kSolutionEm * em_, numbersEm,
                  LabelAlignment::Right);
        }
    }

    // A blank of the given digits from x on, with the key's text in it; returns its end.
    float Blank(PrintedPage& page, const QString& text, float x, float top, int digits) const {
        const float blankEm = BlankEm(digits);
        Stroke(page, x, top + kUnderlineEm * em_, x + blankEm * em_, top + kUnderlineEm * em_);
        if (!text.isEmpty()) {
            Label(page, text, x, top, blankEm - kBlankExtraEm / 2, LabelAlignment::Right);
        }
        return x + blankEm * em_;
    }

    // "= ___" from x on, with the solution in the blank; "= 12" when a number is left
    // out; "= ___ r ___" for a remainder.
    void PlaceEqualsAndResult(PrintedPage& page, const PrintedProblem& printed, float x) const {
        const float top = printed.top;
        Label(page, QStringLiteral("="), x, top, kSignEm, LabelAlignment::Center);
        const float resultLeft = x + (kSignEm + kGapEm) * em_;
        if (printed.blank != BlankPlace::Answer) {
            Label(page, printed.answer, resultLeft, top, BlankEm(widths_.solution),
                  LabelAlignment::Left);
            return;
        }
        float end = Blank(page, printed.solution, resultLeft, top, widths_.solution);
        if (printed.withRemainder) {
            end += kGapEm * em_;
            const float wordEm = Digits(widths_.remainderWord);
            Label(page, request_.signs.remainder, end, top, wordEm, LabelAlignment::Center);
            Blank(page, printed.remainder, end + (wordEm + kGapEm) * em_, top, widths_.remainder);
        }
    }

    void PlaceLine(PrintedPage& page, const PrintedProblem& printed) {
        float x = printed.left;
        NumberPlace(page, printed, BlankPlace::First, x, printed.top, widths_.first,
                    LabelAlignment::Right);
        x += (Digits(widths_.first) + kGapEm) * em_;
        Label(page, Sign(printed.operatorSign), x, printed.top, kSignEm, LabelAlignment::Center);
        x += (kSignEm + kGapEm) * em_;
        NumberPlace(page, printed, BlankPlace::Second, x, printed.top, widths_.second,
                    LabelAlignment::Left);
        x += (Digits(widths_.second) + kGapEm) * em_;
        PlaceEqualsAndResult(page, printed, x);
    }

    // The divisor, then the dividend under the bracket's bar, then "= ___".
    void PlaceBracket(PrintedPage& page, const PrintedProblem& printed) const {
        const float top = printed.top;
        float x = printed.left;
        Label(page, printed.second, x, top, Digits(widths_.second), LabelAlignment::Right);
        x += Digits(widths_.second) * em_;
        const float slantTop = x + kBracketSlantEm * em_;
        Stroke(page, x, top + kUnderlineEm * em_, slantTop, top);
        const float dividendLeft = slantTop + kGapEm * em_ / 2;
        Label(page, printed.first, dividendLeft, top, Digits(widths_.first), LabelAlignment::Left);
        x = dividendLeft + (Digits(widths_.first) + kGapEm / 2) * em_;
        Stroke(page, slantTop, top, x, top);
        PlaceEqualsAndResult(page, printed, x + kGapEm * em_);
    }

    const FlowRequest& request_;
    const SheetShape& shape_;
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

// A sheet with written problems is printed at its size, never enlarged to fill its page:
// its working needs the room.
FlowPlan PlanWithWritten(const Widths& widths, const FlowRequest& request,
                         const SheetShape& shape) {
    CellEm cell = CellOf(widths);
    cell.height = std::max(cell.height, kLineRowEm);
    FlowPlan plan = PlanAt(NumberPoints(request.settings.page.size), cell, request, shape);
    const std::vector<FlowRow> rows = SizedRowsOf(
        shape.sections,
        SizedRowsFor(plan.points, plan.columns, cell.height * plan.points / kPointsPerInch),
        request);
    plan.pages = rows.empty() ? 1 : rows.back().page + 1;
    return plan;
}

FlowPlan PlanFor(const Widths& widths, const FlowRequest& request, const SheetShape& shape) {
    if (HasWritten(shape.sections)) {
        return PlanWithWritten(widths, request, shape);
    }
    const CellEm cell = CellOf(widths);
    FlowPlan plan = PlanAt(NumberPoints(request.settings.page.size), cell, request, shape);
    if (!request.settings.page.fillPage || plan.pages > 1) {
        return plan;
    }
    const float start = plan.points;
    for (int step = 1; start + static_cast<float>(step) * kFillStep <= kMostFillPoints; ++step) {
        const FlowPlan larger =
            PlanAt(start + static_cast<float>(step) * kFillStep, cell, request, shape);
        if (larger.pages > 1) {
            break;
        }
        plan = larger;
    }
    return plan;
}

}  // namespace

FlowPlan PlanFlow(const FlowRequest& request) {
    const SheetShape shape = ShapeOf(request);
    return PlanFor(WidthsOf(ProblemSet{}, request, shape), request, shape);
}

namespace {

std::vector<PrintedPage> EmptyPages(const FlowRequest& request, int count) {
    std::vector<PrintedPage> pages(static_cast<std::size_t>(count));
    for (PrintedPage& page : pages) {
        page.area = request.area;
        page.signs = request.signs;
    }
    return pages;
}

// A sheet with written sections: each row as tall as its section's cells, written
// problems side by side on their squares.
std::vector<PrintedPage> LayOutSizedPages(const ProblemSet& set, const FlowRequest& request,
                                          const SheetShape& shape, const Widths& widths,
                                          const FlowPlan& plan) {
    const float em = plan.points / kPointsPerInch;
    const float factsPitchY = std::max(CellOf(widths).height, kLineRowEm) * em;
    const SizedRows sizes = SizedRowsFor(plan.points, plan.columns, factsPitchY);
    const auto left = static_cast<float>(request.area.left());
    const auto top = static_cast<float>(request.area.top());
    const float factsPitchX =
        static_cast<float>(request.area.width()) / static_cast<float>(plan.columns);
    std::vector<PrintedPage> pages = EmptyPages(request, plan.pages);
    PagePlacer placer(request, shape, widths, plan.points);
    WrittenDrawing drawing{
        request.signs, plan.points, request.answerKey, request.settings.page.keyWorking, {}};
    const SheetSection* drawn = nullptr;  // the section whose cell the drawing has
    for (const FlowRow& row : SizedRowsOf(shape.sections, sizes, request)) {
        PrintedPage& page = pages[static_cast<std::size_t>(row.page)];
        const float rowTop = top + row.offset;
        if (row.title) {
            placer.PlaceTitle(page, row.section->title, rowTop, row.height);
            continue;
        }
        const bool written = IsWritten(*row.section);
        if (written && row.section != drawn) {
            drawing.cell = WrittenCellOf(*row.section, request.signs);
            drawn = row.section;
        }
        const float pitchX =
            written ? static_cast<float>(drawing.cell.columns) * sizes.Unit() : factsPitchX;
        for (int column = 0; column < row.count; ++column) {
            const std::size_t index = row.start + static_cast<std::size_t>(column);
            const float cellLeft = left + pitchX * static_cast<float>(column);
            if (index >= set.problems.size()) {
                break;
            }
            if (written) {
                PlaceWritten(page, set.problems[index], *row.section, drawing, cellLeft, rowTop);
            } else {
                placer.Place(page, set, index, cellLeft, rowTop);
            }
        }
    }
    return pages;
}

}  // namespace

std::vector<PrintedPage> LayOutFlowingPages(const ProblemSet& set, const FlowRequest& request) {
    const SheetShape shape = ShapeOf(request);
    const Widths widths = WidthsOf(set, request, shape);
    const FlowPlan plan = PlanFor(widths, request, shape);
    if (HasWritten(shape.sections)) {
        return LayOutSizedPages(set, request, shape, widths, plan);
    }
    const float em = plan.points / kPointsPerInch;
    // The columns share the width evenly; the rows keep their pitch from the top.
    const auto left = static_cast<float>(request.area.left());
    const auto top = static_cast<float>(request.area.top());
    const float pitchX =
        static_cast<float>(request.area.width()) / static_cast<float>(plan.columns);
    const float pitchY = CellOf(widths).height * em;
    std::vector<PrintedPage> pages(static_cast<std::size_t>(plan.pages));
    for (PrintedPage& page : pages) {
        page.area = request.area;
        page.signs = request.signs;
    }
    PagePlacer placer(request, shape, widths, plan.points);
    for (const FlowRow& row : RowsOf(shape.sections, plan.columns, plan.rows)) {
        PrintedPage& page = pages[static_cast<std::size_t>(row.page)];
        const float rowTop = top + pitchY * static_cast<float>(row.slot);
        if (row.title) {
            placer.PlaceTitle(page, row.section->title, rowTop, pitchY);
        }
        for (int column = 0; column < row.count; ++column) {
            const std::size_t index = row.start + static_cast<std::size_t>(column);
            if (index < set.problems.size()) {
                placer.Place(page, set, index, left + pitchX * static_cast<float>(column), rowTop);
            }
        }
    }
    return pages;
}

}  // namespace tallyworth
