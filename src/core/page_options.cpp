#include "core/page_options.h"

#include <algorithm>
#include <array>

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

}  // namespace

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
            times == TimesSign::Asterisk && divide == DivideSign::Obelus};
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
