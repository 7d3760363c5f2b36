#include "serve/worksheet_service.h"

#include "core/class_set.h"
#include "core/problem_rules.h"
#include "core/random_source.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "core/sheet_section.h"
#include "core/translations.h"
#include "page_model/sheet_page.h"
#include "render/class_set_output.h"
#include "render/pdf_output.h"
#include "serve/practice_page.h"
#include "serve/query_options.h"
#include "serve/serve_page.h"
#include "set_options/set_options.h"
#include "tallyworth/version.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace tallyworth {

namespace {

constexpr int kNotModified = 304;
constexpr int kNotFound = 404;
constexpr int kBusy = 503;

// The parameter the page sends its own language in: not a setting of the set.
constexpr QStringView kLanguageParameter = u"lang";
// The parameter naming the page of a set that a preview shows, from 1.
constexpr QStringView kPageParameter = u"page";

// Reads a request's settings in its language: messages for every bad one.
SetReading ReadQuery(const HttpRequest& request) {
    QList<QPair<QString, QString>> settings = request.query;
    settings.removeIf([](const auto& pair) {
        return pair.first == kLanguageParameter || pair.first == kPageParameter;
    });
    return ReadQueryOptions(settings, ClockSeed(), RequestLanguage(request));
}

QString QueryValue(const HttpRequest& request, QStringView name) {
    for (const auto& [key, value] : request.query) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

// The page and its files: the program's own, the same until its version changes.
bool IsProgramFile(const QString& path) {
    return path == u"/" || path == u"/favicon.ico" || IsPageFile(path);
}

// An answer that a code or a file of the program's own decides whole: the same request
// gets the same bytes from the same program, so caches may keep it. A fresh set does not
// repeat, and the server's state changes.
bool IsLasting(const HttpRequest& request, const QString& path) {
    return IsProgramFile(path) || (!QueryValue(request, u"code").isEmpty() && path != u"/health" &&
                                   path != u"/ready" && path != u"/metrics");
}

// Stands for everything that decides a lasting answer: the program's version, the request's
// path and parameters, and the browser's languages, which choose its words and paper.
QByteArray EntityTag(const HttpRequest& request) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(version::kDisplayVersion));
    hash.addData('\n' + request.path.toUtf8());
    for (const auto& [name, value] : request.query) {
        hash.addData('\n' + name.toUtf8() + '=' + value.toUtf8());
    }
    hash.addData('\n' + request.acceptLanguage);
    return '"' + hash.result().toBase64(QByteArray::Base64UrlEncoding).left(22) + '"';
}

// Whether an If-None-Match header names tag (weakly or strongly) or any answer at all.
bool NamesTag(const QByteArray& ifNoneMatch, const QByteArray& tag) {
    for (QByteArray named : ifNoneMatch.split(',')) {
        named = named.trimmed();
        if (named.startsWith("W/")) {
            named = named.mid(2);
        }
        if (named == tag || named == "*") {
            return true;
        }
    }
    return false;
}

// What lets a cache, such as a school's proxy, keep a lasting answer: a code's answer for a
// day, the page and its files asked after each time, as a new version may change them.
void MarkLasting(HttpResponse& answer, const QString& path, const QByteArray& tag) {
    answer.headers.append(qMakePair(QByteArray("ETag"), tag));
    answer.headers.append(
        qMakePair(QByteArray("Cache-Control"),
                  QByteArray(IsProgramFile(path) ? "public, no-cache" : "public, max-age=86400")));
    answer.headers.append(qMakePair(QByteArray("Vary"), QByteArray("Accept-Language")));
}

HttpResponse Text(int status, const QString& text) {
    return {status, "text/plain; charset=utf-8", {}, text.toUtf8() + '\n', nullptr};
}

// The messages one a line, and for the page, which shows each at its field, the option
// each is about (X-Tallyworth-Fields, in the same order, empty for the set as a whole).
HttpResponse Refused(const SetReading& reading) {
    HttpResponse refused = Text(kBadRequest, reading.errors.join(u'\n'));
    QStringList options = reading.faultOptions;
    options.resize(reading.errors.size());
    refused.headers.append(
        qMakePair(QByteArray("X-Tallyworth-Fields"), options.join(u',').toLatin1()));
    return refused;
}

