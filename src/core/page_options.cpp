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

constexpr std::array kMethodWords{OptionWord<WrittenMethod>{"us", WrittenMethod::American},
                                  OptionWord<WrittenMethod>{"uk", WrittenMethod::English},
                                  OptionWord<WrittenMethod>{"de", WrittenMethod::German},
                                  OptionWord<WrittenMethod>{"fr", WrittenMethod::French},
                                  OptionWord<WrittenMethod>{"es", WrittenMethod::Spanish},
                                  OptionWord<WrittenMethod>{"mx", WrittenMethod::Mexican},
                                  OptionWord<WrittenMethod>{"nl", WrittenMethod::Dutch}};
constexpr std::array kSquaresWords{OptionWord<SquaredPaper>{"on", SquaredPaper::On},
                                   OptionWord<SquaredPaper>{"off", SquaredPaper::Off}};

// What the primary schools of a country teach for the written methods. Austria writes as
// Germany does; French-speaking Belgium, Switzerland's French and Flemish schools as
// France; the rest of the Spanish-speaking Americas as Mexico.
struct TerritoryMethod {
    QLocale::Territory territory;
    WrittenMethod method;
};
constexpr std::array kTerritoryMethods{
    TerritoryMethod{QLocale::UnitedKingdom, WrittenMethod::English},
    TerritoryMethod{QLocale::Ireland, WrittenMethod::English},
    TerritoryMethod{QLocale::Australia, WrittenMethod::English},
    TerritoryMethod{QLocale::NewZealand, WrittenMethod::English},
    TerritoryMethod{QLocale::Belgium, WrittenMethod::French},
    TerritoryMethod{QLocale::Netherlands, WrittenMethod::Dutch},
    TerritoryMethod{QLocale::Spain, WrittenMethod::Spanish},
    TerritoryMethod{QLocale::Mexico, WrittenMethod::Mexican},
};
struct LanguageMethod {
    QLocale::Language language;
    WrittenMethod method;
};
constexpr std::array kLanguageMethods{
    LanguageMethod{QLocale::German, WrittenMethod::German},
    LanguageMethod{QLocale::French, WrittenMethod::French},
    LanguageMethod{QLocale::Spanish, WrittenMethod::Spanish},
    LanguageMethod{QLocale::Dutch, WrittenMethod::Dutch},
};

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

std::optional<WrittenMethod> WrittenMethodNamed(QStringView word) {
    return Named(kMethodWords, word);
}

std::optional<SquaredPaper> SquaredPaperNamed(QStringView word) {
    return Named(kSquaresWords, word);
}

QStringList WrittenMethodNames() {
    return Names(kMethodWords);
}

QStringList SquaredPaperNames() {
    return Names(kSquaresWords);
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
    PageSigns signs{TimesSignText(times), DivideSignTextOf(divide),
                    times == TimesSign::Asterisk && divide == DivideSign::Obelus,
                    RemainderWordOf(language)};
    signs.method = options.method == WrittenMethod::Default
                       ? WrittenMethodOf(QLocale(language, QLocale::AnyTerritory))
                       : options.method;
    signs.squares = options.squares == SquaredPaper::Default ? UsesSquaredPaper(signs.method)
                                                             : options.squares == SquaredPaper::On;
    return signs;
}

PageSigns SignsOf(const PageOptions& options, const QLocale& locale) {
    PageSigns signs = SignsOf(options, locale.language());
    if (options.method == WrittenMethod::Default) {
        signs.method = WrittenMethodOf(locale);
        signs.squares = options.squares == SquaredPaper::Default ? UsesSquaredPaper(signs.method)
                                                                 : signs.squares;
    }
    return signs;
}

WrittenMethod WrittenMethodOf(const QLocale& locale) {
    const QLocale::Territory territory = locale.territory();
    const auto* row = std::find_if(
        kTerritoryMethods.begin(), kTerritoryMethods.end(),
        [territory](const TerritoryMethod& entry) { return entry.territory == territory; });
    if (row != kTerritoryMethods.end()) {
        return row->method;
    }
    const QLocale::Language language = locale.language();
    if (language == QLocale::Spanish && territory != QLocale::AnyTerritory) {
        return WrittenMethod::Mexican;
    }
    const auto* usual = std::find_if(
        kLanguageMethods.begin(), kLanguageMethods.end(),
        [language](const LanguageMethod& entry) { return entry.language == language; });
    return usual == kLanguageMethods.end() ? WrittenMethod::American : usual->method;
}

bool UsesSquaredPaper(WrittenMethod method) {
    switch (method) {
        case WrittenMethod::German:
        case WrittenMethod::French:
        case WrittenMethod::Spanish:
        case WrittenMethod::Mexican:
        case WrittenMethod::Dutch:
            return true;
        case WrittenMethod::Default:
        case WrittenMethod::American:
        case WrittenMethod::English:
            break;
    }
    return false;
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
