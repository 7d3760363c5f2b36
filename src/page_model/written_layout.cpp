#include "page_model/written_layout.h"

#include "core/operations.h"
#include "core/written_working.h"
#include "page_model/flowing_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallyworth {

namespace {

constexpr float kSquareMillimetres = 5.0F;
constexpr float kMillimetresPerInch = 25.4F;
constexpr float kSmallShare = 0.6F;  // a carry's print against a digit's
constexpr int kRulePixels = 2;       // at the normal print, growing with it
constexpr std::int16_t kSquarePixels = 1;
constexpr float kBracketBulge = 0.2F;  // how far ")" reaches into its square
constexpr int kBase = 10;
constexpr const char* kPageFont = "MS Sans Serif";

// What the pupil sees of a problem: its numbers alone, its answer too, or all the working.
enum class Shown { Numbers, Answer, Working };

// A caption or stroke of a problem, in squares from its cell's top-left corner.
struct Mark {
    enum class Kind { Digit, Small, Text, Line } kind = Kind::Digit;
    float x = 0;
    float y = 0;
    float x2 = 0;  // a caption's right edge, or a line's end
    float y2 = 0;
    QString text;
};

// A problem drawn on squares: a digit or sign fills one square, a word a few.
class Sketch {
  public:
    // The number's digits, one a square, its last in the column right.
    void Number(int right, int row, const QString& digits, bool small = false) {
        const int first = right - static_cast<int>(digits.size()) + 1;
        for (int index = 0; index < static_cast<int>(digits.size()); ++index) {
            Caption(small ? Mark::Kind::Small : Mark::Kind::Digit, first + index, row, 1,
                    digits.mid(index, 1));
        }
    }
    void Text(int column, int row, int span, const QString& text) {
        Caption(Mark::Kind::Text, column, row, span, text);
    }
    void Line(float x1, float y1, float x2, float y2) {
        marks_.push_back({Mark::Kind::Line, x1, y1, x2, y2, {}});
        Reach(std::max(x1, x2), std::max(y1, y2));
    }
    void Rule(float x1, float x2, float y) { Line(x1, y, x2, y); }
    // Room kept free for what another problem of the section writes there.
    void Reserve(int column, int row) {
        Reach(static_cast<float>(column + 1), static_cast<float>(row + 1));
    }
    [[nodiscard]] const std::vector<Mark>& Marks() const { return marks_; }
    [[nodiscard]] int Columns() const { return static_cast<int>(std::ceil(right_)); }
    [[nodiscard]] int Rows() const { return static_cast<int>(std::ceil(bottom_)); }

  private:
    void Caption(Mark::Kind kind, int column, int row, int span, const QString& text) {
        const auto x = static_cast<float>(column);
        const auto y = static_cast<float>(row);
        marks_.push_back({kind, x, y, x + static_cast<float>(span), y + 1, text});
        Reach(x + static_cast<float>(span), y + 1);
    }
    void Reach(float x, float y) {
        right_ = std::max(right_, x);
        bottom_ = std::max(bottom_, y);
    }

