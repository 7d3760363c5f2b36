#include "page/page_fill.h"
#include "page/page_layout.h"

#include "page_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using page_test::MakeState;
using page_test::Notation;
using page_test::RecordingReporter;

enum class Array {
    lblValue,
    lblPlus,
    lblSolution,
    Line1,
    Line2,
    DivisionLine,
    EqualSignTop,
    EqualSignBottom
};

const char* NameOf(Array array) {
    switch (array) {
        case Array::lblValue:
            return "lblValue";
        case Array::lblPlus:
            return "lblPlus";
        case Array::lblSolution:
            return "lblSolution";
        case Array::Line1:
            return "Line1";
        case Array::Line2:
            return "Line2";
        case Array::DivisionLine:
            return "DivisionLine";
        case Array::EqualSignTop:
            return "EqualSignTop";
        case Array::EqualSignBottom:
            return "EqualSignBottom";
    }
    return "?";
}

bool IsVisible(const PageControls& page, Array array, int index) {
    const auto at = static_cast<std::size_t>(index);
    switch (array) {
        case Array::lblValue:
            return page.lblValue.at(at).Visible;
        case Array::lblPlus:
            return page.lblPlus.at(at).Visible;
        case Array::lblSolution:
            return page.lblSolution.at(at).Visible;
        case Array::Line1:
            return page.Line1.at(at).Visible;
        case Array::Line2:
            return page.Line2.at(at).Visible;
        case Array::DivisionLine:
            return page.DivisionLine.at(at).Visible;
        case Array::EqualSignTop:
            return page.EqualSignTop.at(at).Visible;
        case Array::EqualSignBottom:
            return page.EqualSignBottom.at(at).Visible;
    }
    return false;
}

int SizeOf(Array array) {
    return array == Array::lblValue || array == Array::Line1 ? kNumberLabels : kCells;
}

// Elements first..last of one array are all shown, or all hidden.
struct Range {
    Array array;
    int first;
    int last;
    bool visible;
};

// Lists every element of the ranges whose visibility is not the expected one.
std::string Mismatches(const PageControls& page, const std::vector<Range>& ranges) {
    std::string found;
    for (const Range& range : ranges) {
        for (int index = range.first; index <= range.last; ++index) {
            if (IsVisible(page, range.array, index) != range.visible) {
                found += std::string(NameOf(range.array)) + "(" + std::to_string(index) + ") ";
            }
        }
    }
    return found;
}

std::vector<Range> Hidden(std::initializer_list<Array> arrays) {
    std::vector<Range> ranges;
    for (const Array array : arrays) {
        ranges.push_back({array, 0, SizeOf(array) - 1, false});
    }
    return ranges;
}

std::vector<Range> Concat(std::vector<Range> ranges, const std::vector<Range>& more) {
    ranges.insert(ranges.end(), more.begin(), more.end());
    return ranges;
}

struct LaidOutPage {
    PageControls page = MakeDesignPageControls();
    WorksheetState state;
    RecordingReporter reporter;

    LaidOutPage(int operationRow, Notation notation, int problems)
        : state(MakeState(operationRow, notation)) {
        ArrangeFields(page, state);
        state.gNumberOfProblems = static_cast<std::int16_t>(problems);
    }
    void Display(int pageNo) {
        state.gCurrentPage = static_cast<std::int16_t>(pageNo);
        DisplayProblems(page, state, static_cast<std::int16_t>(pageNo), reporter);
    }
};

struct FillCase {
    const char* name;
    int operationRow;
    Notation notation;
    int problems;
    int pageNo;
    bool showSolutions;
    std::vector<Range> expected;
};

class Filling : public ::testing::TestWithParam<FillCase> {};

