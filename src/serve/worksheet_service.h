#pragma once

#include "core/translations.h"
#include "serve/http_server.h"
#include "serve/service_metrics.h"
#include "serve/set_stream.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <memory>

namespace tallyworth {

// What a server of worksheets answers, under its base path:
//   /                  the page
//   /page.js /page.css its script and style
//   /worksheets.pdf?…  a class set, the command line's long options as parameters
//   /worksheets.html?… the same sheets as text, each problem as printed ("7 × 8 ="), and
//                      their keys when asked
//   /preview.png?…     a page of the set (page=N, from 1; the first by default) as it prints,
//                      with the set's code in X-Tallyworth-Code and its number of pages in
//                      X-Tallyworth-Pages
//   /count?…           how many different problems the settings' rules allow, as a number;
//                      for a sheet of sections, one a line for each section in turn
//   /health            "ok"
//   /ready             "ok" while a set would be taken, else 503 as when every place is taken
//   /metrics           what it has done, in Prometheus text (ServiceMetrics)
//   /favicon.ico       the program's icon, as PNG
//   /practice?code=…   one sheet for a pupil to answer in the browser (PracticePage), with
//                      its script and style /practice.js /practice.css
// Everything is answered in the request's language (RequestLanguages): the page, the
// messages, and the sheets' words and signs. Bad settings get 400 with the program's
// messages, one a line. With a public address the sheets carry QR codes of their practice
// pages under it (PracticeLink). An answer a code or the program decides whole carries an
// ETag, and a request naming it gets 304; any other answer is kept by no cache.
class WorksheetService {
  public:
    WorksheetService(QString basePath, int drawing, int waiting, QString publicUrl = {});
    [[nodiscard]] HttpResponse Answer(const HttpRequest& request);

  private:
    [[nodiscard]] HttpResponse Routed(const HttpRequest& request, const QString& path);
    [[nodiscard]] HttpResponse Page(const HttpRequest& request) const;
    [[nodiscard]] HttpResponse Worksheets(const HttpRequest& request);
    [[nodiscard]] HttpResponse Count(const HttpRequest& request) const;
    [[nodiscard]] HttpResponse SheetsAsText(const HttpRequest& request);
    [[nodiscard]] HttpResponse Preview(const HttpRequest& request);
    // Draws in a turn of the gate, as sets are drawn; false when every place is taken.
    [[nodiscard]] bool InTurn(const QByteArray& client, const std::function<void()>& draw);

    QString basePath_;
    QString publicUrl_;
    std::shared_ptr<DrawingGate> gate_;
    Catalogues catalogues_;
    std::shared_ptr<ServiceMetrics> metrics_ = std::make_shared<ServiceMetrics>();
};

// The languages a request asks for, most wanted first: that of the page it was sent from
// (lang=), then the browser's (Accept-Language); and the one of the program's it gets.
[[nodiscard]] QStringList RequestLanguages(const HttpRequest& request);
[[nodiscard]] QLocale RequestLanguage(const HttpRequest& request);
// The country the request names with the language it gets ("es-MX"), which decides the
// written method a sheet is laid out in; AnyTerritory when it names none.
[[nodiscard]] QLocale::Territory RequestTerritory(const HttpRequest& request);
// The locale whose country decides a browser's paper, from an Accept-Language header.
[[nodiscard]] QLocale BrowserPaperLocale(const QByteArray& acceptLanguage);

}  // namespace tallyworth
