#pragma once

#include "core/settings_limits.h"
#include "core/sheet_code.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace tallyworth {

// Where a class set puts the answer keys: none, each key right after its sheet, or
// all keys after the last sheet.
enum class AnswerKeys { None, AfterEach, AtEnd };

// A set of different worksheets for a class. Sheet k is SheetOfSet(first, k), so the
// first sheet's code and the number of sheets bring the whole set back.
struct ClassSetRequest {
    SheetCode first;
    int sheets = kStartSheets;  // kLeastSheets to kMostSheets
    AnswerKeys answerKeys = AnswerKeys::None;
    bool header = true;  // Name and Date lines, sheet number and code on every page
    // Where the sheets' practice pages are, ending in '/' (PracticeLink); empty for none.
    QString publicUrl{};
    friend bool operator==(const ClassSetRequest&, const ClassSetRequest&) = default;
};

// The code sheet sheetIndex of a set is reported by wherever the set is made: printed by
// the command line, sent by the server, listed beside its sheets. It is the code of the
// sheet's problems (FormatProblemsCode), which brings the sheet back even when page options
// were given over an older code. Sheet 0's is the set's own code.
[[nodiscard]] QString ReportedCode(const ClassSetRequest& request, int sheetIndex = 0);

// The address of the practice page of sheet sheetIndex: the set's public address followed
// by practice?code= and the sheet's reported code, percent-encoded. Empty without a public
// address.
[[nodiscard]] QString PracticeLink(const ClassSetRequest& request, int sheetIndex);

// One printed page of a set: which sheet, which of its pages (1 or 2), and whether it
// is the answer key (the same page with the solutions shown).
struct SetPage {
    int sheetIndex = 0;
    int pageNo = 1;
    bool answerKey = false;
    friend bool operator==(const SetPage&, const SetPage&) = default;
};

// The pages of the set in print order: each sheet's pages, and its answer key's right after
// it or all keys after the last sheet. Empty when the number of sheets is outside 1 to
// kMostSheets or the settings are not those of an operation.
[[nodiscard]] std::vector<SetPage> ClassSetPages(const ClassSetRequest& request);
// The same for sheets of pagesPerSheet pages each, as their print size and layout make
// them; empty as well when that is under 1.
[[nodiscard]] std::vector<SetPage> ClassSetPages(const ClassSetRequest& request, int pagesPerSheet);
// How many pages a sheet of these settings takes on the original page: a division sheet of
// more than one page's worth takes two. 0 for settings of no operation.
[[nodiscard]] int OriginalPagesPerSheet(const SheetSettings& settings);

// Whether the offices of the locale's country print on US Letter rather than A4: the one
// rule of the paper a set is offered or written on.
[[nodiscard]] bool PrintsOnLetter(const QLocale& locale);

// The two papers a set is offered on or written on.
enum class Paper { Letter, A4 };

// The paper of the locale's country: US Letter where it prints on it, A4 elsewhere.
[[nodiscard]] Paper PaperOf(const QLocale& locale);

// The locale whose country decides the paper: that of LC_ALL, LC_PAPER or LANG, the first
// one set, as the C library reads them; the system's without any.
[[nodiscard]] QLocale PaperLocale();

// How a long job reports its progress and learns that the user cancelled it.
class SetProgress {
  public:
    virtual ~SetProgress() = default;
    virtual void Start(int pages) = 0;
    // Called after each finished page; false when the user cancelled the job.
    [[nodiscard]] virtual bool Advance(int pagesDone) = 0;
};

}  // namespace tallyworth