TEST_P(Filling, ShowsExactlyTheCellsOfThePage) {
    const FillCase& fill = GetParam();
    LaidOutPage laidOut(fill.operationRow, fill.notation, fill.problems);
    laidOut.state.gShowSolutions = fill.showSolutions;
    laidOut.Display(fill.pageNo);
    EXPECT_EQ(Mismatches(laidOut.page, fill.expected), "");
    EXPECT_TRUE(laidOut.reporter.failures.isEmpty());
}

const std::vector<Range> kNoDivisionStrokes =
    Hidden({Array::Line2, Array::DivisionLine, Array::EqualSignTop, Array::EqualSignBottom});

const std::vector<Range> kSixtyDivisionsPageOne = {
    {Array::lblValue, 0, 99, true},        {Array::lblValue, 100, 199, false},
    {Array::Line1, 0, 49, true},           {Array::Line1, 50, 199, false},
    {Array::DivisionLine, 0, 49, true},    {Array::DivisionLine, 50, 99, false},
    {Array::EqualSignTop, 0, 49, true},    {Array::EqualSignTop, 50, 99, false},
    {Array::EqualSignBottom, 0, 49, true}, {Array::EqualSignBottom, 50, 99, false},
    {Array::lblPlus, 0, 99, false},        {Array::lblSolution, 0, 99, false}};

const std::vector<Range> kSixtyDivisionsPageTwo = {{Array::lblValue, 0, 99, false},
                                                   {Array::lblValue, 100, 119, true},
                                                   {Array::lblValue, 120, 199, false},
                                                   {Array::Line1, 0, 49, false},
                                                   {Array::Line1, 50, 59, true},
                                                   {Array::Line1, 60, 199, false},
                                                   {Array::DivisionLine, 0, 49, false},
                                                   {Array::DivisionLine, 50, 59, true},
                                                   {Array::DivisionLine, 60, 99, false},
                                                   {Array::EqualSignTop, 0, 49, false},
                                                   {Array::EqualSignTop, 50, 59, true},
                                                   {Array::EqualSignTop, 60, 99, false},
                                                   {Array::EqualSignBottom, 0, 49, false},
                                                   {Array::EqualSignBottom, 50, 59, true},
                                                   {Array::EqualSignBottom, 60, 99, false},
                                                   {Array::lblPlus, 0, 99, false},
                                                   {Array::lblSolution, 0, 99, false}};

