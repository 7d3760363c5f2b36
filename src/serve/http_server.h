#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace tallyworth {

// One request as the server library read it: no parsing of ours.
struct HttpRequest {
    QByteArray method;
    QString path;                          // decoded, without the query
    QList<QPair<QString, QString>> query;  // decoded, in the order given
    QByteArray acceptLanguage;
    QByteArray client;       // the address it came from, such as "127.0.0.1"
    QByteArray ifNoneMatch;  // the entity tags of the answers the client keeps, as sent
};

// A body made while it is sent, such as a PDF written page by page.
class BodySource {
  public:
    virtual ~BodySource() = default;
    // Copies up to size bytes into buffer, waiting until there are some: 0 at the end of
    // the body, -1 when it could not be made whole.
    [[nodiscard]] virtual std::int64_t Read(char* buffer, std::int64_t size) = 0;
    // The body was sent, or the client went away: whatever still makes it stops.
    virtual void Close() = 0;
    // Waits until the body starts to be made, looking now and then whether the client is
    // gone: the answer's head goes out only then, so that a server stopped before a body's
    // turn has said nothing, and a balancer may ask another. False when the body never will
    // be made.
    [[nodiscard]] virtual bool AwaitStart(const std::function<bool()>& clientGone) = 0;
};

inline constexpr int kBadRequest = 400;

struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    std::shared_ptr<BodySource> stream;  // when set, sent instead of body
};

using HttpHandler = std::function<HttpResponse(const HttpRequest&)>;

// What one request, and one client, may take of the server.
struct HttpLimits {
    std::size_t targetBytes = std::size_t{8} * 1024;    // the path and query (414 over it)
    std::size_t requestBytes = std::size_t{16} * 1024;  // request line and headers (431)
    int headers = 64;
    std::size_t bodyBytes = 0;  // the pages take no body
    // To read a request's line and headers, from the connection: a client that sends them
    // a line at a time is cut off then, as is an idle connection.
    std::chrono::seconds headTime{12};
    // Of silence on a connection: a set waiting its turn to be drawn sends nothing, and a
    // crowded classroom's sets may wait a while.
    unsigned silentSeconds = 60;
    unsigned connections = 256;
    unsigned perClient = 16;  // connections from one address at once; 0 for no limit
};

// An HTTP server on one address, answering every request through its handler on a thread of
// its own; it stops when destroyed. Requests other than GET and HEAD, requests over a
// limit, malformed ones, those of an HTTP version other than 1.0 and 1.1 and HTTP/1.1
// requests without exactly one Host are answered before the handler sees them, with the
// same headers as its answers. A connection carries one request. One line a request goes to
// standard error: method, path as sent, status, bytes of body and milliseconds, never the
// query; a byte that is not printable ASCII, a space or a backslash is written \xHH, so no
// request can write a line of its own or reach the terminal. A request whose head did not
// come in time is logged 408, with nothing sent.
class HttpServer {
  public:
    virtual ~HttpServer() = default;
    [[nodiscard]] virtual quint16 Port() const = 0;
    // Takes no more connections and waits, at most for limit, until the requests under way
    // are answered.
    virtual void Drain(std::chrono::milliseconds limit) = 0;
};

// Starts a server on address, as ReadListenAddress reads it (port 0 for any free one).
// Nothing, with the reason in error (ListenFailure), when it cannot listen there.
[[nodiscard]] std::unique_ptr<HttpServer> StartHttpServer(const QString& address,
                                                          const HttpLimits& limits,
                                                          HttpHandler handler, QString& error);

// The headers that every answer carries: no script or style from elsewhere (images only
// from here or made by the page's own script, as its preview is), no guessed types, no
// referrer, and kept by no cache unless the answer says otherwise.
[[nodiscard]] QList<QPair<QByteArray, QByteArray>> SafetyHeaders();

}  // namespace tallyworth
