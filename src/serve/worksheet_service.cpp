#include "serve/worksheet_service.h"

#include "core/class_set.h"
#include "core/problem_rules.h"
#include "core/random_source.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "core/sheet_section.h"
#include "core/translations.h"
#include "page_model/sheet_page.h"
#include "render/pdf_output.h"
#include "serve/practice_page.h"
#include "serve/query_options.h"
#include "serve/serve_page.h"
#include "set_options/set_options.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <utility>

namespace tallyworth {

namespace {

constexpr int kBadRequest = 400;
constexpr int kNotFound = 404;
constexpr int kBusy = 503;

// The parameter the page sends its own language in: not a setting of the set.
constexpr QStringView kLanguageParameter = u"lang";

// Reads a request's settings in its language: messages for every bad one.
SetReading ReadQuery(const HttpRequest& request) {
    QList<QPair<QString, QString>> settings = request.query;
    settings.removeIf([](const auto& pair) { return pair.first == kLanguageParameter; });
    return ReadQueryOptions(settings, ClockSeed(), RequestLanguage(request));
}

HttpResponse Text(int status, const QString& text) {
    return {status, "text/plain; charset=utf-8", {}, text.toUtf8() + '\n', nullptr};
}

HttpResponse Refused(const SetReading& reading) {
    return Text(kBadRequest, reading.errors.join(u'\n'));
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
    const SpeakingIn speaking(catalogues_.For(RequestLanguages(request)));
    if (!request.path.startsWith(basePath_)) {
        return Text(kNotFound, QStringLiteral("Not Found"));
    }
    const QString path = request.path.mid(basePath_.size());
    return metrics_->Counted(RouteName(path), request.method, Routed(request, path));
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
    if (const std::optional<HttpResponse> file = PracticeFile(path)) {
        return *file;
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
    return {200,
            "application/pdf",
            {{"X-Tallyworth-Code", code},
             {"Content-Disposition", "inline; filename=\"worksheets-" + code + ".pdf\""}},
            {},
            StreamClassSetPdf(reading.request, paper, catalogues_.For(RequestLanguages(request)),
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

HttpResponse WorksheetService::SheetsAsText(const HttpRequest& request) {
    const SetReading reading = ReadQuery(request);
    if (!reading.errors.isEmpty()) {
        return Refused(reading);
    }
    const QString heading = QCoreApplication::translate("tallyworth::ClassSet", "Sheet %1 of %2");
    const std::optional<DrawingTicket> ticket = gate_->Enter(request.client);
    if (!ticket) {
        return Busy();
    }
    const bool drew = gate_->TakeTurn(*ticket, [] { return false; });
    QString html = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                       "<title>Tallyworth</title></head><body><main>\n")
                       .arg(RequestLanguage(request).bcp47Name());
    for (int sheet = 0; sheet < reading.request.sheets; ++sheet) {
        const SheetCode code = SheetOfSet(reading.request.first, sheet);
        const SheetPrint print = MakeSheetPrint(code, false, SpokenLanguage(), kWorksheetArea);
        html += QStringLiteral("<h2>%1 (%2)</h2>\n<ol>\n")
                    .arg(heading.arg(sheet + 1).arg(reading.request.sheets),
                         ReportedCode(reading.request, sheet));
        for (const PrintedPage& page : print.pages) {
            for (const PrintedProblem& problem : page.problems) {
                html += QStringLiteral("<li>%1</li>\n")
                            .arg(WrittenProblem(problem, page.signs).toHtmlEscaped());
            }
        }
        html += QStringLiteral("</ol>\n");
    }
    if (drew) {
        gate_->GiveTurn(*ticket);
    }
    gate_->Leave(*ticket);
    return {200,
            "text/html; charset=utf-8",
            {},
            (html + QStringLiteral("</main></body></html>\n")).toUtf8(),
            nullptr};
}

}  // namespace tallyworth