INSTANTIATE_TEST_SUITE_P(
    Cases, Filling,
    ::testing::Values(
        FillCase{"ThirtyAdditions", page_test::kAdd, Notation::LineAndDots, 30, 1, false,
                 Concat({{Array::lblValue, 0, 59, true},
                         {Array::lblValue, 60, 199, false},
                         {Array::lblPlus, 0, 29, true},
                         {Array::lblPlus, 30, 99, false},
                         {Array::Line1, 0, 29, true},
                         {Array::Line1, 30, 199, false},
                         {Array::lblSolution, 0, 99, false}},
                        kNoDivisionStrokes)},
        FillCase{"ThirtyAdditionsWithSolutions",
                 page_test::kAdd,
                 Notation::LineAndDots,
                 30,
                 1,
                 true,
                 {{Array::lblSolution, 0, 29, true}, {Array::lblSolution, 30, 99, false}}},
        FillCase{"SixtyDivisionsPageOneDots", page_test::kDivide, Notation::LineAndDots, 60, 1,
                 false,
                 Concat(kSixtyDivisionsPageOne,
                        {{Array::Line2, 0, 49, true}, {Array::Line2, 50, 99, false}})},
        FillCase{"SixtyDivisionsPageTwoDots", page_test::kDivide, Notation::LineAndDots, 60, 2,
                 false,
                 Concat(kSixtyDivisionsPageTwo, {{Array::Line2, 0, 49, false},
                                                 {Array::Line2, 50, 59, true},
                                                 {Array::Line2, 60, 99, false}})},
        FillCase{"SixtyDivisionsPageOneSeven", page_test::kDivide, Notation::UpsideDownSeven, 60, 1,
                 false, Concat(kSixtyDivisionsPageOne, Hidden({Array::Line2}))},
        FillCase{"SixtyDivisionsPageTwoSeven", page_test::kDivide, Notation::UpsideDownSeven, 60, 2,
                 false, Concat(kSixtyDivisionsPageTwo, Hidden({Array::Line2}))},
        FillCase{"SixtyDivisionsPageTwoWithSolutions",
                 page_test::kDivide,
                 Notation::LineAndDots,
                 60,
                 2,
                 true,
                 {{Array::lblSolution, 0, 49, false},
                  {Array::lblSolution, 50, 59, true},
                  {Array::lblSolution, 60, 99, false}}},
        FillCase{"FiftyDivisionsFillPageOne",
                 page_test::kDivide,
                 Notation::LineAndDots,
                 50,
                 1,
                 true,
                 {{Array::lblValue, 0, 99, true},
                  {Array::lblValue, 100, 199, false},
                  {Array::Line2, 0, 49, true},
                  {Array::lblSolution, 0, 49, true},
                  {Array::lblSolution, 50, 99, false}}},
        FillCase{
            "FiftyDivisionsLeavePageTwoEmpty", page_test::kDivide, Notation::LineAndDots, 50, 2,
            true,
            Hidden({Array::lblValue, Array::lblPlus, Array::lblSolution, Array::Line1, Array::Line2,
                    Array::DivisionLine, Array::EqualSignTop, Array::EqualSignBottom})},
        FillCase{"HundredMixed", page_test::kMix, Notation::UpsideDownSeven, 100, 1, false,
                 Concat({{Array::lblValue, 0, 199, true},
                         {Array::lblPlus, 0, 99, true},
                         {Array::Line1, 0, 99, true},
                         {Array::Line1, 100, 199, false},
                         {Array::lblSolution, 0, 99, false}},
                        kNoDivisionStrokes)},
        FillCase{"HundredAdditionsLeavePageTwoEmpty", page_test::kAdd, Notation::LineAndDots, 100,
                 2, true, Hidden({Array::lblValue, Array::lblPlus, Array::lblSolution})}),
    [](const ::testing::TestParamInfo<FillCase>& param) { return std::string(param.param.name); });

TEST(Filling, SolutionsOfPageTwoThenPageOneChosen) {
    LaidOutPage laidOut(page_test::kDivide, Notation::LineAndDots, 60);
    laidOut.state.gShowSolutions = true;
    laidOut.Display(2);
    laidOut.Display(1);
    EXPECT_EQ(Mismatches(laidOut.page, {{Array::lblSolution, 0, 49, true},
                                        {Array::lblSolution, 50, 99, false},
                                        {Array::lblValue, 0, 99, true},
                                        {Array::lblValue, 100, 199, false}}),
              "");
}

TEST(Filling, RightAlignsTheSolutionsOfShownCells) {
    LaidOutPage laidOut(page_test::kAdd, Notation::LineAndDots, 3);
    laidOut.Display(1);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(laidOut.page.lblSolution[k].Alignment, LabelAlignment::Right) << k;
    }
    EXPECT_EQ(laidOut.page.lblSolution[3].Alignment, LabelAlignment::Left);
}

TEST(Filling, ChangesNoCaptionPositionOrColour) {
    LaidOutPage laidOut(page_test::kDivide, Notation::LineAndDots, 60);
    const QString before = page_test::GeometryOf(laidOut.page);
    laidOut.Display(2);
    EXPECT_EQ(page_test::GeometryOf(laidOut.page), before);
    EXPECT_EQ(laidOut.page.lblValue[100].Caption, "Label1");
}

struct SolutionCase {
    const char* name;
    int operationRow;
    int problems;
    int pageNo;
    bool visible;
    std::vector<Range> expected;
};

class SolutionSwitch : public ::testing::TestWithParam<SolutionCase> {};

