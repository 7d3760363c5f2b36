#pragma once

// The program is run as a user runs it from a shell: the built tallyworth, with no display
// and no platform chosen, its PDFs read back with pdftotext from poppler-utils.

#include "core/sheet_code.h"
#include "support/cups_harness.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallyworth::cli_test {

using print_test::PdfPage;
using print_test::PdfWord;

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs tallyworth with the arguments in an English US locale with no display; extra holds
// NAME=VALUE settings of the environment, an empty value to remove one.
inline ProgramRun RunTallyworth(const QStringList& arguments, const QStringList& extra = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_PAPER",
                             "LC_NUMERIC", "LANGUAGE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    for (const QString& setting : extra) {
        const QString name = setting.section(u'=', 0, 0);
        const QString value = setting.section(u'=', 1);
        value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TALLYWORTH_PROGRAM), arguments);
    const bool finished = program.waitForFinished(print_test::kWaitMilliseconds);
    EXPECT_TRUE(finished) << program.errorString().toStdString();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The plain text of a PDF, page by page as pdftotext lays it out.
inline QString PdfText(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(print_test::kWaitMilliseconds));
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// One problem as a page shows it: numbers and operator, and the solution on a key.
struct ShownProblem {
    long first = 0;
    QString operatorSign;
    long second = 0;
    std::optional<long> solution;
    friend bool operator==(const ShownProblem&, const ShownProblem&) = default;
};

inline void PrintTo(const ShownProblem& problem, std::ostream* out) {
    *out << problem.first << ' ' << problem.operatorSign.toStdString() << ' ' << problem.second;
    if (problem.solution) {
        *out << " = " << *problem.solution;
    }
}

// A page of a class set: its band and its problems.
struct SetPageText {
    int sheet = 0, sheets = 0;
    QString code;
    bool answerKey = false;
    std::vector<ShownProblem> problems;
};

inline constexpr double kPdfMargin = 0.5;  // the margin class-set PDFs are laid out with
inline constexpr double kBandBottom = kPdfMargin + 0.65;
inline constexpr double kSameLine = 0.03;

inline bool IsNumber(const PdfWord& word) {
    static const QRegularExpression kNumber(QStringLiteral("^-?\\d+$"));
    return kNumber.match(QString::fromStdString(word.text)).hasMatch();
}

inline long Number(const PdfWord& word) {
    return std::stol(word.text);
}

// Grid cells stand in columns, their numbers and solution right-aligned one under the other,
// the operator on the second number's line to its left.
inline std::vector<ShownProblem> GridProblems(const std::vector<PdfWord>& words, bool key) {
    std::vector<std::vector<PdfWord>> columns;
    for (const PdfWord& word : words) {
        if (!IsNumber(word)) {
            continue;
        }
        auto column = std::find_if(columns.begin(), columns.end(), [&word](const auto& found) {
            return std::abs(found.front().right - word.right) < kSameLine;
        });
        column == columns.end() ? columns.push_back({word}) : column->push_back(word);
    }
    std::vector<std::pair<std::pair<double, double>, ShownProblem>> cells;
    const std::size_t perCell = key ? 3 : 2;
    for (auto& column : columns) {
        std::sort(column.begin(), column.end(),
                  [](const PdfWord& one, const PdfWord& other) { return one.top < other.top; });
        EXPECT_EQ(column.size() % perCell, 0U) << "a cell of the column is not whole";
        for (std::size_t index = 0; index + perCell <= column.size(); index += perCell) {
            const PdfWord& lower = column[index + 1];
            ShownProblem problem{Number(column[index]), {}, Number(lower), std::nullopt};
            for (const PdfWord& word : words) {
                if (!IsNumber(word) && std::abs(word.top - lower.top) < kSameLine &&
                    word.right <= lower.left && lower.left - word.right < 0.3) {
                    problem.operatorSign = QString::fromStdString(word.text);
                }
            }
            if (key) {
                problem.solution = Number(column[index + 2]);
            }
            cells.push_back({{column[index].top, column[index].right}, problem});
        }
    }
    // Row by row, left to right: the order the problems were set in.
    std::sort(cells.begin(), cells.end(), [](const auto& one, const auto& other) {
        const bool sameRow = std::abs(one.first.first - other.first.first) < kSameLine;
        return sameRow ? one.first.second < other.first.second
                       : one.first.first < other.first.first;
    });
    std::vector<ShownProblem> problems;
    problems.reserve(cells.size());
    for (const auto& cell : cells) {
        problems.push_back(cell.second);
    }
    return problems;
}

