#include "serve/practice_page.h"

#include "core/class_set.h"
#include "core/random_source.h"
#include "core/translations.h"
#include "page_model/sheet_page.h"
#include "serve/query_options.h"
#include "serve/serve_page.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tallyworth {

namespace {

constexpr int kLeastMinutes = 1;
constexpr int kMostMinutes = 120;
constexpr int kSecondsPerMinute = 60;
constexpr qsizetype kNarrowField = 3;
constexpr qsizetype kWideField = 5;

// What a practice link asks for, and why it cannot be given.
struct PracticeRequest {
    ClassSetRequest set;
    int minutes = 0;  // 0 for no timer
    bool retry = false;
    QStringList errors;
};

void ReadMinutes(const QString& value, PracticeRequest& read) {
    bool whole = false;
    const int minutes = value.toInt(&whole);
    if (whole && minutes >= kLeastMinutes && minutes <= kMostMinutes) {
        read.minutes = minutes;
        return;
    }
    read.errors << QCoreApplication::translate(
                       "tallyworth::Practice",
                       "The minutes for the practice must be a whole number from %1 to %2, "
                       "not \"%3\".")
                       .arg(kLeastMinutes)
                       .arg(kMostMinutes)
                       .arg(value);
}

void ReadRetry(const QString& value, PracticeRequest& read) {
    if (value == u"0" || value == u"1") {
        read.retry = value == u"1";
        return;
    }
    read.errors << QCoreApplication::translate(
                       "tallyworth::Practice",
                       "A second go at wrong answers is retry=1, or retry=0 for none, not \"%1\".")
                       .arg(value);
}

// The sheet through the command line's reading of its code; minutes and retry, which are the
// practice's own. An empty value counts as not given, as everywhere on the server.
PracticeRequest ReadPractice(const HttpRequest& request, const QLocale& language) {
    PracticeRequest read;
    QList<QPair<QString, QString>> code;
    for (const auto& [name, value] : request.query) {
        if (name == u"code") {
            code.append({name, value});
        } else if (name == u"minutes" && !value.isEmpty()) {
            ReadMinutes(value, read);
        } else if (name == u"retry" && !value.isEmpty()) {
            ReadRetry(value, read);
        } else if (name != u"lang" && name != u"minutes" && name != u"retry") {
            read.errors << QCoreApplication::translate("tallyworth::Serve",
                                                       "There is no setting \"%1\".")
                               .arg(name);
        }
    }
    if (std::ranges::none_of(code, [](const auto& pair) { return !pair.second.isEmpty(); })) {
        read.errors.prepend(QCoreApplication::translate(
            "tallyworth::Practice",
            "This practice link has no sheet code. Ask your teacher for the whole link."));
        return read;
    }
    const SetReading reading = ReadQueryOptions(code, ClockSeed(), language);
    read.errors = reading.errors + read.errors;
    read.set = reading.request;
    return read;
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// The field of one blank: what it takes, and its name as a screen reader says it.
struct Blank {
    QString answer;
    QString name;
};

bool HasRemainderBlank(const PrintedProblem& problem) {
    return problem.withRemainder && problem.blank == BlankPlace::Answer;
}

// The problem as the pupil sees it: the key's numbers taken out of its blanks.
PrintedProblem Unanswered(PrintedProblem problem) {
    problem.solution.clear();
    problem.remainder.clear();
    return problem;
}

// "Problem 7: 7 times 8 equals"; a remainder problem's two fields are "Problem 7: 23
// divided by 5 equals" and "Problem 7: remainder".
std::vector<Blank> BlanksOf(const PrintedProblem& keyed, int number) {
    const QString named = QCoreApplication::translate("tallyworth::Practice", "Problem %1: %2");
    PrintedProblem shown = Unanswered(keyed);
    if (!HasRemainderBlank(keyed)) {
        return {{keyed.solution, named.arg(number).arg(SpokenProblem(shown))}};
    }
    shown.withRemainder = false;
    return {{keyed.solution, named.arg(number).arg(SpokenProblem(shown))},
            {keyed.remainder, named.arg(number).arg(QCoreApplication::translate(
                                  "tallyworth::SpokenPage", "remainder"))}};
}

// How every field of the sheet looks: alike, as the printed sheet's blanks are, so that none
// gives away its answer's length or sign. As wide as the longest answer needs: the style's
// width for three characters, wider for four or five (9801, -98), widest for a quotient of
// the cell-numbering mode. Phones show digits alone for whole numbers; answers below zero
// need the minus sign, and the cell-numbering mode's quotients their decimal point.
struct FieldLook {
    QString inputMode = QStringLiteral("numeric");
    QString width = QStringLiteral("narrow");
    qsizetype size = kNarrowField;
};

FieldLook LookOf(const SheetPrint& key) {
    QString answers;
    qsizetype longest = 0;
    for (const PrintedPage& page : key.pages) {
        for (const PrintedProblem& problem : page.problems) {
            answers += problem.solution + problem.remainder;
            longest = std::max({longest, problem.solution.size(), problem.remainder.size()});
        }
    }
    FieldLook look;
    if (answers.contains(u'-')) {
        look.inputMode = QStringLiteral("text");
    } else if (answers.contains(u'.')) {
        look.inputMode = QStringLiteral("decimal");
    }
    if (longest > kWideField) {
        look.width = QStringLiteral("widest");
    } else if (longest > kNarrowField) {
        look.width = QStringLiteral("wide");
    }
    look.size = std::max(look.size, longest + 1);
    return look;
}

QString Field(const Blank& blank, const FieldLook& look, int number, qsizetype place) {
    return QStringLiteral(
               "<input id=\"p%1-%2\" class=\"%3\" type=\"text\" inputmode=\"%4\" "
               "autocomplete=\"off\" spellcheck=\"false\" enterkeyhint=\"next\" size=\"%5\" "
               "aria-label=\"%6\" aria-describedby=\"mark%1\" data-answer=\"%7\">")
        .arg(QString::number(number), QString::number(place + 1), look.width, look.inputMode,
             QString::number(look.size), Escaped(blank.name), Escaped(blank.answer));
}

// One problem's line: its written text with a field in each blank ("__ + 5 = 12"), or after
// it where the answer goes ("7 × 8 ="), and the place its mark is shown.
QString ProblemItem(const PrintedProblem& keyed, const PageSigns& signs, const FieldLook& look,
                    int number) {
    QStringList pieces = WrittenProblem(Unanswered(keyed), signs).split(QStringLiteral("__"));
    if (pieces.size() == 1) {
        pieces << QString();
    }
    const std::vector<Blank> blanks = BlanksOf(keyed, number);
    // The number is shown, and said in each field's name.
    QString item = QStringLiteral(
                       "<li data-solved=\"%1\"><span class=\"number\" aria-hidden=\"true\">%2."
                       "</span>")
                       .arg(Escaped(WrittenProblem(keyed, signs)), QString::number(number));
    for (qsizetype place = 0; place < pieces.size(); ++place) {
        if (!pieces[place].trimmed().isEmpty()) {
            item += QStringLiteral("<span class=\"written\" aria-hidden=\"true\">%1</span>")
                        .arg(Escaped(pieces[place].trimmed()));
        }
        if (place < static_cast<qsizetype>(blanks.size())) {
            item += Field(blanks[static_cast<std::size_t>(place)], look, number, place);
        }
    }
    return item + QStringLiteral("<span class=\"mark\" id=\"mark%1\"></span></li>\n").arg(number);
}

// The sheet's problems as lists numbered on across its sections, each section's title a
// heading over its problems, as the sheet prints them.
class ProblemLists {
  public:
    QString Of(const SheetPrint& key) && {
        look_ = LookOf(key);
        for (const PrintedPage& page : key.pages) {
            AddPage(page);
        }
        CloseList();
        return std::move(html_);
    }

  private:
    void AddPage(const PrintedPage& page) {
        auto title = page.titles.begin();
        for (const PrintedProblem& problem : page.problems) {
            for (; title != page.titles.end() && title->top <= problem.top; ++title) {
                AddTitle(title->text);
            }
            if (!open_) {
                html_ += QStringLiteral("<ol start=\"%1\">\n").arg(number_ + 1);
                open_ = true;
            }
            html_ += ProblemItem(problem, page.signs, look_, ++number_);
        }
        for (; title != page.titles.end(); ++title) {
            AddTitle(title->text);
        }
    }

    void AddTitle(const QString& text) {
        CloseList();
        html_ += QStringLiteral("<h2>%1</h2>\n").arg(Escaped(text));
    }

    void CloseList() {
        if (open_) {
            html_ += QStringLiteral("</ol>\n");
        }
        open_ = false;
    }

    FieldLook look_;
    QString html_;
    int number_ = 0;
    bool open_ = false;
};

QString Minutes(int seconds) {
    return QStringLiteral("%1:%2")
        .arg(seconds / kSecondsPerMinute)
        .arg(seconds % kSecondsPerMinute, 2, 10, QChar(u'0'));
}

// The time used and the time planned, which the page's script counts on from 0:00.
QString Timer(int minutes) {
    if (minutes == 0) {
        return {};
    }
    const QString used = QCoreApplication::translate("tallyworth::Practice", "Time used: %1 of %2");
    return QStringLiteral(
               "<p id=\"timer\" role=\"timer\" data-minutes=\"%1\" data-used=\"%2\">%3</p>")
        .arg(QString::number(minutes), Escaped(used),
             Escaped(used.arg(Minutes(0), Minutes(minutes * kSecondsPerMinute))));
}

QString Heading() {
    return QCoreApplication::translate("tallyworth::Practice", "Practice");
}

HttpResponse Html(int status, const QString& html) {
    return {status, "text/html; charset=utf-8", {}, html.toUtf8(), nullptr};
}

HttpResponse Refused(const QStringList& errors, const QLocale& language) {
    QString said;
    for (const QString& error : errors) {
        said += QStringLiteral("<p>%1</p>\n").arg(Escaped(error));
    }
    return Html(kBadRequest,
                QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                               "<meta name=\"viewport\" content=\"width=device-width, "
                               "initial-scale=1\"><title>%2 – Tallyworth</title>"
                               "<link rel=\"stylesheet\" href=\"practice.css\"></head>\n"
                               "<body><main><h1>%2</h1>\n<div class=\"refused\">\n%3</div>"
                               "</main></body></html>\n")
                    .arg(language.bcp47Name(), Escaped(Heading()), said));
}

QString CodeLabel() {
    QString label = QCoreApplication::translate("tallyworth::SheetCodeDialog", "&Sheet code:");
    return label.remove(u'&');
}

// The words of the page and of its script, which checks in the pupil's language.
QString PracticeHtml(const PracticeRequest& read, const SheetPrint& key, const QLocale& language) {
    QString html = QString::fromUtf8(PageResource(QStringLiteral("practice.html")));
    const std::array<std::pair<const char*, QString>, 12> values{{
        {"lang", language.bcp47Name()},
        {"heading", Escaped(Heading())},
        {"codeLabel", Escaped(CodeLabel())},
        {"code", Escaped(ReportedCode(read.set))},
        {"instructions", Escaped(QCoreApplication::translate(
                             "tallyworth::Practice", "Type each answer, then press Check."))},
        {"timer", Timer(read.minutes)},
        {"retry", read.retry ? QStringLiteral("1") : QStringLiteral("0")},
        {"right", Escaped(QCoreApplication::translate("tallyworth::Practice", "Right"))},
        {"wrong", Escaped(QCoreApplication::translate("tallyworth::Practice", "Wrong"))},
        {"answerIs",
         Escaped(QCoreApplication::translate("tallyworth::Practice", "Wrong. Right: %1"))},
        {"score", Escaped(QCoreApplication::translate("tallyworth::Practice", "%1 of %2 right"))},
        {"again", Escaped(QCoreApplication::translate("tallyworth::Practice", "Check again"))},
    }};
    for (const auto& [name, value] : values) {
        html.replace(QStringLiteral("{{%1}}").arg(QLatin1String(name)), value);
    }
    html.replace(QStringLiteral("{{check}}"),
                 Escaped(QCoreApplication::translate("tallyworth::Practice", "Check")));
    // Last: a section's title is the teacher's text, whatever braces it has.
    return html.replace(QStringLiteral("{{problems}}"), ProblemLists().Of(key));
}

}  // namespace

HttpResponse PracticePage(const HttpRequest& request, const QLocale& language) {
    const PracticeRequest read = ReadPractice(request, language);
    if (!read.errors.isEmpty()) {
        return Refused(read.errors, language);
    }
    // The pupil's page reads the answers alone, whatever working the code's keys show.
    SheetCode code = read.set.first;
    code.settings.page.keyWorking = false;
    const SheetPrint key = MakeSheetPrint(code, true, SpokenLocale(), kWorksheetArea);
    if (!key.ok) {
        return Refused({key.failure}, language);
    }
    return Html(200, PracticeHtml(read, key, language));
}

}  // namespace tallyworth
