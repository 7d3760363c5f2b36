#pragma once

#include <QString>

namespace tallyworth {

struct ServeOptions {
    QString listen = QStringLiteral("127.0.0.1:8470");
    QString basePath;    // "" or "/worksheets", for a reverse proxy
    int sets = 0;        // drawn at once; 0 for one a processor core
    int queue = 64;      // waiting for their turn beyond those
    int perClient = 16;  // connections from one address at once
    QString publicUrl;   // where the sheets' practice pages are (PracticeLink); "" for none
};

// Serves the page and the worksheets until SIGINT, SIGTERM or SIGHUP; the addresses a
// browser opens go to standard output, one a line, as http://HOST:PORT/
// (OpenableAddresses). On the signal it takes no more requests and lets those under way
// finish for up to 10 s. Exit status 0 after a signal, 1 when it cannot listen.
[[nodiscard]] int RunServer(const ServeOptions& options);

}  // namespace tallyworth