// Division cells stand on lines, five to a line: the two numbers, then the solution on a key.
inline std::vector<ShownProblem> DivisionProblems(std::vector<PdfWord> words, bool key,
                                                  bool bracket) {
    std::sort(words.begin(), words.end(), [](const PdfWord& one, const PdfWord& other) {
        const bool sameLine = std::abs(one.top - other.top) < kSameLine;
        return sameLine ? one.left < other.left : one.top < other.top;
    });
    const std::size_t perCell = key ? 3 : 2;
    EXPECT_EQ(words.size() % perCell, 0U) << "a division is not whole";
    std::vector<ShownProblem> problems;
    for (std::size_t index = 0; index + perCell <= words.size(); index += perCell) {
        // The bracket puts the divisor first, the sign the dividend.
        const long left = Number(words[index]);
        const long right = Number(words[index + 1]);
        ShownProblem problem{bracket ? right : left, QString(QChar(0x00F7)), bracket ? left : right,
                             std::nullopt};
        if (key) {
            problem.solution = Number(words[index + 2]);
        }
        problems.push_back(problem);
    }
    return problems;
}

// Reads a page's band ("Sheet k of N", the code, "Answer key") and its problems.
inline SetPageText ReadSetPage(const PdfPage& page) {
    SetPageText text;
    std::vector<PdfWord> body;
    QStringList band;
    for (const PdfWord& word : page.words) {
        if (word.bottom < kBandBottom) {
            band << QString::fromStdString(word.text);
        } else {
            body.push_back(word);
        }
    }
    static const QRegularExpression kSheet(QStringLiteral("Sheet (\\d+) of (\\d+)"));
    static const QRegularExpression kCode(
        QStringLiteral("\\b[0-9A-Z]{5}-[0-9A-Z]{5}-[0-9A-Z]{4}\\b"));
    const QString joined = band.join(u' ');
    const auto sheet = kSheet.match(joined);
    text.sheet = sheet.captured(1).toInt();
    text.sheets = sheet.captured(2).toInt();
    text.code = kCode.match(joined).captured();
    text.answerKey = joined.contains(QStringLiteral("Answer key"));
    const SheetCodeParse parsed = ParseSheetCode(text.code);
    const auto* code = std::get_if<SheetCode>(&parsed);
    if (code == nullptr) {
        ADD_FAILURE() << "no sheet code in the band: " << joined.toStdString();
        return text;
    }
    text.problems = code->settings.operation == OperationRow::Divide
                        ? DivisionProblems(body, text.answerKey, code->settings.upsideDownSeven)
                        : GridProblems(body, text.answerKey);
    return text;
}

// True when the problem is right: a whole quotient, a difference that is not negative unless
// allowed, and on a key the right solution.
inline bool Holds(const ShownProblem& problem, bool allowNegative) {
    const long a = problem.first;
    const long b = problem.second;
    const QString& sign = problem.operatorSign;
    if (sign == u"\u00F7") {
        return b != 0 && a % b == 0 && (!problem.solution || *problem.solution == a / b);
    }
    const std::map<QString, long> results{{"+", a + b}, {"-", a - b}, {"*", a * b}};
    const auto result = results.find(sign);
    return result != results.end() && (sign != u"-" || allowNegative || a >= b) &&
           (!problem.solution || *problem.solution == result->second);
}

}  // namespace tallyworth::cli_test
