#include "serve/serve_page.h"

#include "core/settings_limits.h"
#include "core/sheet_section.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <utility>

namespace tallyworth {

namespace {

struct PageText {
    const char* key;
    const char* context;
    const char* text;
};

// The windows' own words where the page offers what they offer; the kinds of section are
// named as the sheets' sections are.
// clang-format off
constexpr std::array kTexts{
    PageText{"operation", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Operation")},
    PageText{"lowest", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Lowest Number")},
    PageText{"highest", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Highest Number")},
    PageText{"problems", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "How Many Problems")},
    PageText{"negative", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Allow Negative Results")},
    PageText{"notation", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Symbol")},
    PageText{"sign", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Division sign")},
    PageText{"bracket", "tallyworth::MainWindow", QT_TRANSLATE_NOOP("tallyworth::MainWindow", "Long-division bracket")},
    PageText{"rules", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "Problem Rules")},
    PageText{"trivial", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "No &trivial facts")},
    PageText{"fixed", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "&Fixed number:")},
    PageText{"regrouping", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "&Carrying and borrowing:")},
    PageText{"allowed", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "Allowed")},
    PageText{"never", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "Never")},
    PageText{"always", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "Always")},
    PageText{"repeats", "tallyworth::ProblemRulesDialog", QT_TRANSLATE_NOOP("tallyworth::ProblemRulesDialog", "No &repeats on a sheet")},
    PageText{"page", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Page")},
    PageText{"times", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "&Times sign:")},
    PageText{"divide", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "&Division sign:")},
    PageText{"layout", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "&Layout:")},
    PageText{"stacked", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Stacked in columns")},
    PageText{"line", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "On a line")},
    PageText{"size", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Print &size:")},
    PageText{"normal", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Normal")},
    PageText{"large", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Large (18 pt)")},
    PageText{"xlarge", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Extra large (24 pt)")},
    PageText{"fill", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "&Fill the page")},
    PageText{"method", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "&Written methods:")},
    PageText{"us", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "United States")},
    PageText{"uk", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "United Kingdom")},
    PageText{"de", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Germany")},
    PageText{"fr", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "France")},
    PageText{"es", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Spain")},
    PageText{"mx", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Mexico")},
    PageText{"nl", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Netherlands")},
    PageText{"squares", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "S&quared paper:")},
    PageText{"squaresusual", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "As the method's country uses it")},
    PageText{"squareson", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Always")},
    PageText{"squaresoff", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Never")},
    PageText{"keyworking", "tallyworth::PageOptionsDialog", QT_TRANSLATE_NOOP("tallyworth::PageOptionsDialog", "Answer &keys show the whole working")},
    PageText{"classset", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "Class Set")},
    PageText{"sheets", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "Number of &sheets:")},
    PageText{"answers", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "&Answer keys:")},
    PageText{"none", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "None")},
    PageText{"each", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "After each sheet")},
    PageText{"end", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "All at the end")},
    PageText{"header", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "&Header with Name and Date lines")},
    PageText{"paper", "tallyworth::ClassSetDialog", QT_TRANSLATE_NOOP("tallyworth::ClassSetDialog", "&Paper:")},
    PageText{"code", "tallyworth::SheetCodeDialog", QT_TRANSLATE_NOOP("tallyworth::SheetCodeDialog", "&Sheet code:")},
    PageText{"settings", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "What to practise")},
    PageText{"preview", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "The set as it will print")},
    PageText{"previewalt", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Page %1 of %2 of the set, code %3; the first sheet's problems follow as text.")},
    PageText{"previouspage", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Previous page")},
    PageText{"nextpage", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Next page")},
    PageText{"pageof", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Page %1 of %2")},
    PageText{"previewcode", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "This sheet's code: %1")},
    PageText{"print", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Open them to print")},
    PageText{"newproblems", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "New problems")},
    PageText{"busy", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Making the worksheets…")},
    PageText{"received", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Pages received: %1")},
    PageText{"made", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "The worksheets are made. Their code: %1")},
    PageText{"taught", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "As usually taught")},
    PageText{"count", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Different problems under these rules: %1")},
    PageText{"make", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Make the worksheets")},
    PageText{"bringback", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Bring back a sheet")},
    PageText{"astext", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Show the sheets as text")},
    PageText{"again", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Make its sheets again")},
    PageText{"failed", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "The worksheets could not be made whole. Please try again.")},
    PageText{"sections", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Sections")},
    PageText{"sectionsnote", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Each section starts on a row of its own, with its own operations and numbers; the problem rules hold for every section.")},
    PageText{"add", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Add a section")},
    PageText{"section", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Section %1")},
    PageText{"remove", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Remove section %1")},
    PageText{"up", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Move section %1 up")},
    PageText{"down", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Move section %1 down")},
    PageText{"kind", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Kind of problems")},
    PageText{"operations", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Operations")},
    PageText{"first", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "First number")},
    PageText{"second", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Second number")},
    PageText{"quotient", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Quotient")},
    PageText{"divisor", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Divisor")},
    PageText{"dividend", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Dividend")},
    PageText{"missing", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Missing number")},
    PageText{"either", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Either number")},
    PageText{"remainders", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "At least how many in 100 leave a remainder")},
    PageText{"title", "tallyworth::Serve", QT_TRANSLATE_NOOP("tallyworth::Serve", "Title")},
    PageText{"facts", "tallyworth::Sections", QT_TRANSLATE_NOOP("tallyworth::Sections", "Facts")},
    PageText{"missingkind", "tallyworth::Sections", QT_TRANSLATE_NOOP("tallyworth::Sections", "Missing numbers")},
    PageText{"tabledivision", "tallyworth::Sections", QT_TRANSLATE_NOOP("tallyworth::Sections", "Division from the times tables")},
    PageText{"remainderkind", "tallyworth::Sections", QT_TRANSLATE_NOOP("tallyworth::Sections", "Division with remainders")},
    PageText{"writtenkind", "tallyworth::Sections", QT_TRANSLATE_NOOP("tallyworth::Sections", "Written methods")},
    PageText{"addends", "tallyworth::SectionsDialog", QT_TRANSLATE_NOOP("tallyworth::SectionsDialog", "Numbers t&o add:")},
    PageText{"carrying", "tallyworth::SectionsDialog", QT_TRANSLATE_NOOP("tallyworth::SectionsDialog", "&Carrying:")},
    PageText{"carryany", "tallyworth::SectionsDialog", QT_TRANSLATE_NOOP("tallyworth::SectionsDialog", "In any column")},
    PageText{"carrynever", "tallyworth::SectionsDialog", QT_TRANSLATE_NOOP("tallyworth::SectionsDialog", "In no column")},
    PageText{"carryonce", "tallyworth::SectionsDialog", QT_TRANSLATE_NOOP("tallyworth::SectionsDialog", "In one column at most")},
};
// clang-format on

// A dialog's label without its access key and colon, as a web page shows it.
QString PageWords(const PageText& text) {
    QString words = QCoreApplication::translate(text.context, text.text);
    words.remove(u'&');
    if (words.endsWith(u':')) {
        words.chop(1);
    }
    return words.trimmed();
}

// The operation list's values for which the main window offers a choice, as the page's
// script reads them: "- mix".
QString ValuesOffering(bool (*offers)(OperationRow)) {
    constexpr std::array<std::pair<const char*, OperationRow>, 5> kValues{{
        {"+", OperationRow::Add},
        {"-", OperationRow::Subtract},
        {"*", OperationRow::Multiply},
        {"/", OperationRow::Divide},
        {"mix", OperationRow::Mix},
    }};
    QStringList values;
    for (const auto& [value, row] : kValues) {
        if (offers(row)) {
            values << QLatin1String(value);
        }
    }
    return values.join(u' ');
}

}  // namespace

QByteArray PageHtml(const QLocale& language, bool letter) {
    QString html = QString::fromUtf8(PageResource(QStringLiteral("index.html")));
    for (const PageText& text : kTexts) {
        html.replace(QStringLiteral("{{%1}}").arg(QLatin1String(text.key)),
                     PageWords(text).toHtmlEscaped());
    }
    const std::array<std::pair<const char*, QString>, 10> values{{
        {"lang", language.bcp47Name()},
        {"mostSections", QString::number(kMostSections)},
        {"mostTitle", QString::number(kMostTitleCharacters)},
        {"lowestValue", QString::number(kStartLowest)},
        {"highestValue", QString::number(kStartHighest)},
        {"problemsValue", QString::number(kStartProblems)},
        {"a4", letter ? QString() : QStringLiteral(" selected")},
        {"letter", letter ? QStringLiteral(" selected") : QString()},
        {"negativeFor", ValuesOffering(OffersNegativeResults)},
        {"notationFor", ValuesOffering(OffersDivisionNotation)},
    }};
    for (const auto& [key, value] : values) {
        html.replace(QStringLiteral("{{%1}}").arg(QLatin1String(key)), value);
    }
    return html.toUtf8();
}

namespace {

// The pages' scripts and styles, as they are kept in the program.
constexpr std::array<std::pair<const char16_t*, const char*>, 4> kPageFiles{{
    {u"/page.js", "text/javascript; charset=utf-8"},
    {u"/page.css", "text/css; charset=utf-8"},
    {u"/practice.js", "text/javascript; charset=utf-8"},
    {u"/practice.css", "text/css; charset=utf-8"},
}};

}  // namespace

QByteArray PageResource(const QString& name) {
    QFile file(QStringLiteral(":/serve/page/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsPageFile(const QString& path) {
    return std::ranges::any_of(kPageFiles,
                               [&path](const auto& file) { return path == file.first; });
}

std::optional<HttpResponse> PageFile(const QString& path) {
    for (const auto& [name, type] : kPageFiles) {
        if (path == name) {
            return HttpResponse{200, type, {}, PageResource(path.mid(1)), nullptr};
        }
    }
    return std::nullopt;
}

}  // namespace tallyworth