TEST_P(SolutionSwitch, ShowsOnlyThePagesSolutions) {
    const SolutionCase& solutions = GetParam();
    LaidOutPage laidOut(solutions.operationRow, Notation::LineAndDots, solutions.problems);
    for (PageLabel& solution : laidOut.page.lblSolution) {
        solution.Visible = true;
    }
    SetSolutionsVisible(laidOut.page, laidOut.state, static_cast<std::int16_t>(solutions.pageNo),
                        solutions.visible);
    EXPECT_EQ(Mismatches(laidOut.page, solutions.expected), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolutionSwitch,
    ::testing::Values(
        SolutionCase{"DivisionPageTwoShown",
                     page_test::kDivide,
                     60,
                     2,
                     true,
                     {{Array::lblSolution, 0, 49, false},
                      {Array::lblSolution, 50, 59, true},
                      {Array::lblSolution, 60, 99, true}}},  // beyond the set: untouched
        SolutionCase{"DivisionPageOneHidden",
                     page_test::kDivide,
                     60,
                     1,
                     false,
                     {{Array::lblSolution, 0, 59, false}, {Array::lblSolution, 60, 99, true}}},
        SolutionCase{"DivisionPageOneShown",
                     page_test::kDivide,
                     60,
                     1,
                     true,
                     {{Array::lblSolution, 0, 49, true}, {Array::lblSolution, 50, 59, false}}},
        SolutionCase{
            "AdditionsShown", page_test::kAdd, 30, 1, true, {{Array::lblSolution, 0, 29, true}}},
        SolutionCase{"AdditionsPageTwoShowsNone",
                     page_test::kAdd,
                     30,
                     2,
                     true,
                     {{Array::lblSolution, 0, 29, false}}},
        // Counts and pages beyond the stock touch only the labels that exist.
        SolutionCase{"CountBeyondTheStock",
                     page_test::kAdd,
                     150,
                     1,
                     true,
                     {{Array::lblSolution, 0, 99, true}}},
        SolutionCase{"PageBeyondTheStock",
                     page_test::kDivide,
                     100,
                     3,
                     true,
                     {{Array::lblSolution, 0, 99, false}}},
        SolutionCase{"PageBeforeTheStock",
                     page_test::kDivide,
                     100,
                     -2,
                     true,
                     {{Array::lblSolution, 0, 99, false}}},
        SolutionCase{
            "NegativeCount", page_test::kAdd, -5, 1, true, {{Array::lblSolution, 0, 99, true}}}),
    [](const ::testing::TestParamInfo<SolutionCase>& param) {
        return std::string(param.param.name);
    });

struct OutOfStockCase {
    const char* name;
    int operationRow;
    int problems;
    int pageNo;
    int perPage;  // overrides the layout's, as a page of another size would
    std::vector<Range> expected;
};

class FillingOutsideTheStock : public ::testing::TestWithParam<OutOfStockCase> {};

TEST_P(FillingOutsideTheStock, ReportsAndKeepsWhatItShowed) {
    const OutOfStockCase& fill = GetParam();
    LaidOutPage laidOut(fill.operationRow, Notation::LineAndDots, fill.problems);
    laidOut.state.gProblemsPerPage = static_cast<std::int16_t>(fill.perPage);
    laidOut.state.gShowSolutions = true;
    laidOut.Display(fill.pageNo);
    EXPECT_EQ(page_test::Joined(laidOut.reporter.failures),
              "DisplayProblems(): Subscript out of range");
    // The solution switch is not applied after a failure.
    EXPECT_EQ(Mismatches(laidOut.page, Concat(fill.expected, Hidden({Array::lblSolution}))), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillingOutsideTheStock,
    ::testing::Values(OutOfStockCase{"SecondHundredAdditions", page_test::kAdd, 150, 2, 100,
                                     Hidden({Array::lblValue, Array::Line1})},
                      OutOfStockCase{"PageRunsOffTheEnd",
                                     page_test::kAdd,
                                     200,
                                     2,
                                     80,
                                     {{Array::lblValue, 0, 159, false},
                                      {Array::lblValue, 160, 199, true},
                                      {Array::Line1, 80, 99, true}}},
                      OutOfStockCase{"PageZero", page_test::kDivide, 60, 0, 50,
                                     Hidden({Array::lblValue, Array::Line1})},
                      OutOfStockCase{"FarNegativePage", page_test::kAdd, 30, -32768, 100,
                                     Hidden({Array::lblValue, Array::Line1})}),
    [](const ::testing::TestParamInfo<OutOfStockCase>& param) {
        return std::string(param.param.name);
    });

TEST(FillingOutsideTheStock, AFarPageOfASmallSetIsEmptyAndNoFailure) {
    LaidOutPage laidOut(page_test::kAdd, Notation::LineAndDots, 30);
    laidOut.Display(32767);
    EXPECT_TRUE(laidOut.reporter.failures.isEmpty());
    EXPECT_EQ(DumpVisibleControls(laidOut.page), "");
}

TEST(FillingOutsideTheStock, AHundredAdditionsOnPageOneFitExactly) {
    LaidOutPage laidOut(page_test::kAdd, Notation::LineAndDots, 150);
    laidOut.Display(1);
    EXPECT_TRUE(laidOut.reporter.failures.isEmpty());
    EXPECT_EQ(Mismatches(laidOut.page, {{Array::lblValue, 0, 199, true}}), "");
}

TEST(HideEverything, HidesEveryElementOfEveryArray) {
    PageControls page = MakeDesignPageControls();
    for (PageLabel& label : page.lblValue)
        label.Visible = true;
    for (PageLabel& label : page.lblPlus)
        label.Visible = true;
    for (PageLabel& label : page.lblSolution)
        label.Visible = true;
    for (PageLine& line : page.Line1)
        line.Visible = true;
    for (PageLine& line : page.Line2)
        line.Visible = true;
    for (PageLine& line : page.DivisionLine)
        line.Visible = true;
    for (PageLine& line : page.EqualSignTop)
        line.Visible = true;
    for (PageLine& line : page.EqualSignBottom)
        line.Visible = true;
    HideEverything(page);
    EXPECT_EQ(Mismatches(page, Hidden({Array::lblValue, Array::lblPlus, Array::lblSolution,
                                       Array::Line1, Array::Line2, Array::DivisionLine,
                                       Array::EqualSignTop, Array::EqualSignBottom})),
              "");
    EXPECT_EQ(DumpVisibleControls(page), "");
}

TEST(ColorEverything, ReachesEveryElementShownOrNot) {
    PageControls page = MakeDesignPageControls();
    page.lblValue[7].Visible = true;
    const ColorValue blue = 0xFF0000;
    ColorEverything(page, blue);
    const auto allLabels = [&](const auto& labels) {
        for (const PageLabel& label : labels) {
            if (label.ForeColor != blue)
                return false;
        }
        return true;
    };
    const auto allLines = [&](const auto& lines) {
        for (const PageLine& line : lines) {
            if (line.BorderColor != blue)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(allLabels(page.lblValue));
    EXPECT_TRUE(allLabels(page.lblPlus));
    EXPECT_TRUE(allLabels(page.lblSolution));
    EXPECT_TRUE(allLines(page.Line1));
    EXPECT_TRUE(allLines(page.Line2));
    EXPECT_TRUE(allLines(page.DivisionLine));
    EXPECT_TRUE(allLines(page.EqualSignTop));
    EXPECT_TRUE(allLines(page.EqualSignBottom));
    EXPECT_FALSE(page.lblValue[8].Visible);
    EXPECT_TRUE(page.lblValue[7].Visible);
}

}  // namespace
}  // namespace tallyworth
