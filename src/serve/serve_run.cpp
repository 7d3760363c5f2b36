#include "serve/serve_run.h"

#include "serve/http_server.h"
#include "serve/listen_address.h"
#include "serve/worksheet_service.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <variant>

#include <unistd.h>

namespace tallyworth {

namespace {

int stopPipe[2] = {-1, -1};

// As long as a service manager waits for a stopping service before it kills it.
constexpr std::chrono::seconds kFinishing{10};

// Any thread may take the signal: it only wakes the main thread.
extern "C" void NoteStop(int /*signal*/) {
    const char stop = 's';
    [[maybe_unused]] const ssize_t written = write(stopPipe[1], &stop, 1);
}

void StopOnSignals() {
    if (pipe(stopPipe) != 0) {
        return;
    }
    // A closed terminal's hangup stops the server as a service manager's stop does.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = NoteStop;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
}

void WaitForStop() {
    char stop = 0;
    while (read(stopPipe[0], &stop, 1) < 0 && errno == EINTR) {
    }
}

}  // namespace

int RunServer(const ServeOptions& options) {
    StopOnSignals();

    const int drawing = options.sets > 0
                            ? options.sets
                            : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    WorksheetService service(options.basePath, drawing, options.queue, options.publicUrl);
    HttpLimits limits;
    limits.perClient = static_cast<unsigned>(options.perClient);
    QString error;
    std::unique_ptr<HttpServer> server = StartHttpServer(
        options.listen, limits,
        [&service](const HttpRequest& request) { return service.Answer(request); }, error);
    if (!server) {
        std::fprintf(stderr, "tallyworth: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const QStringList shown =
        OpenableAddresses(std::get<ListenAddress>(ReadListenAddress(options.listen)),
                          server->Port(), options.basePath);
    std::printf("%s\n", shown.join(u'\n').toUtf8().constData());
    std::fflush(stdout);
    WaitForStop();
    server->Drain(kFinishing);
    // Sets still unfinished are cut off with the process; nothing is torn down under them.
    std::fflush(stderr);
    std::_Exit(0);
}

}  // namespace tallyworth
