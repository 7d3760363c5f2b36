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

// The page's script or style at path ("/page.js"), nothing for any other path.
[[nodiscard]] std::optional<HttpResponse> PageFile(const QString& path);

}  // namespace tallyworth
