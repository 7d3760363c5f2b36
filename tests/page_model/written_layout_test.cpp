#include "page_model/written_layout.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "page_model/flowing_layout.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// A4 inside half-inch margins, beside the Letter area every page is laid out on.
constexpr QRectF kA4Area(0.5, 0.5, 7.27, 10.69);

SheetSection Written(OperationRow operation, NumberRange first, NumberRange second, int count) {
    SheetSection section;
    section.kind = SectionKind::Written;
    section.operations = OperationBit(operation);
    section.first = first;
    section.second = second;
    section.count = count;
    return section;
}

// Sums of four six-digit numbers, the longest differences and products, and long divisions
// with remainders: every operation at its widest.
std::vector<SheetSection> WidestSections() {
    SheetSection sums = Written(OperationRow::Add, {100'000, 999'999}, {1, 999'999}, 7);
    sums.addends = 4;
    SheetSection quotients = Written(OperationRow::Divide, {10'000, 99'999}, {2, 99}, 7);
    quotients.remainderPercent = 50;
    quotients.title = QStringLiteral("Long division");
    return {sums, Written(OperationRow::Subtract, {100'000, 999'999}, {1, 999'999}, 7),
            Written(OperationRow::Multiply, {100, 9'999}, {2, 99}, 7), quotients,
            Written(OperationRow::Divide, {100, 9'999}, {1, 9}, 5)};
}

struct MethodCase {
    const char* name;
    WrittenMethod method;
    PrintSize size;
    QRectF area;
};

// A grid position of a caption: its column and row in squares from its cell's corner.
using Square = std::pair<int, int>;

// What a problem's cell shows, read square by square.
struct ReadCell {
    std::map<Square, int> digits;  // the full-size digits
    std::map<Square, int> small;   // the carries and borrows
};

class WrittenLayoutTest : public ::testing::TestWithParam<MethodCase> {
  protected:
    [[nodiscard]] FlowRequest Request(bool key) const {
        PageOptions options;
        options.method = GetParam().method;
        options.size = GetParam().size;
        options.keyWorking = true;
        const SheetSettings settings = SettingsOfSections(WidestSections(), false, options);
        return {settings, SignsOf(options, QLocale::English), key, GetParam().area};
    }
    [[nodiscard]] float Unit() const { return SquareInches(NumberPoints(GetParam().size)); }
    // The column or row of an offset from the cell's corner; -1 off the squares.
    [[nodiscard]] int OnSquares(float offset) const {
        const float squares = offset / Unit();
        return std::abs(squares - std::round(squares)) < 1e-3F
                   ? static_cast<int>(std::lround(squares))
                   : -1;
    }
};

bool Inside(const QRectF& area, float x, float y) {
    constexpr float kSlack = 1e-4F;
    return x >= area.left() - kSlack && x <= area.right() + kSlack && y >= area.top() - kSlack &&
           y <= area.bottom() + kSlack;
}

// The cells of the page's problems, the first being problem number first of the sheet.
std::vector<QRectF> CellsOf(const PrintedPage& page, std::size_t first, float unit) {
    std::vector<SheetSection> sections = WidestSections();
    std::vector<QRectF> cells;
    for (std::size_t index = first; index < first + page.problems.size(); ++index) {
        std::size_t start = 0;
        const SheetSection* section = sections.data();
        while (index >= start + static_cast<std::size_t>(section->count)) {
            start += static_cast<std::size_t>(section->count);
            ++section;
        }
        const WrittenCell cell = WrittenCellOf(*section, page.signs);
        const PrintedProblem& problem = page.problems[index - first];
        cells.emplace_back(problem.left, problem.top, static_cast<float>(cell.columns) * unit,
                           static_cast<float>(cell.rows) * unit);
    }
    return cells;
}

// The cell both corners lie in; none where they lie in different cells or none.
const QRectF* OwnerOf(const std::vector<QRectF>& cells, float x1, float y1, float x2, float y2) {
    for (const QRectF& cell : cells) {
        if (Inside(cell, x1, y1) && Inside(cell, x2, y2)) {
            return &cell;
        }
    }
    return nullptr;
}

bool IsTitle(const PrintedPage& page, const PageLabel& label) {
    return std::any_of(page.titles.begin(), page.titles.end(),
                       [&label](const PrintedTitle& title) { return title.text == label.caption; });
}

// No caption is written over another, as a two-digit remainder once was over its word.
void ExpectNoCaptionsOverlap(const PrintedPage& page) {
    constexpr float kTouch = 0.001F;
    for (std::size_t one = 0; one < page.labels.size(); ++one) {
        const PageLabel& a = page.labels[one];
        for (std::size_t other = one + 1; other < page.labels.size(); ++other) {
            const PageLabel& b = page.labels[other];
            const float across =
                std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
            const float down =
                std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
            EXPECT_FALSE(across > kTouch && down > kTouch)
                << a.caption.toStdString() << " over " << b.caption.toStdString();
        }
    }
}

// Every caption and stroke on its page's area, inside one problem's cell of that page
// (so no problem runs over two pages), every caption's corner on a square's corner.
TEST_P(WrittenLayoutTest, KeepsEveryProblemOnItsSquaresAndPage) {
    const FlowRequest request = Request(true);
    const std::vector<PrintedPage> pages =
        LayOutFlowingPages(ComposeSheet(FairSheetCode(request.settings, 99)), request);
    EXPECT_EQ(static_cast<int>(pages.size()), PlanFlow(request).pages);
    std::size_t first = 0;
    for (const PrintedPage& page : pages) {
        const std::vector<QRectF> cells = CellsOf(page, first, Unit());
        first += page.problems.size();
        for (const QRectF& cell : cells) {
            ASSERT_TRUE(Inside(page.area, static_cast<float>(cell.right()),
                               static_cast<float>(cell.bottom())));
        }
        for (const PageLabel& label : page.labels) {
            if (IsTitle(page, label)) {
                continue;
            }
            const QRectF* cell = OwnerOf(cells, label.left, label.top, label.left + label.width,
                                         label.top + label.height);
            ASSERT_NE(cell, nullptr) << label.caption.toStdString();
            EXPECT_GE(OnSquares(label.left - static_cast<float>(cell->left())), 0);
            EXPECT_GE(OnSquares(label.top - static_cast<float>(cell->top())), 0);
            EXPECT_GE(OnSquares(label.height), 1);
        }
        for (const PageLine& line : page.lines) {
            ASSERT_NE(OwnerOf(cells, line.x1, line.y1, line.x2, line.y2), nullptr);
        }
        ExpectNoCaptionsOverlap(page);
    }
    EXPECT_EQ(static_cast<int>(first), request.settings.count);
}

// The digits in the cell, full-size and small, by square.
ReadCell ReadOf(const PrintedPage& page, const QRectF& cell, float unit) {
    ReadCell read;
    const float points = NumberPoints(PrintSize::Normal) * unit / SquareInches(13.5F);
    for (const PageLabel& label : page.labels) {
        if (label.caption.size() != 1 || !label.caption[0].isDigit() ||
            !Inside(cell, label.left + label.width / 2, label.top + label.height / 2)) {
            continue;
        }
        const Square square{
            static_cast<int>(std::lround((label.left - static_cast<float>(cell.left())) / unit)),
            static_cast<int>(std::lround((label.top - static_cast<float>(cell.top())) / unit))};
        (label.fontSize < points ? read.small : read.digits)[square] =
            label.caption[0].digitValue();
    }
    return read;
}

// A run of digits on one row: its text and its last column.
struct Run {
    std::string text;
    int right = 0;
    friend bool operator==(const Run&, const Run&) = default;
};

void PrintTo(const Run& run, std::ostream* out) {
    *out << run.text << "@" << run.right;
}

// The runs of the row between the columns, left to right; a gap of a square ends a run.
std::vector<Run> RunsOf(const ReadCell& read, int row, int from = 0, int to = 1000) {
    std::vector<Run> runs;
    for (const auto& [square, digit] : read.digits) {
        if (square.second != row || square.first < from || square.first > to) {
            continue;
        }
        if (runs.empty() || runs.back().right + 1 != square.first) {
            runs.push_back({});
        }
        runs.back().text += static_cast<char>('0' + digit);
        runs.back().right = square.first;
    }
    return runs;
}

std::vector<int> RowsOf(const ReadCell& read) {
    std::vector<int> rows;
    for (const auto& entry : read.digits) {
        if (std::find(rows.begin(), rows.end(), entry.first.second) == rows.end()) {
            rows.push_back(entry.first.second);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int DigitAt(const ReadCell& read, int column, int row) {
    const auto found = read.digits.find({column, row});
    return found == read.digits.end() ? 0 : found->second;
}

std::string Trimmed(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Adds the rows as placed, column by column from the right one as a pupil does; the small
// digits it carries into each column go into carries.
std::string AddColumns(const ReadCell& read, const std::vector<int>& rows, int right,
                       std::map<int, int>* carries = nullptr) {
    std::string sum;
    int carry = 0;
    for (int column = right; column >= 0; --column) {
        for (const int row : rows) {
            carry += DigitAt(read, column, row);
        }
        sum.insert(sum.begin(), static_cast<char>('0' + carry % 10));
        carry /= 10;
        if (carry > 0 && carries != nullptr && column > 0) {
            (*carries)[column - 1] = carry;
        }
    }
    return Trimmed(sum);
}

// The small digits of the cell by column.
std::map<int, int> SmallByColumn(const ReadCell& read) {
    std::map<int, int> columns;
    for (const auto& [square, digit] : read.small) {
        columns[square.first] = digit;
    }
    return columns;
}

void CheckSum(const ReadCell& read, const PrintedProblem& printed) {
    const std::vector<int> rows = RowsOf(read);
    const int right = RunsOf(read, rows.back()).back().right;
    for (const int row : rows) {
        EXPECT_EQ(RunsOf(read, row).back().right, right) << "row " << row;
    }
    std::map<int, int> carries;
    const std::vector<int> numbers(rows.begin(), rows.end() - 1);
    const std::string sum = AddColumns(read, numbers, right, &carries);
    EXPECT_EQ(RunsOf(read, rows.back()).back().text, sum);
    EXPECT_EQ(sum, printed.solution.toStdString());
    // A carry out of the highest column is the sum's own first digit.
    carries.erase(right + 1 - static_cast<int>(sum.size()) - 1);
    EXPECT_EQ(SmallByColumn(read), carries);
}

void CheckDifference(const ReadCell& read, const PrintedProblem& printed) {
    const std::vector<int> rows = RowsOf(read);
    ASSERT_EQ(rows.size(), 3U);
    const int right = RunsOf(read, rows[0]).back().right;
    std::string difference;
    std::map<int, int> borrows;
    int borrow = 0;
    for (int column = right; column >= 0; --column) {
        int digit = DigitAt(read, column, rows[0]) - DigitAt(read, column, rows[1]) - borrow;
        borrow = digit < 0 ? 1 : 0;
        difference.insert(difference.begin(), static_cast<char>('0' + digit + 10 * borrow));
        if (borrow > 0) {
            borrows[column - 1] = 1;
        }
    }
    EXPECT_EQ(RunsOf(read, rows[2]).back(), (Run{Trimmed(difference), right}));
    EXPECT_EQ(Trimmed(difference), printed.solution.toStdString());
    EXPECT_EQ(SmallByColumn(read), borrows);
}

// The multiplicand times one digit, as a pupil multiplies it from its ones.
std::string TimesDigit(const std::string& multiplicand, int digit) {
    std::string product;
    int carry = 0;
    for (auto place = multiplicand.rbegin(); place != multiplicand.rend(); ++place) {
        carry += (*place - '0') * digit;
        product.insert(product.begin(), static_cast<char>('0' + carry % 10));
        carry /= 10;
    }
    return Trimmed(std::to_string(carry) + product);
}

// Stacked: the factors, a partial product a multiplier digit ones first, the product; on
// one line (Germany): each partial product ends under its digit, the highest first.
void CheckProduct(const ReadCell& read, const PrintedProblem& printed, bool onOneLine) {
    const std::vector<int> rows = RowsOf(read);
    const std::string first = printed.first.toStdString();
    const std::string second = printed.second.toStdString();
    const std::vector<Run> top = RunsOf(read, rows[0]);
    const int right = onOneLine ? top.back().right : RunsOf(read, rows[1]).back().right;
    const std::size_t partialsFrom = onOneLine ? 1 : 2;
    std::vector<int> partialRows(rows.begin() + static_cast<std::ptrdiff_t>(partialsFrom),
                                 rows.end() - 1);
    ASSERT_EQ(partialRows.size(), second.size() > 1 ? second.size() : 0U);
    for (std::size_t index = 0; index < partialRows.size(); ++index) {
        const std::size_t digit = onOneLine ? index : second.size() - 1 - index;
        const int shift = static_cast<int>(second.size() - 1 - digit);
        const Run run = RunsOf(read, partialRows[index]).back();
        const std::string expected = TimesDigit(first, second[digit] - '0');
        EXPECT_EQ(
            run,
            (Run{expected + (onOneLine ? "" : std::string(static_cast<std::size_t>(shift), '0')),
                 onOneLine ? right - shift : right}));
    }
    const std::string product = partialRows.empty() ? TimesDigit(first, second[0] - '0')
                                                    : AddColumns(read, partialRows, right);
    EXPECT_EQ(RunsOf(read, rows.back()).back(), (Run{product, right}));
    EXPECT_EQ(product, printed.solution.toStdString());
}

// Where the digits spelling the text stand in a run, top row first, other than at skip.
std::optional<std::pair<int, Run>> Find(const ReadCell& read, const std::string& text,
                                        std::optional<std::pair<int, Run>> skip = std::nullopt) {
    for (const int row : RowsOf(read)) {
        for (const Run& run : RunsOf(read, row)) {
            for (std::size_t at = run.text.find(text); at != std::string::npos;
                 at = run.text.find(text, at + 1)) {
                const std::pair<int, Run> found{
                    row, {text, run.right - static_cast<int>(run.text.size() - at - text.size())}};
                if (found != skip) {
                    return found;
                }
            }
        }
    }
    return std::nullopt;
}

// The rows a pupil writes under the dividend: a step's product (where the method writes
// them) and what is left with the next digit brought down, each ending in its column.
std::vector<Run> PupilsSteps(const std::string& dividend, int divisor, int left, bool products) {
    std::vector<Run> steps;
    int partial = 0;
    for (std::size_t end = 0; end < dividend.size(); ++end) {
        partial = partial * 10 + (dividend[end] - '0');
        const bool last = end + 1 == dividend.size();
        if (steps.empty() && partial < divisor && !last) {
            continue;
        }
        int times = 0;
        while ((times + 1) * divisor <= partial) {
            ++times;
        }
        const int right = left + static_cast<int>(end);
        if (products) {
            steps.push_back({std::to_string(times * divisor), right});
        }
        partial -= times * divisor;
        steps.push_back({std::to_string(partial) + (last ? "" : dividend.substr(end + 1, 1)),
                         last ? right : right + 1});
    }
    return steps;
}

void CheckDivision(const ReadCell& read, const PrintedProblem& printed, WrittenMethod method) {
    const std::string dividendText = printed.first.toStdString();
    const bool above = method == WrittenMethod::American || method == WrittenMethod::English ||
                       method == WrittenMethod::Mexican;
    auto dividend = Find(read, dividendText);
    if (above && printed.first == printed.solution) {
        dividend = Find(read, dividendText, dividend);  // under its quotient, the same number
    }
    const auto quotient = Find(read, printed.solution.toStdString(), dividend);
    ASSERT_TRUE(dividend && quotient);
    const int left = dividend->second.right + 1 - static_cast<int>(dividendText.size());
    const bool products = method != WrittenMethod::Spanish && method != WrittenMethod::Mexican;
    std::vector<Run> written;
    for (const int row : RowsOf(read)) {
        if (row > dividend->first) {
            for (const Run& run : RunsOf(read, row, left, dividend->second.right)) {
                written.push_back(run);
            }
        }
    }
    EXPECT_EQ(written, PupilsSteps(dividendText, printed.second.toInt(), left, products));
    if (above) {
        EXPECT_EQ(quotient->second.right, dividend->second.right);
        EXPECT_EQ(quotient->first + 1, dividend->first);
    }
    if (printed.withRemainder) {
        const std::vector<Run> after = RunsOf(read, quotient->first, quotient->second.right + 1);
        ASSERT_FALSE(after.empty());
        EXPECT_EQ(after.front().text, printed.remainder.toStdString());
    }
}

// A key with the working, read square by square, agrees with a pupil's own working: the
// digits of a place value in one column, every carry, partial product and step.
TEST_P(WrittenLayoutTest, WorksEveryKeyAsAPupilDoes) {
    const FlowRequest request = Request(true);
    std::size_t first = 0;
    for (const PrintedPage& page :
         LayOutFlowingPages(ComposeSheet(FairSheetCode(request.settings, 7)), request)) {
        const std::vector<QRectF> cells = CellsOf(page, first, Unit());
        first += page.problems.size();
        for (std::size_t index = 0; index < cells.size(); ++index) {
            const PrintedProblem& printed = page.problems[index];
            SCOPED_TRACE(WrittenProblem(printed, page.signs).toStdString());
            const ReadCell read = ReadOf(page, cells[index], Unit());
            if (printed.operatorSign == u"+") {
                CheckSum(read, printed);
            } else if (printed.operatorSign == u"-") {
                CheckDifference(read, printed);
            } else if (printed.operatorSign == u"*") {
                CheckProduct(read, printed, GetParam().method == WrittenMethod::German);
            } else {
                CheckDivision(read, printed, GetParam().method);
            }
        }
    }
}

// clang-format off
const std::vector<MethodCase> kMethods{
    {"American", WrittenMethod::American, PrintSize::Normal, kFlowingArea},
    {"EnglishExtraLargeA4", WrittenMethod::English, PrintSize::ExtraLarge, kA4Area},
    {"GermanA4", WrittenMethod::German, PrintSize::Normal, kA4Area},
    {"GermanExtraLarge", WrittenMethod::German, PrintSize::ExtraLarge, kFlowingArea},
    {"French", WrittenMethod::French, PrintSize::Normal, kFlowingArea},
    {"FrenchExtraLargeA4", WrittenMethod::French, PrintSize::ExtraLarge, kA4Area},
    {"SpanishA4", WrittenMethod::Spanish, PrintSize::Normal, kA4Area},
    {"MexicanExtraLarge", WrittenMethod::Mexican, PrintSize::ExtraLarge, kFlowingArea},
    {"Dutch", WrittenMethod::Dutch, PrintSize::Normal, kFlowingArea},
    {"DutchExtraLargeA4", WrittenMethod::Dutch, PrintSize::ExtraLarge, kA4Area},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Methods, WrittenLayoutTest, ::testing::ValuesIn(kMethods),
                         testing_support::kCaseName);

}  // namespace
}  // namespace tallyworth
