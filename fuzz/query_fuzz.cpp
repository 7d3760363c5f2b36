// Feeds arbitrary web-address parameters to the server's reading of a class set, and stops
// on any broken promise: a set read without a message is one that can be made, and the
// code it prints for its first sheet reads back as itself.
#include "core/class_set.h"
#include "core/sheet_code.h"
#include "serve/query_options.h"
#include "set_options/set_options.h"

#include <QByteArrayView>
#include <QUrlQuery>

#include <variant>

namespace {

using namespace tallyworth;  // NOLINT(google-build-using-namespace): the code under test

void Require(bool condition, const char* what) {
    if (!condition)
        qFatal("broken promise: %s", what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is a query as a browser sends it, decoded as the server library decodes it.
    const QUrlQuery query(QString::fromUtf8(QByteArrayView(data, static_cast<qsizetype>(size))));
    const auto items = query.queryItems(QUrl::FullyDecoded);
    QList<QPair<QString, QString>> pairs(items.begin(), items.end());
    const SetReading reading = ReadQueryOptions(
        pairs, qHash(QByteArrayView(data, static_cast<qsizetype>(size))), QLocale::c());
    if (!reading.errors.isEmpty())
        return 0;
    Require(!ClassSetPages(reading.request).empty(), "a set read is a set that can be made");
    // Page options given over an older code are not in its code: the code reported is the
    // code of the problems.
    const QString printed = ReportedCode(reading.request);
    const SheetCodeParse again = ParseSheetCode(printed);
    Require(std::holds_alternative<SheetCode>(again) &&
                FormatProblemsCode(std::get<SheetCode>(again)) == printed,
            "the first code reads back as itself");
    return 0;
}
