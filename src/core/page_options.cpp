#include "core/page_options.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tallyworth {

namespace {

struct LanguageRow {
    QLocale::Language language;
    LanguageSignChoice signs;
};

// What the primary schools of each language write. A teacher who knows better corrects it
// here: every page, list and help text takes its signs from this table. Danish and
// Norwegian schools read ÷ as minus, so they get the colon.
constexpr std::array kLanguageSigns{
    LanguageRow{QLocale::German, {TimesSign::Dot, DivideSign::Colon}},
    LanguageRow{QLocale::French, {TimesSign::Cross, DivideSign::Colon}},
    LanguageRow{QLocale::Spanish, {TimesSign::Cross, DivideSign::Colon}},
    LanguageRow{QLocale::Dutch, {TimesSign::Cross, DivideSign::Colon}},
    LanguageRow{QLocale::Danish, {TimesSign::Cross, DivideSign::Colon}},
    LanguageRow{QLocale::NorwegianBokmal, {TimesSign::Cross, DivideSign::Colon}},
    LanguageRow{QLocale::NorwegianNynorsk, {TimesSign::Cross, DivideSign::Colon}},
};

// The word written between a quotient and its remainder, "23 ÷ 5 = 4 r 3", as the
// primary schools of each language write it; "r" where no row says otherwise.
struct RemainderRow {
    QLocale::Language language;
    const char16_t* word;
};
constexpr std::array kRemainderWords{
    RemainderRow{QLocale::German, u"Rest"},
    RemainderRow{QLocale::French, u"reste"},
    RemainderRow{QLocale::Spanish, u"resto"},
    RemainderRow{QLocale::Dutch, u"rest"},
    RemainderRow{QLocale::Danish, u"rest"},
    RemainderRow{QLocale::NorwegianBokmal, u"rest"},
    RemainderRow{QLocale::NorwegianNynorsk, u"rest"},
};

QString RemainderWordOf(QLocale::Language language) {
    const auto* row =
        std::find_if(kRemainderWords.begin(), kRemainderWords.end(),
                     [language](const RemainderRow& entry) { return entry.language == language; });
    return QString::fromUtf16(row == kRemainderWords.end() ? u"r" : row->word);
}

template <typename Value>
struct OptionWord {
    const char* word;
    Value value;
};

constexpr std::array kTimesSignWords{OptionWord<TimesSign>{"cross", TimesSign::Cross},
                                     OptionWord<TimesSign>{"dot", TimesSign::Dot},
                                     OptionWord<TimesSign>{"asterisk", TimesSign::Asterisk}};
constexpr std::array kDivideSignWords{OptionWord<DivideSign>{"obelus", DivideSign::Obelus},
                                      OptionWord<DivideSign>{"colon", DivideSign::Colon}};
constexpr std::array kLayoutWords{OptionWord<ProblemLayout>{"stacked", ProblemLayout::Stacked},
                                  OptionWord<ProblemLayout>{"line", ProblemLayout::Line}};
constexpr std::array kSizeWords{OptionWord<PrintSize>{"normal", PrintSize::Normal},
                                OptionWord<PrintSize>{"large", PrintSize::Large},
                                OptionWord<PrintSize>{"xlarge", PrintSize::ExtraLarge}};

template <typename Value, std::size_t Count>
std::optional<Value> Named(const std::array<OptionWord<Value>, Count>& words, QStringView word) {
    for (const OptionWord<Value>& entry : words) {
        if (word.compare(QLatin1String(entry.word), Qt::CaseInsensitive) == 0) {
            return entry.value;
        }
    }
    return std::nullopt;
}

template <typename Value, std::size_t Count>
QStringList Names(const std::array<OptionWord<Value>, Count>& words) {
    QStringList names;
    for (const OptionWord<Value>& entry : words) {
        names << QString::fromLatin1(entry.word);
    }
    return names;
}

}  // namespace

std::optional<TimesSign> TimesSignNamed(QStringView word) {
    return Named(kTimesSignWords, word);
}

std::optional<DivideSign> DivideSignNamed(QStringView word) {
    return Named(kDivideSignWords, word);
}

std::optional<ProblemLayout> LayoutNamed(QStringView word) {
    return Named(kLayoutWords, word);
}

std::optional<PrintSize> PrintSizeNamed(QStringView word) {
    return Named(kSizeWords, word);
}

QStringList TimesSignNames() {
    return Names(kTimesSignWords);
}

QStringList DivideSignNames() {
    return Names(kDivideSignWords);
}

QStringList LayoutNames() {
    return Names(kLayoutWords);
}

QStringList PrintSizeNames() {
    return Names(kSizeWords);
}

LanguageSignChoice LanguageSigns(QLocale::Language language) {
    const auto* row =
        std::find_if(kLanguageSigns.begin(), kLanguageSigns.end(),
                     [language](const LanguageRow& entry) { return entry.language == language; });
    return row == kLanguageSigns.end() ? LanguageSignChoice{} : row->signs;
}

PageSigns SignsOf(const PageOptions& options, QLocale::Language language) {
    const LanguageSignChoice usual = LanguageSigns(language);
    const TimesSign times =
        options.timesSign == TimesSign::Default ? usual.times : options.timesSign;
    const DivideSign divide =
        options.divideSign == DivideSign::Default ? usual.divide : options.divideSign;
    return {TimesSignText(times), DivideSignTextOf(divide),
            times == TimesSign::Asterisk && divide == DivideSign::Obelus,
            RemainderWordOf(language)};
}

QString TimesSignText(TimesSign sign) {
    switch (sign) {
        case TimesSign::Dot:
            return QString(QChar(0x22C5));
        case TimesSign::Asterisk:
            return QStringLiteral("*");
        case TimesSign::Cross:
        case TimesSign::Default:
            break;
    }
    return QString(QChar(0x00D7));
}

QString DivideSignTextOf(DivideSign sign) {
    return sign == DivideSign::Colon ? QStringLiteral(":") : QString(QChar(0x00F7));
}

}  // namespace tallyworth
