#include "set_options/option_list.h"

#include "core/settings_limits.h"
#include "set_options/set_options.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace tallyworth {

namespace {

// Where the sheets go, the server's own options and help: none of them is of the set.
// clang-format off
constexpr std::array kOutputOptions{
    OptionEntry{"pdf", nullptr, "FILE", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Write the worksheets to the PDF file FILE; - writes them to standard output."), false, false},
    OptionEntry{"print", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print them as one job on the default printer."), false, false},
    OptionEntry{"printer", nullptr, "NAME", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print on the printer NAME instead."), false, false},
    OptionEntry{"public-url", nullptr, "URL", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print on each sheet, next to its code, a QR code of its practice page: URL followed by practice?code= and the code. With --serve, on the sheets it serves."), false, false},
};
constexpr std::array kServeOptions{
    OptionEntry{"serve", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Serve the worksheets' page to the browsers of the network, until stopped."), false, false},
    OptionEntry{"listen", nullptr, "ADDRESS:PORT", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Where --serve listens (default 127.0.0.1:8470); 0.0.0.0:8470 opens it to the network, port 0 takes a free one."), false, false},
    OptionEntry{"base-path", nullptr, "PATH", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Serve under PATH, such as /worksheets, behind a reverse proxy."), false, false},
    OptionEntry{"sets", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many class sets --serve draws at once (default: one a processor core)."), false, false},
    OptionEntry{"queue", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many more class sets wait for their turn (default 64); the rest are asked to try again."), false, false},
    OptionEntry{"per-client", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many connections --serve takes from one address at once (default 16); behind a reverse proxy, every client has the proxy's address."), false, false},
};
constexpr std::array kHelpOptions{
    OptionEntry{"help", "h", nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Show this help."), false, false},
    OptionEntry{"version", "v", nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Show the version."), false, false},
};
// clang-format on

// The figures of the options whose descriptions give their range and default.
struct OptionFigures {
    const char* name;
    int least;
    int most;
    int byDefault;
};

constexpr std::array kFigures{
    OptionFigures{"lowest", kLeastNumber, kMostNumber, kStartLowest},
    OptionFigures{"highest", kLeastNumber, kMostNumber, kStartHighest},
    OptionFigures{"problems", kLeastProblems, kMostProblems, kStartProblems},
    OptionFigures{"fixed", kLeastFixed, kMostFixed, 0},
    OptionFigures{"sheets", kLeastSheets, kMostSheets, kStartSheets},
};

QString OptionName(const char* name) {
    return QString::fromLatin1(name);
}

}  // namespace

std::span<const OptionEntry> Options() {
    static const std::vector<OptionEntry> kOptions = [] {
        std::vector<OptionEntry> options(kOutputOptions.begin(), kOutputOptions.end());
        const std::span<const OptionEntry> set = SetOptions();
        options.insert(options.end(), set.begin(), set.end());
        options.insert(options.end(), kServeOptions.begin(), kServeOptions.end());
        options.insert(options.end(), kHelpOptions.begin(), kHelpOptions.end());
        return options;
    }();
    return kOptions;
}

QString OptionDescription(const OptionEntry& entry) {
    QString text = QCoreApplication::translate("tallyworth::CommandLine", entry.description);
    const auto* figures = std::ranges::find_if(kFigures, [&entry](const OptionFigures& option) {
        return std::string_view(option.name) == entry.name;
    });
    if (figures == kFigures.end()) {
        return text;
    }
    // A description without a default has no %3 to fill.
    const QString ranged = text.arg(figures->least).arg(figures->most);
    return figures->byDefault == 0 ? ranged : ranged.arg(figures->byDefault);
}

void RefuseRepeatedOptions(const OptionValues& values, QStringList& errors) {
    for (const OptionEntry& entry : Options()) {
        // A sheet of several sections gives --section once for each.
        const bool repeats = std::string_view(entry.name) == "section";
        if (entry.valueName != nullptr && !repeats && values.Count(OptionName(entry.name)) > 1) {
            errors << QCoreApplication::translate("tallyworth::CommandLine",
                                                  "--%1 is given more than once.")
                          .arg(OptionName(entry.name));
        }
    }
}

}  // namespace tallyworth
