#pragma once

#include "serve/http_server.h"
#include "serve/set_stream.h"

#include <QLocale>
#include <QString>

#include <memory>

namespace tallyworth {

// What a server of worksheets answers, under its base path:
//   /                  the page
//   /page.js /page.css its script and style
//   /worksheets.pdf?…  a class set, the command line's long options as parameters
//   /worksheets.html?… the same sheets as text, each problem as printed ("7 × 8 =")
//   /count?…           how many different problems the settings' rules allow, as a number
//   /health            "ok"
//   /favicon.ico       the program's icon, as PNG
// Bad settings get 400 with the program's messages, one a line, in the browser's language.
class WorksheetService {
  public:
    WorksheetService(QString basePath, int drawing, int waiting);
    [[nodiscard]] HttpResponse Answer(const HttpRequest& request);

  private:
    [[nodiscard]] HttpResponse Page(const HttpRequest& request) const;
    [[nodiscard]] HttpResponse Worksheets(const HttpRequest& request);
    [[nodiscard]] HttpResponse Count(const HttpRequest& request) const;
    [[nodiscard]] HttpResponse SheetsAsText(const HttpRequest& request);

    QString basePath_;
    std::shared_ptr<DrawingGate> gate_;
};

// The language a browser asks for among the program's, and the locale whose country
// decides its paper, from an Accept-Language header.
[[nodiscard]] QLocale BrowserLanguage(const QByteArray& acceptLanguage);
[[nodiscard]] QLocale BrowserPaperLocale(const QByteArray& acceptLanguage);

}  // namespace tallyworth
