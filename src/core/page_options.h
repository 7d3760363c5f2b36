#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace tallyworth {

// The sign a multiplication is written with. Default is the one the schools of the
// sheet's language teach (LanguageSigns); Asterisk is the program's original sign.
enum class TimesSign : std::uint8_t { Default, Cross, Dot, Asterisk };
// The sign of a division written on a line. Default as above; Obelus is the original.
enum class DivideSign : std::uint8_t { Default, Obelus, Colon };
// How a problem stands on the page: its numbers stacked in a column (the original page),
// or on one line, "7 × 8 = ___".
enum class ProblemLayout : std::uint8_t { Stacked, Line };
// How big the figures are printed: the original page, or at least 18 pt and 24 pt.
enum class PrintSize : std::uint8_t { Normal, Large, ExtraLarge };

// How written methods are laid out: as the schools of one country write them (see
// WrittenMethodOf). Default follows the sheet's language, and its country where known.
enum class WrittenMethod : std::uint8_t {
    Default,
    American,  // divisor left of a bracket, quotient above, every step written
    English,   // as American, the carries written under the answer line
    German,    // "8520 : 4 = 2130" on one line, steps underneath; carries above the line
    French,    // divisor right of the dividend under an L-shaped bracket, steps written
    Spanish,   // as French, only the remainders written
    Mexican,   // as American, only the remainders written
    Dutch,     // "4 / 8520 \ 2130", the operator written right of the lower number
};
// Squared paper behind the working space of written methods: as the method's country
// uses it, or always, or never.
enum class SquaredPaper : std::uint8_t { Default, On, Off };

// What shapes the printed page besides the problems. All defaults give the original page
// with the signs of the sheet's language; a sheet code of the first version stands for
// them.
struct PageOptions {
    TimesSign timesSign = TimesSign::Default;
    DivideSign divideSign = DivideSign::Default;
    ProblemLayout layout = ProblemLayout::Stacked;
    PrintSize size = PrintSize::Normal;
    // A small sheet is printed as large as fills its page.
    bool fillPage = false;
    WrittenMethod method = WrittenMethod::Default;
    SquaredPaper squares = SquaredPaper::Default;
    // An answer key of written methods shows the whole working, not the answers alone.
    bool keyWorking = false;

    [[nodiscard]] bool AllDefault() const { return *this == PageOptions{}; }
    friend bool operator==(const PageOptions&, const PageOptions&) = default;
};

// The options that give the program's original page: asterisk, obelus, stacked, normal.
[[nodiscard]] constexpr PageOptions OriginalPageOptions() {
    return PageOptions{TimesSign::Asterisk, DivideSign::Obelus, ProblemLayout::Stacked,
                       PrintSize::Normal, false};
}

// The signs a page is drawn with, as text.
struct PageSigns {
    QString times;
    QString divide;
    // The program's original signs, asterisk and obelus, chosen as such: the page then
    // draws its division and equals signs as the original strokes.
    bool original = false;
    // Between a quotient and its remainder: "r", "Rest", "reste".
    QString remainder = QStringLiteral("r");
    // How written methods are laid out, never Default, and whether on squared paper.
    WrittenMethod method = WrittenMethod::American;
    bool squares = false;
    friend bool operator==(const PageSigns&, const PageSigns&) = default;
};

// The signs schools teach in a language: never Default.
struct LanguageSignChoice {
    TimesSign times = TimesSign::Cross;
    DivideSign divide = DivideSign::Obelus;
};
[[nodiscard]] LanguageSignChoice LanguageSigns(QLocale::Language language);

// The signs of a page with these options for a sheet shown in this language; with a
// locale, its country decides the written method where it differs from its language's
// (Mexico, Belgium, the United Kingdom).
[[nodiscard]] PageSigns SignsOf(const PageOptions& options, QLocale::Language language);
[[nodiscard]] PageSigns SignsOf(const PageOptions& options, const QLocale& locale);

// The written method a country's schools teach, and the one of a language's main country.
[[nodiscard]] WrittenMethod WrittenMethodOf(const QLocale& locale);
// Whether the method's country writes its columns on squared paper.
[[nodiscard]] bool UsesSquaredPaper(WrittenMethod method);

// The text of one sign: "×", "·" (U+22C5), "*"; "÷", ":".
[[nodiscard]] QString TimesSignText(TimesSign sign);
[[nodiscard]] QString DivideSignTextOf(DivideSign sign);

// The words the options are named with wherever a user types them (the command line), in
// every language the same; case does not matter. Default has no word: leaving the option
// out gives it. Each list holds a kind's words in the order of its values.
[[nodiscard]] std::optional<TimesSign> TimesSignNamed(QStringView word);
[[nodiscard]] std::optional<DivideSign> DivideSignNamed(QStringView word);
[[nodiscard]] std::optional<ProblemLayout> LayoutNamed(QStringView word);
[[nodiscard]] std::optional<PrintSize> PrintSizeNamed(QStringView word);
[[nodiscard]] std::optional<WrittenMethod> WrittenMethodNamed(QStringView word);
[[nodiscard]] std::optional<SquaredPaper> SquaredPaperNamed(QStringView word);
[[nodiscard]] QStringList TimesSignNames();
[[nodiscard]] QStringList DivideSignNames();
[[nodiscard]] QStringList LayoutNames();
[[nodiscard]] QStringList PrintSizeNames();
[[nodiscard]] QStringList WrittenMethodNames();
[[nodiscard]] QStringList SquaredPaperNames();

}  // namespace tallyworth