QString Decoded(const QByteArray& header) {
    return QString::fromLatin1(header);
}

// The browser's languages, most wanted first.
QStringList AcceptedLanguages(const QByteArray& acceptLanguage) {
    QList<QPair<double, QString>> weighed;
    for (const QString& part : Decoded(acceptLanguage).split(u',', Qt::SkipEmptyParts)) {
        const QStringList fields = part.split(u';');
        double weight = 1;
        for (const QString& field : fields.mid(1)) {
            if (field.trimmed().startsWith(u"q=")) {
                weight = field.trimmed().mid(2).toDouble();
            }
        }
        const QString tag = fields.first().trimmed();
        if (!tag.isEmpty() && tag != u"*" && weight > 0) {
            weighed.append({-weight, tag});
        }
    }
    std::ranges::stable_sort(weighed, {}, &QPair<double, QString>::first);
    QStringList tags;
    for (const auto& [weight, tag] : weighed) {
        tags << tag;
    }
    return tags;
}

// The program's icon, which every browser asks for.
HttpResponse Icon() {
    QFile icon(QStringLiteral(":/serve/icon.png"));
    return {200,
            "image/png",
            {},
            icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray(),
            nullptr};
}

// Every place to draw or wait is taken: the browser may ask again in a moment.
HttpResponse Busy() {
    HttpResponse refused =
        Text(kBusy, QCoreApplication::translate(
                        "tallyworth::Serve",
                        "Many class sets are being made just now: try again in a moment."));
    refused.headers.append(qMakePair(QByteArray("Retry-After"), QByteArray("5")));
    return refused;
}

// A sheet's problems as printed, one item each; with the solutions on a key.
QString ProblemsAsHtml(const SheetCode& code, bool answerKey) {
    const SheetPrint print = MakeSheetPrint(code, answerKey, SpokenLocale(), kWorksheetArea);
    QString html = QStringLiteral("<ol>\n");
    for (const PrintedPage& page : print.pages) {
        for (const PrintedProblem& problem : page.problems) {
            html += QStringLiteral("<li>%1</li>\n")
                        .arg(WrittenProblem(problem, page.signs).toHtmlEscaped());
        }
    }
    return html + QStringLiteral("</ol>\n");
}

// The set's sheets as text, each under its number and code, and their keys where the set
// puts them.
QString SetAsHtml(const ClassSetRequest& request) {
    const QString sheetHeading =
        QCoreApplication::translate("tallyworth::ClassSet", "Sheet %1 of %2");
    const QString keyHeading = QCoreApplication::translate("tallyworth::ClassSet", "Answer key");
    const auto heading = [&](int sheet, const QString& what) {
        return QStringLiteral("<h2>%1 (%2)</h2>\n")
            .arg(what.toHtmlEscaped(), ReportedCode(request, sheet));
    };
    const auto key = [&](int sheet) {
        return heading(sheet, sheetHeading.arg(sheet + 1).arg(request.sheets) +
                                  QStringLiteral(": ") + keyHeading) +
               ProblemsAsHtml(SheetOfSet(request.first, sheet), true);
    };
    QString html;
    for (int sheet = 0; sheet < request.sheets; ++sheet) {
        html += heading(sheet, sheetHeading.arg(sheet + 1).arg(request.sheets)) +
                ProblemsAsHtml(SheetOfSet(request.first, sheet), false);
        if (request.answerKeys == AnswerKeys::AfterEach) {
            html += key(sheet);
        }
    }
    for (int sheet = 0; request.answerKeys == AnswerKeys::AtEnd && sheet < request.sheets;
         ++sheet) {
        html += key(sheet);
    }
    return html;
}

}  // namespace

QStringList RequestLanguages(const HttpRequest& request) {
    QStringList languages = AcceptedLanguages(request.acceptLanguage);
    for (const auto& [name, value] : request.query) {
        if (name == kLanguageParameter && !value.isEmpty()) {
            languages.prepend(value);
        }
    }
    return languages;
}

QLocale RequestLanguage(const HttpRequest& request) {
    return ChooseLanguage(RequestLanguages(request), CatalogueDirectory());
}