    std::vector<Mark> marks_;
    float right_ = 0;
    float bottom_ = 0;
};

int DigitCount(int number) {
    return static_cast<int>(QString::number(number).size());
}

QString Text(int number) {
    return QString::number(number);
}

// How many squares a remainder word takes: about two letters a square.
int WordColumns(const QString& word) {
    return std::max(1, (static_cast<int>(word.size()) * 3 + 4) / 5);
}

// The most digits the section's problems have, so that every problem of it, and of every
// sheet of its settings, fits the same cell.
struct Frame {
    WrittenMethod method = WrittenMethod::American;
    int widest = 1;  // the first number or any addend; the dividend
    int second = 1;  // the multiplier or divisor
    int result = 1;  // the sum, difference or product
    int wordColumns = 1;
};

Frame FrameOf(const SheetSection& section, OperationRow operation, const PageSigns& signs) {
    const int first = section.first.highest;
    const int second = section.second.highest;
    Frame frame{signs.method, DigitCount(std::max(first, second)), DigitCount(second),
                DigitCount(first), WordColumns(signs.remainder)};
    if (operation == OperationRow::Add) {
        frame.result = DigitCount(first + (section.addends - 1) * second);
    } else if (operation == OperationRow::Multiply) {
        frame.result = DigitCount(first * second);
    }
    return frame;
}

bool SignRight(const Frame& frame) {
    return frame.method == WrittenMethod::Dutch;
}

// Column sums and differences: the numbers under each other, the sign left of the widest
// (right of the lowest in the Netherlands), a rule, the answer, and a row for the carries
// where the method writes them.
void SketchColumns(Sketch& sketch, const Frame& frame, const Problem& problem, const QString& sign,
                   Shown shown) {
    const std::vector<int> numbers = NumbersOf(problem);
    const auto count = static_cast<int>(numbers.size());
    const bool dutch = SignRight(frame);
    const int right =
        dutch ? std::max(frame.result, frame.widest) - 1 : std::max(frame.result - 1, frame.widest);
    const bool carriesAbove =
        frame.method != WrittenMethod::German && frame.method != WrittenMethod::English;
    const int firstRow = carriesAbove ? 1 : 0;
    const int answerRow = frame.method == WrittenMethod::English ? count : count + 1;
    const int carryRow = carriesAbove                            ? 0
                         : frame.method == WrittenMethod::German ? count
                                                                 : count + 1;
    for (int index = 0; index < count; ++index) {
        sketch.Number(right, firstRow + index, Text(numbers[static_cast<std::size_t>(index)]));
    }
    const int signColumn = dutch ? right + 1 : right - frame.widest;
    sketch.Text(signColumn, firstRow + count - 1, 1, sign);
    const int leftmost = std::min(signColumn, right - frame.result + 1);
    sketch.Rule(static_cast<float>(leftmost), static_cast<float>(std::max(right, signColumn) + 1),
                static_cast<float>(answerRow));
    sketch.Reserve(right, carryRow);
    sketch.Reserve(right, answerRow);
    if (shown != Shown::Numbers) {
        sketch.Number(right, answerRow, Text(AnswerOf(problem)));
    }
    if (shown != Shown::Working) {
        return;
    }
    const std::vector<int> marks = problem.operation == OperationRow::Add
                                       ? ColumnCarries(numbers)
                                       : ColumnBorrows(problem.first, problem.second);
    const int answerDigits = DigitCount(AnswerOf(problem));
    for (int column = 1; column < static_cast<int>(marks.size()); ++column) {
        const int carry = marks[static_cast<std::size_t>(column)];
        if (carry > 0 && (column < answerDigits || problem.operation == OperationRow::Subtract)) {
            sketch.Number(right - column, carryRow, Text(carry), true);
        }
    }
}

// A product under its factors: ones digit's partial product first, the tens' shifted
// left with its placeholder 0, then the product.
void SketchStackedProduct(Sketch& sketch, const Frame& frame, const Problem& problem,
                          const QString& sign, Shown shown) {
    const bool dutch = SignRight(frame);
    const int factors = std::max(frame.widest, frame.second);
    const int right =
        dutch ? std::max(frame.result, factors) - 1 : std::max(frame.result - 1, factors);
    const int signColumn = dutch ? right + 1 : right - factors;
    sketch.Number(right, 0, Text(problem.first));
    sketch.Number(right, 1, Text(problem.second));
    sketch.Text(signColumn, 1, 1, sign);
    const auto from = static_cast<float>(std::min(signColumn, right - frame.result + 1));
    const auto to = static_cast<float>(std::max(right, signColumn) + 1);
    sketch.Rule(from, to, 2);
    const std::vector<int> partials = PartialProducts(problem.first, problem.second);
    int productRow = 2;
    if (partials.size() > 1) {
        for (std::size_t digit = 0; digit < partials.size(); ++digit) {
            if (shown == Shown::Working) {
                const QString zeros(static_cast<qsizetype>(digit), u'0');
                sketch.Number(right, 2 + static_cast<int>(digit), Text(partials[digit]) + zeros);
            }
        }
        productRow += static_cast<int>(partials.size());
        sketch.Rule(from, to, static_cast<float>(productRow));
    }
    sketch.Reserve(right, 2 + (frame.second > 1 ? 2 : 0));
    if (shown != Shown::Numbers) {
        sketch.Number(right, productRow, Text(AnswerOf(problem)));
    }
}

// "423 · 35" on one line, each partial product ending under its digit of the multiplier,
// the highest first.
void SketchLineProduct(Sketch& sketch, const Frame& frame, const Problem& problem,
                       const QString& sign, Shown shown) {
    const QString first = Text(problem.first);
    const QString second = Text(problem.second);
    const auto firstDigits = static_cast<int>(first.size());
    const int end = firstDigits + static_cast<int>(second.size());
    sketch.Number(firstDigits - 1, 0, first);
    sketch.Text(firstDigits, 0, 1, sign);
    sketch.Number(end, 0, second);
    const int productLeft = std::min(0, end - frame.result + 1);
    sketch.Rule(static_cast<float>(productLeft), static_cast<float>(end + 1), 1);
    std::vector<int> partials = PartialProducts(problem.first, problem.second);
    std::reverse(partials.begin(), partials.end());
    int productRow = 1;
    if (partials.size() > 1) {
        for (std::size_t digit = 0; digit < partials.size(); ++digit) {
            if (shown == Shown::Working) {
                sketch.Number(firstDigits + 1 + static_cast<int>(digit),
                              1 + static_cast<int>(digit), Text(partials[digit]));
            }
        }
        productRow += static_cast<int>(partials.size());
        sketch.Rule(static_cast<float>(productLeft), static_cast<float>(end + 1),
                    static_cast<float>(productRow));
    }
    sketch.Reserve(frame.widest + frame.second, 1 + (frame.second > 1 ? 2 : 0));
    if (shown != Shown::Numbers) {
        sketch.Number(end, productRow, Text(AnswerOf(problem)));
    }
}

// Only the remainders of the steps are written in Spain and Mexico.
bool WritesProducts(WrittenMethod method) {
    return method != WrittenMethod::Spanish && method != WrittenMethod::Mexican;
}

// The steps under the dividend, its first digit in column left, from row top down: each
// step's product under the digits it is taken from and a short rule (where the method
// writes them), then the difference with the next digit brought down.
void SketchSteps(Sketch& sketch, const Problem& problem, const Frame& frame, int left, int top) {
    const QString dividend = Text(problem.first);
    const std::vector<DivisionStep> steps = DivisionSteps(problem.first, problem.second);
    const bool products = WritesProducts(frame.method);
    int row = top;
    int written = 0;  // the digits the step's partial dividend is written with
    for (std::size_t index = 0; index < steps.size(); ++index) {
        const DivisionStep& step = steps[index];
        const int right = left + step.end;
        if (index == 0) {
            written = step.end + 1;
        }
        if (products) {
            sketch.Number(right, row, Text(step.product));
            sketch.Rule(static_cast<float>(right - written + 1), static_cast<float>(right + 1),
                        static_cast<float>(row + 1));
            ++row;
        }
        const bool last = index + 1 == steps.size();
        const QString below =
            Text(step.difference) + (last ? QString() : dividend.mid(step.end + 1, 1));
        sketch.Number(last ? right : right + 1, row++, below);
        written = static_cast<int>(below.size());
    }
}

// The most steps a dividend of the frame's digits takes: one a digit.
int StepRows(const Frame& frame) {
    return frame.widest * (WritesProducts(frame.method) ? 2 : 1);
}

// The quotient, its digits from column left on; with the remainder after it.
void SketchQuotient(Sketch& sketch, const Problem& problem, const Frame& frame,
                    const PageSigns& signs, int left, int row) {
    const QString quotient = Text(AnswerOf(problem));
    sketch.Number(left + static_cast<int>(quotient.size()) - 1, row, quotient);
    if (problem.withRemainder) {
        const int word = left + static_cast<int>(quotient.size()) + 1;
        sketch.Text(word, row, frame.wordColumns, signs.remainder);
        const QString remainder = Text(RemainderOf(problem));
        sketch.Number(word + frame.wordColumns + static_cast<int>(remainder.size()) - 1, row,
                      remainder);
    }
}

// Room for the widest quotient and remainder from column left on.
void ReserveQuotient(Sketch& sketch, const Problem& problem, const Frame& frame, int left,
                     int row) {
    const int remainder = problem.withRemainder ? 1 + frame.wordColumns + frame.second : 0;
    sketch.Reserve(left + frame.widest + remainder - 1, row);
}

// The divisor left of a bracket whose bar runs over the dividend; the quotient above the
// bar, each digit over the last dividend digit of its step.
void SketchBracket(Sketch& sketch, const Frame& frame, const Problem& problem,
                   const PageSigns& signs, Shown shown) {
    const int left = frame.second;
    sketch.Number(left - 1, 1, Text(problem.second));
    sketch.Number(left + DigitCount(problem.first) - 1, 1, Text(problem.first));
    const auto bar = static_cast<float>(left);
    if (frame.method == WrittenMethod::Mexican) {
        sketch.Line(bar, 1, bar, 2);
    } else {
        sketch.Line(bar, 1, bar + kBracketBulge, 1.5F);
        sketch.Line(bar + kBracketBulge, 1.5F, bar, 2);
    }
    sketch.Rule(bar, bar + static_cast<float>(frame.widest), 1);
    ReserveQuotient(sketch, problem, frame, left + 1, 0);
    sketch.Reserve(left, 1 + StepRows(frame));
    if (shown == Shown::Numbers) {
        return;
    }
    const std::vector<DivisionStep> steps = DivisionSteps(problem.first, problem.second);
    const int first = steps.empty() ? 0 : steps.front().end;
    SketchQuotient(sketch, problem, frame, signs, left + first, 0);
    if (shown == Shown::Working) {
        SketchSteps(sketch, problem, frame, left, 2);
    }
}

// "8520 : 4 = 2130" in Germany, "4 / 8520 \ 2130" in the Netherlands, steps underneath.
void SketchDivisionLine(Sketch& sketch, const Frame& frame, const Problem& problem,
                        const PageSigns& signs, Shown shown) {
    const QString dividend = Text(problem.first);
    const QString divisor = Text(problem.second);
    const bool dutch = frame.method == WrittenMethod::Dutch;
    const QString& leftNumber = dutch ? divisor : dividend;
    const QString& rightNumber = dutch ? dividend : divisor;
    const auto leftDigits = static_cast<int>(leftNumber.size());
    const int rightEnd = leftDigits + static_cast<int>(rightNumber.size());
    sketch.Number(leftDigits - 1, 0, leftNumber);
    sketch.Text(leftDigits, 0, 1, dutch ? QStringLiteral("/") : QStringLiteral(":"));
    sketch.Number(rightEnd, 0, rightNumber);
    sketch.Text(rightEnd + 1, 0, 1, dutch ? QStringLiteral("\\") : QStringLiteral("="));
    const int quotientLeft = rightEnd + 2;
    sketch.Reserve(frame.widest + frame.second + 1, 0);
    ReserveQuotient(sketch, problem, frame, frame.widest + frame.second + 2, 0);
    sketch.Reserve(0, StepRows(frame));
    if (shown != Shown::Numbers) {
        SketchQuotient(sketch, problem, frame, signs, quotientLeft, 0);
    }
    if (shown == Shown::Working) {
        SketchSteps(sketch, problem, frame, dutch ? leftDigits + 1 : 0, 1);
    }
}

// The dividend left of an upright bar, the divisor right of it over a rule, the quotient
// under the rule, the steps under the dividend.
void SketchPotence(Sketch& sketch, const Frame& frame, const Problem& problem,
                   const PageSigns& signs, Shown shown) {
    const int dividendDigits = DigitCount(problem.first);
    sketch.Number(dividendDigits - 1, 0, Text(problem.first));
    const auto bar = static_cast<float>(dividendDigits);
    sketch.Line(bar, 0, bar, 2);
    sketch.Number(dividendDigits + DigitCount(problem.second) - 1, 0, Text(problem.second));
    sketch.Rule(bar, bar + static_cast<float>(std::max(frame.second, frame.widest)), 1);
    ReserveQuotient(sketch, problem, frame, frame.widest, 1);
    sketch.Reserve(0, 1 + StepRows(frame));
    if (shown != Shown::Numbers) {
        SketchQuotient(sketch, problem, frame, signs, dividendDigits, 1);
    }
    if (shown == Shown::Working) {
        SketchSteps(sketch, problem, frame, 0, 1);
    }
}

void SketchDivision(Sketch& sketch, const Frame& frame, const Problem& problem,
                    const PageSigns& signs, Shown shown) {
    switch (frame.method) {
        case WrittenMethod::German:
        case WrittenMethod::Dutch:
            SketchDivisionLine(sketch, frame, problem, signs, shown);
            return;
        case WrittenMethod::French:
        case WrittenMethod::Spanish:
            SketchPotence(sketch, frame, problem, signs, shown);
            return;
        default:
            SketchBracket(sketch, frame, problem, signs, shown);
            return;
    }
}

Sketch SketchOf(const SheetSection& section, const Problem& problem, const PageSigns& signs,
                Shown shown) {
    const Frame frame = FrameOf(section, problem.operation, signs);
    // Looked up only where written: a translated sign costs more than a problem's digits.
    const QString sign = problem.operation == OperationRow::Divide
                             ? QString()
                             : WrittenOperation(OperationSymbol(problem.operation), signs);
    Sketch sketch;
    switch (problem.operation) {
        case OperationRow::Add:
        case OperationRow::Subtract:
            SketchColumns(sketch, frame, problem, sign, shown);
            break;
        case OperationRow::Multiply:
            if (frame.method == WrittenMethod::German) {
                SketchLineProduct(sketch, frame, problem, sign, shown);
            } else {
                SketchStackedProduct(sketch, frame, problem, sign, shown);
            }
            break;
        default:
            SketchDivision(sketch, frame, problem, signs, shown);
            break;
    }
    return sketch;
}

// The problem of the section that takes the most room: the largest numbers, and the
// dividend of nines over the smallest divisor, which takes a step a digit.
Problem RoomiestProblem(const SheetSection& section, OperationRow operation) {
    Problem problem{operation, section.first.highest, section.second.highest};
    problem.written = true;
    if (operation == OperationRow::Add) {
        for (int index = 2; index < section.addends; ++index) {
            problem.more[static_cast<std::size_t>(index - 2)] = section.second.highest;
        }
    } else if (operation == OperationRow::Subtract) {
        problem.second = std::min(section.second.lowest, problem.first);
    } else if (operation == OperationRow::Divide) {
        problem.first = static_cast<int>(std::pow(kBase, DigitCount(section.first.highest))) - 1;
        problem.second = std::max(1, section.second.lowest);
        problem.withRemainder = section.remainderPercent > 0;
    }
    return problem;
}

// Draws a sketch on the page: one square is unit inches, its corner at left and top.
class SketchPainter {
  public:
    SketchPainter(PrintedPage& page, const WrittenDrawing& drawing, float left, float top)
        : page_(page),
          drawing_(drawing),
          left_(left),
          top_(top),
          unit_(SquareInches(drawing.points)) {}

