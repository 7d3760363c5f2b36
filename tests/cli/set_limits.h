#pragma once

// The limits a class set promises, each made whole through the command line and the server
// and read back as its readers read it: pdfinfo's pages and keywords, mutool's /Lang,
// pdftotext's pages with their codes and problems.

#include "cli/cli_support.h"
#include "core/settings_limits.h"
#include "core/sheet_code.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"

#include <array>
#include <string>
#include <variant>

namespace tallyworth::cli_test {

using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

struct LimitCase {
    const char* name;
    const char* locale;    // the program's LANG; its sets are written in that language
    const char* language;  // the PDF's /Lang
    int sheets;
    int problems;
    bool served;  // asked of the server too: one language of the largest sets is enough there
};

// Words change the size of the metadata: the codes of 39 sheets once pushed the catalogue
// past where the language was looked for, sooner in the longer languages.
// clang-format off
inline const std::array kSetLimits{
    LimitCase{"OneSheetOneProblem_en", "en_US.UTF-8", "en", 1, 1, true},
    LimitCase{"OneSheetOneProblem_de", "de_DE.UTF-8", "de", 1, 1, true},
    LimitCase{"OneSheetOneProblem_es", "es_ES.UTF-8", "es", 1, 1, true},
    LimitCase{"OneSheetOneProblem_fr", "fr_FR.UTF-8", "fr", 1, 1, true},
    LimitCase{"OneSheetOneProblem_nl", "nl_NL.UTF-8", "nl", 1, 1, true},
    LimitCase{"FortySheetsOfAHundredProblems_en", "en_US.UTF-8", "en", 40, 100, true},
    LimitCase{"FortySheetsOfAHundredProblems_de", "de_DE.UTF-8", "de", 40, 100, true},
    LimitCase{"FortySheetsOfAHundredProblems_es", "es_ES.UTF-8", "es", 40, 100, true},
    LimitCase{"FortySheetsOfAHundredProblems_fr", "fr_FR.UTF-8", "fr", 40, 100, true},
    LimitCase{"FortySheetsOfAHundredProblems_nl", "nl_NL.UTF-8", "nl", 40, 100, true},
    LimitCase{"MostSheets_en", "en_US.UTF-8", "en", kMostSheets, 20, false},
    LimitCase{"MostSheets_de", "de_DE.UTF-8", "de", kMostSheets, 20, true},
    LimitCase{"MostSheets_es", "es_ES.UTF-8", "es", kMostSheets, 20, false},
    LimitCase{"MostSheets_fr", "fr_FR.UTF-8", "fr", kMostSheets, 20, false},
    LimitCase{"MostSheets_nl", "nl_NL.UTF-8", "nl", kMostSheets, 20, false},
};
// clang-format on

// The settings of every set in the table, a key after each sheet, past the options given.
inline QStringList LimitOptions(const LimitCase& limit) {
    return {"--operation", "x",
            "--highest",   "12",
            "--sheets",    QString::number(limit.sheets),
            "--problems",  QString::number(limit.problems),
            "--answers",   "each"};
}

// The largest sets take the sanitizers' build minutes: the debug build makes them whole.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
inline constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
inline constexpr bool kSanitized = false;
#endif

inline bool TooSlowHere(const LimitCase& limit) {
    return kSanitized && limit.sheets == kMostSheets;
}

// The set in file is whole: a sheet and its key for every sheet, each page with its sheet's
// code and all its problems, every code in the keywords, and the document's language.
inline void ExpectWholeSet(const QString& file, const LimitCase& limit, const QString& firstCode) {
    const SheetCodeParse parsed = ParseSheetCode(firstCode);
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << firstCode.toStdString();
    QStringList codes;
    for (int sheet = 0; sheet < limit.sheets; ++sheet) {
        codes << FormatProblemsCode(SheetOfSet(std::get<SheetCode>(parsed), sheet));
    }
    const int pages = 2 * limit.sheets;
    static const QRegularExpression kPages(QStringLiteral("\nPages: +(\\d+)\n"));
    EXPECT_EQ(
        kPages.match(print_test::ReadPdfInfo(file, print_test::PdfInfoPart::Document)).captured(1),
        QString::number(pages));
    EXPECT_TRUE(print_test::ReadPdfInfo(file, print_test::PdfInfoPart::Xmp)
                    .contains("<pdf:Keywords>" + codes.join(", ") + "</pdf:Keywords>"));
    EXPECT_EQ(print_test::ReadPdfLanguage(file), '(' + std::string(limit.language) + ')');
    QStringList texts = print_test::ReadPdfText(file).split(u'\f');
    texts.removeLast();  // after the last page break
    ASSERT_EQ(texts.size(), pages);
    for (int page = 0; page < pages; ++page) {
        const QString& text = texts[page];
        EXPECT_EQ(kCode.match(text).captured(), codes[page / 2]) << "page " << page + 1;
        EXPECT_EQ(text.count(u'='), limit.problems) << "page " << page + 1;
    }
}

}  // namespace tallyworth::cli_test