QLocale::Territory RequestTerritory(const HttpRequest& request) {
    const QLocale::Language language = RequestLanguage(request).language();
    for (const QString& tag : RequestLanguages(request)) {
        const QStringList parts = tag.split(QRegularExpression(QStringLiteral("[-_]")));
        if (QLocale(parts.front()).language() != language) {
            continue;
        }
        for (const QString& part : parts.mid(1)) {
            const QLocale::Territory territory = QLocale::codeToTerritory(part);
            if (territory != QLocale::AnyTerritory) {
                return territory;
            }
        }
    }
    return QLocale::AnyTerritory;
}

QLocale BrowserPaperLocale(const QByteArray& acceptLanguage) {
    const QStringList tags = AcceptedLanguages(acceptLanguage);
    return tags.isEmpty() ? QLocale::c() : QLocale(tags.first());
}

WorksheetService::WorksheetService(QString basePath, int drawing, int waiting, QString publicUrl)
    : basePath_(std::move(basePath)),
      publicUrl_(std::move(publicUrl)),
      gate_(std::make_shared<DrawingGate>(drawing, waiting)),
      catalogues_(CatalogueDirectory()) {}

HttpResponse WorksheetService::Answer(const HttpRequest& request) {
    // Everything the answer says, and the sheets it draws, in the request's language.
    const SpeakingIn speaking(catalogues_.For(RequestLanguages(request)),
                              RequestTerritory(request));
    if (!request.path.startsWith(basePath_)) {
        return Text(kNotFound, QStringLiteral("Not Found"));
    }
    const QString path = request.path.mid(basePath_.size());
    const QByteArray tag = IsLasting(request, path) ? EntityTag(request) : QByteArray();
    if (!tag.isEmpty() && NamesTag(request.ifNoneMatch, tag)) {
        HttpResponse kept{kNotModified, {}, {}, {}, nullptr};
        MarkLasting(kept, path, tag);
        return metrics_->Counted(RouteName(path), request.method, std::move(kept));
    }
    HttpResponse answer = Routed(request, path);
    if (!tag.isEmpty() && answer.status == 200) {
        MarkLasting(answer, path, tag);
    }
    return metrics_->Counted(RouteName(path), request.method, std::move(answer));
}

HttpResponse WorksheetService::Routed(const HttpRequest& request, const QString& path) {
    if (path.isEmpty()) {
        HttpResponse moved{308, {}, {{"Location", (basePath_ + u'/').toUtf8()}}, {}, nullptr};
        return moved;
    }
    if (path == u"/") {
        return Page(request);
    }
    if (path == u"/worksheets.pdf") {
        return Worksheets(request);
    }
    if (path == u"/worksheets.html") {
        return SheetsAsText(request);
    }
    if (path == u"/count") {
        return Count(request);
    }
    if (path == u"/preview.png") {
        return Preview(request);
    }
    if (path == u"/health") {
        return Text(200, QStringLiteral("ok"));
    }
    if (path == u"/ready") {
        return gate_->HasRoom() ? Text(200, QStringLiteral("ok")) : Busy();
    }
    if (path == u"/metrics") {
        return {200,
                "text/plain; version=0.0.4; charset=utf-8",
                {},
                metrics_->Exposition(gate_->Occupied()),
                nullptr};
    }
    if (path == u"/favicon.ico") {
        return Icon();
    }
    if (path == u"/practice") {
        return PracticePage(request, RequestLanguage(request));
    }
    if (const std::optional<HttpResponse> file = PageFile(path)) {
        return *file;
    }
    return Text(kNotFound, QStringLiteral("Not Found"));
}

HttpResponse WorksheetService::Page(const HttpRequest& request) const {
    const QByteArray html = PageHtml(RequestLanguage(request),
                                     PrintsOnLetter(BrowserPaperLocale(request.acceptLanguage)));
    return {200, "text/html; charset=utf-8", {}, html, nullptr};
}

