#pragma once

#include "serve/http_server.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace tallyworth {

// The practice page of one sheet, for a pupil to answer in a browser: the sheet's problems
// in its order and signs, a field for each blank, its sections' titles over their problems,
// and the answers, which the page's own script checks without sending anything. Its
// parameters: code (the sheet's, read as the command line reads it), minutes (1 to 120: a
// timer that shows the time used and stops nobody) and retry (1 for a second go at the
// wrong answers). A missing or bad one gets 400 and a page that says why, in language.
[[nodiscard]] HttpResponse PracticePage(const HttpRequest& request, const QLocale& language);

}  // namespace tallyworth
