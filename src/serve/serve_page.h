#pragma once

#include "serve/http_server.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

namespace tallyworth {

// The page in the language whose catalogue is in front, its paper Letter or A4, in the
// words of the windows.
[[nodiscard]] QByteArray PageHtml(const QLocale& language, bool letter);

// A page's script or style at path ("/page.js", "/practice.css"), nothing for any other
// path; and whether path is one.
[[nodiscard]] std::optional<HttpResponse> PageFile(const QString& path);
[[nodiscard]] bool IsPageFile(const QString& path);
// A file the pages are made of, by its name ("practice.html"), as kept in the program.
[[nodiscard]] QByteArray PageResource(const QString& name);

}  // namespace tallyworth