HttpResponse WorksheetService::Worksheets(const HttpRequest& request) {
    SetReading reading = ReadQuery(request);
    if (!reading.errors.isEmpty()) {
        return Refused(reading);
    }
    std::optional<DrawingTicket> ticket = gate_->Enter(request.client);
    if (!ticket) {
        return Busy();
    }
    const QPageSize paper =
        PageSizeOf(reading.paper.value_or(PaperOf(BrowserPaperLocale(request.acceptLanguage))));
    reading.request.publicUrl = publicUrl_;
    const QByteArray code = ReportedCode(reading.request).toLatin1();
    return {
        200,
        "application/pdf",
        {{"X-Tallyworth-Code", code},
         {"Content-Disposition", "inline; filename=\"worksheets-" + code + ".pdf\""}},
        {},
        StreamClassSetPdf(reading.request, paper,
                          {catalogues_.For(RequestLanguages(request)), RequestTerritory(request)},
                          gate_, std::move(*ticket), metrics_)};
}

HttpResponse WorksheetService::Count(const HttpRequest& request) const {
    const SetReading reading = ReadQuery(request);
    if (!reading.errors.isEmpty()) {
        return Refused(reading);
    }
    QStringList counts;
    for (const SheetSection& section : SectionsOf(reading.request.first.settings)) {
        counts << QString::number(CountSectionProblems(section));
    }
    return Text(200, counts.join(u'\n'));
}

bool WorksheetService::InTurn(const QByteArray& client, const std::function<void()>& draw) {
    const std::optional<DrawingTicket> ticket = gate_->Enter(client);
    if (!ticket) {
        return false;
    }
    const bool drew = gate_->TakeTurn(*ticket, [] { return false; });
    draw();
    if (drew) {
        gate_->GiveTurn(*ticket);
    }
    gate_->Leave(*ticket);
    return true;
}

HttpResponse WorksheetService::SheetsAsText(const HttpRequest& request) {
    const SetReading reading = ReadQuery(request);
    if (!reading.errors.isEmpty()) {
        return Refused(reading);
    }
    QString html;
    if (!InTurn(request.client, [&] { html = SetAsHtml(reading.request); })) {
        return Busy();
    }
    const QString title =
        QCoreApplication::translate("tallyworth::Serve", "The worksheets as text");
    const QString back =
        QCoreApplication::translate("tallyworth::Serve", "Back to the worksheet's settings");
    html = QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width, "
               "initial-scale=1\"><title>%2 – Tallyworth</title>"
               "<link rel=\"icon\" href=\"favicon.ico\"></head><body><main>\n"
               "<h1>%2</h1>\n<p><a href=\"./\">%3</a></p>\n")
               .arg(RequestLanguage(request).bcp47Name(), title.toHtmlEscaped(),
                    back.toHtmlEscaped()) +
           html + QStringLiteral("</main></body></html>\n");
    return {200, "text/html; charset=utf-8", {}, html.toUtf8(), nullptr};
}

HttpResponse WorksheetService::Preview(const HttpRequest& request) {
    const QString asked = QueryValue(request, kPageParameter);
    bool number = asked.isEmpty();
    const int page = number ? 1 : asked.toInt(&number);
    if (!number || page < 1) {
        return Text(kBadRequest, QCoreApplication::translate(
                                     "tallyworth::Serve",
                                     "page takes the number of a page of the set, not \"%1\".")
                                     .arg(asked));
    }
    const SetReading reading = ReadQuery(request);
    if (!reading.errors.isEmpty()) {
        return Refused(reading);
    }
    const QPageSize paper =
        PageSizeOf(reading.paper.value_or(PaperOf(BrowserPaperLocale(request.acceptLanguage))));
    QByteArray png;
    if (!InTurn(request.client, [&] { png = ClassSetPagePng(reading.request, paper, page - 1); })) {
        return Busy();
    }
    if (png.isEmpty()) {
        return Text(
            kNotFound,
            QCoreApplication::translate("tallyworth::Serve", "The set has no page %1.").arg(page));
    }
    return {200,
            "image/png",
            {{"X-Tallyworth-Code", ReportedCode(reading.request).toLatin1()},
             {"X-Tallyworth-Pages", QByteArray::number(ClassSetPageCount(reading.request, paper))}},
            png,
            nullptr};
}

}  // namespace tallyworth