    void Squares(const WrittenCell& cell) const {
        const float right = X(static_cast<float>(cell.columns));
        const float bottom = Y(static_cast<float>(cell.rows));
        for (int column = 0; column <= cell.columns; ++column) {
            const float x = X(static_cast<float>(column));
            Stroke(x, top_, x, bottom, kSquarePixels, kSquaresGrey);
        }
        for (int row = 0; row <= cell.rows; ++row) {
            const float y = Y(static_cast<float>(row));
            Stroke(left_, y, right, y, kSquarePixels, kSquaresGrey);
        }
    }

    void Draw(const Sketch& sketch) const {
        const auto rule = static_cast<std::int16_t>(std::lround(
            static_cast<float>(kRulePixels) * drawing_.points / NumberPoints(PrintSize::Normal)));
        for (const Mark& mark : sketch.Marks()) {
            if (mark.kind == Mark::Kind::Line) {
                Stroke(X(mark.x), Y(mark.y), X(mark.x2), Y(mark.y2), rule, kBlack);
            } else {
                Caption(mark);
            }
        }
    }

  private:
    [[nodiscard]] float X(float squares) const { return left_ + squares * unit_; }
    [[nodiscard]] float Y(float squares) const { return top_ + squares * unit_; }

    void Stroke(float x1, float y1, float x2, float y2, std::int16_t width,
                ColorValue color) const {
        PageLine line;
        line.x1 = x1;
        line.y1 = y1;
        line.x2 = x2;
        line.y2 = y2;
        line.borderWidth = width;
        line.borderColor = color;
        line.visible = true;
        page_.lines.push_back(line);
    }

    void Caption(const Mark& mark) const {
        PageLabel label;
        label.left = X(mark.x);
        label.top = Y(mark.y);
        label.width = X(mark.x2) - label.left;
        label.height = Y(mark.y2) - label.top;
        label.caption = mark.text;
        label.alignment = LabelAlignment::Center;
        label.fontName = fontName_;
        label.fontSize = drawing_.points * (mark.kind == Mark::Kind::Small ? kSmallShare : 1.0F);
        label.visible = true;
        page_.labels.push_back(label);
    }

    PrintedPage& page_;
    const WrittenDrawing& drawing_;
    float left_;
    float top_;
    float unit_;
    QString fontName_ = QString::fromLatin1(kPageFont);
};

// Each column's sum, the carry it received first: "1+2+9=12".
QStringList SumSteps(const std::vector<int>& numbers) {
    const std::vector<int> carries = ColumnCarries(numbers);
    const int columns = DigitCount(*std::max_element(numbers.begin(), numbers.end()));
    QStringList steps;
    for (int column = 0; column < columns; ++column) {
        const int carried = carries[static_cast<std::size_t>(column)];
        QStringList terms;
        int sum = carried;
        if (carried > 0) {
            terms << Text(carried);
        }
        for (const int number : numbers) {
            if (DigitCount(number) > column) {
                terms << Text(DigitInColumn(number, column));
                sum += DigitInColumn(number, column);
            }
        }
        steps << QStringLiteral("%1=%2").arg(terms.join(u'+'), Text(sum));
    }
    return steps;
}

// Each column's subtraction after the borrowing: "13-6=7".
QStringList DifferenceSteps(int first, int second) {
    const std::vector<int> paid = ColumnBorrows(first, second);
    QStringList steps;
    for (std::size_t column = 0; column < paid.size(); ++column) {
        const bool borrows = column + 1 < paid.size() && paid[column + 1] != 0;
        const int top =
            DigitInColumn(first, static_cast<int>(column)) - paid[column] + (borrows ? 10 : 0);
        const int bottom = DigitInColumn(second, static_cast<int>(column));
        steps << QStringLiteral("%1-%2=%3").arg(Text(top), Text(bottom), Text(top - bottom));
    }
    return steps;
}

// Each digit's partial product, worth its place, then their sum: "423×30=12690".
QStringList ProductSteps(int first, int second, const QString& times) {
    const std::vector<int> partials = PartialProducts(first, second);
    QStringList steps;
    QStringList shifted;
    int place = 1;
    for (std::size_t index = 0; index < partials.size(); ++index, place *= 10) {
        const int digit = DigitInColumn(second, static_cast<int>(index));
        steps << QStringLiteral("%1%2%3=%4")
                     .arg(Text(first), times, Text(digit * place), Text(partials[index] * place));
        shifted << Text(partials[index] * place);
    }
    if (shifted.size() > 1) {
        steps << QStringLiteral("%1=%2").arg(shifted.join(u'+'), Text(first * second));
    }
    return steps;
}

// Each step's subtraction of a long division: "12-12=0".
QStringList DivisionStepsText(int dividend, int divisor) {
    QStringList steps;
    for (const DivisionStep& step : DivisionSteps(dividend, divisor)) {
        steps << QStringLiteral("%1-%2=%3")
                     .arg(Text(step.partial), Text(step.product), Text(step.difference));
    }
    return steps;
}

QStringList WorkingOf(const Problem& problem, const PageSigns& signs) {
    switch (problem.operation) {
        case OperationRow::Add:
            return SumSteps(NumbersOf(problem));
        case OperationRow::Subtract:
            return DifferenceSteps(problem.first, problem.second);
        case OperationRow::Multiply:
            return ProductSteps(problem.first, problem.second, signs.times);
        case OperationRow::Divide:
            return DivisionStepsText(problem.first, problem.second);
        case OperationRow::Mix:
            break;
    }
    return {};
}

PrintedProblem PrintedOf(const Problem& problem, const WrittenDrawing& drawing, float left,
                         float top) {
    const std::vector<int> numbers = NumbersOf(problem);
    PrintedProblem printed{left, top, Text(problem.first), OperationSymbol(problem.operation),
                           Text(problem.second)};
    for (std::size_t index = 2; index < numbers.size(); ++index) {
        printed.more << Text(numbers[index]);
    }
    printed.written = true;
    printed.withRemainder = problem.withRemainder;
    if (drawing.answerKey) {
        printed.solution = Text(AnswerOf(problem));
        printed.remainder = problem.withRemainder ? Text(RemainderOf(problem)) : QString();
        if (drawing.working) {
            printed.working = WorkingOf(problem, drawing.signs);
        }
    }
    return printed;
}

}  // namespace

float SquareInches(float points) {
    return kSquareMillimetres / kMillimetresPerInch * points / NumberPoints(PrintSize::Normal);
}

WrittenCell WrittenCellOf(const SheetSection& section, const PageSigns& signs) {
    WrittenCell cell;
    for (const OperationRow operation : SectionOperations(section)) {
        const Sketch sketch =
            SketchOf(section, RoomiestProblem(section, operation), signs, Shown::Working);
        cell.columns = std::max(cell.columns, sketch.Columns() + 1);
        cell.rows = std::max(cell.rows, sketch.Rows() + 1);
    }
    return cell;
}

void PlaceWritten(PrintedPage& page, const Problem& problem, const SheetSection& section,
                  const WrittenDrawing& drawing, float left, float top) {
    const Shown shown = !drawing.answerKey ? Shown::Numbers
                        : drawing.working  ? Shown::Working
                                           : Shown::Answer;
    const SketchPainter painter(page, drawing, left, top);
    if (drawing.signs.squares) {
        painter.Squares(drawing.cell);
    }
    painter.Draw(SketchOf(section, problem, drawing.signs, shown));
    page.problems.push_back(PrintedOf(problem, drawing, left, top));
}

}  // namespace tallyworth
