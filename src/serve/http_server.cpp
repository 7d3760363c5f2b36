#include "serve/http_server.h"

#include "serve/listen_address.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <thread>
#include <utility>
#include <variant>

namespace tallyworth {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRequestTimeout = 408;

// A log field as text no request can forge a line or a field with, nor steer a terminal.
QByteArray LogField(const QByteArray& field) {
    if (field.isEmpty()) {
        return "-";
    }
    QByteArray escaped;
    for (const char letter : field) {
        const auto byte = static_cast<unsigned char>(letter);
        if (byte <= ' ' || byte >= 0x7f || letter == '\\') {
            escaped += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            escaped += letter;
        }
    }
    return escaped;
}

QByteArray ClientAddress(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (info == nullptr || info->client_addr == nullptr) {
        return {};
    }
    char text[INET6_ADDRSTRLEN] = {};
    const sockaddr* address = info->client_addr;
    const void* bytes =
        address->sa_family == AF_INET6
            ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr)
            : static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
    return inet_ntop(address->sa_family, bytes, text, sizeof text) != nullptr ? QByteArray(text)
                                                                              : QByteArray();
}

// What the server keeps of a connection: by when the head of its next request must be in,
// none while a request is answered.
struct ConnectionState {
    int socket = -1;
    std::optional<Clock::time_point> headDue;
    bool cutOff = false;
};

// What the server keeps of a request from its first line until it is answered, for its
// log line.
struct RequestLog {
    QElapsedTimer clock;
    QByteArray method;  // empty until its head is read
    QByteArray path;    // as sent, without the query
    int status = 0;
    std::atomic<std::int64_t> bytes = 0;
    std::size_t targetBytes = 0;
};

struct StreamContext {
    std::shared_ptr<BodySource> source;
    RequestLog* log;
};

ssize_t ReadStream(void* context, std::uint64_t /*position*/, char* buffer, std::size_t size) {
    auto* stream = static_cast<StreamContext*>(context);
    const std::int64_t read = stream->source->Read(buffer, static_cast<std::int64_t>(size));
    if (read > 0) {
        stream->log->bytes += read;
        return static_cast<ssize_t>(read);
    }
    return read == 0 ? MHD_CONTENT_READER_END_OF_STREAM : MHD_CONTENT_READER_END_WITH_ERROR;
}

void FreeStream(void* context) {
    auto* stream = static_cast<StreamContext*>(context);
    stream->source->Close();
    delete stream;
}

MHD_Result Collect(void* list, MHD_ValueKind /*kind*/, const char* key, const char* value) {
    static_cast<QList<QPair<QString, QString>>*>(list)->append(
        {QString::fromUtf8(key), QString::fromUtf8(value != nullptr ? value : "")});
    return MHD_YES;
}

struct HeaderCount {
    int all = 0;
    int hosts = 0;
};

MHD_Result CountHeader(void* count, MHD_ValueKind /*kind*/, const char* key,
                       const char* /*value*/) {
    auto& counted = *static_cast<HeaderCount*>(count);
    ++counted.all;
    if (qstricmp(key, MHD_HTTP_HEADER_HOST) == 0) {
        ++counted.hosts;
    }
    return MHD_YES;
}

MHD_Result Queue(MHD_Connection* connection, RequestLog& log, const HttpResponse& answer) {
    const bool bodySent = log.method != MHD_HTTP_METHOD_HEAD;
    MHD_Response* response = nullptr;
    if (answer.stream) {
        response =
            MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, std::size_t{64} * 1024, ReadStream,
                                              new StreamContext{answer.stream, &log}, FreeStream);
    } else {
        response = MHD_create_response_from_buffer(static_cast<std::size_t>(answer.body.size()),
                                                   const_cast<char*>(answer.body.constData()),
                                                   MHD_RESPMEM_MUST_COPY);
        log.bytes = bodySent ? answer.body.size() : 0;
    }
    if (response == nullptr) {
        return MHD_NO;
    }
    for (const auto& [name, value] : SafetyHeaders() + answer.headers) {
        MHD_add_response_header(response, name.constData(), value.constData());
    }
    if (!answer.contentType.isEmpty()) {
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE,
                                answer.contentType.constData());
    }
    log.status = answer.status;
    const MHD_Result queued =
        MHD_queue_response(connection, static_cast<unsigned>(answer.status), response);
    MHD_destroy_response(response);
    return queued;
}

HttpResponse Plain(int status, const char* text) {
    return {status, "text/plain; charset=utf-8", {}, QByteArray(text), nullptr};
}

// Each connection has a thread of its own: whether the request it reads has its line read,
// and so a log line to come.
thread_local bool requestLineRead = false;

// The library tells why it answered a request itself. One it answered before its line was
// read, such as one of an HTTP version it does not speak, is logged from here.
void LibraryMessage(void* /*self*/, const char* format, va_list arguments) {
    constexpr std::string_view kAnswered = "Error processing request (HTTP response code is %u";
    if (!requestLineRead && std::string_view(format).starts_with(kAnswered)) {
        std::fprintf(stderr, "- - %u 0 0ms\n", va_arg(arguments, unsigned));
    }
}

// The status the library answered with itself, 0 when it answered nothing.
int LibraryStatus(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_HTTP_STATUS);
    return info != nullptr ? static_cast<int>(info->http_status) : 0;
}

ConnectionState* StateOf(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
    return info != nullptr ? static_cast<ConnectionState*>(info->socket_context) : nullptr;
}

class MicroHttpServer final : public HttpServer {
  public:
    MicroHttpServer(const HttpLimits& limits, HttpHandler handler)
        : limits_(limits), handler_(std::move(handler)) {}
    ~MicroHttpServer() override {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        if (watch_.joinable()) {
            watch_.join();
        }
        if (daemon_ != nullptr) {
            MHD_stop_daemon(daemon_);
        }
    }
    MicroHttpServer(const MicroHttpServer&) = delete;
    MicroHttpServer& operator=(const MicroHttpServer&) = delete;

    // Serves on a listening socket, which it closes when it stops.
    bool Listen(int socket, bool ipv6) {
        const unsigned flags = MHD_USE_THREAD_PER_CONNECTION | MHD_USE_INTERNAL_POLLING_THREAD |
                               MHD_USE_ERROR_LOG | MHD_USE_ITC |
                               (ipv6 ? static_cast<unsigned>(MHD_USE_IPv6) : 0U);
        // The library's own bound on a head is well above ours, so that a head over ours
        // gets our answer, with our headers and a log line.
        const std::size_t libraryBytes = 4 * limits_.requestBytes;
        daemon_ = MHD_start_daemon(
            flags, 0, nullptr, nullptr, &MicroHttpServer::Answer, this, MHD_OPTION_LISTEN_SOCKET,
            socket, MHD_OPTION_CONNECTION_MEMORY_LIMIT, libraryBytes, MHD_OPTION_CONNECTION_TIMEOUT,
            limits_.silentSeconds, MHD_OPTION_CONNECTION_LIMIT, limits_.connections,
            MHD_OPTION_PER_IP_CONNECTION_LIMIT, limits_.perClient, MHD_OPTION_NOTIFY_CONNECTION,
            &MicroHttpServer::Connected, this, MHD_OPTION_URI_LOG_CALLBACK,
            &MicroHttpServer::RequestLine, this, MHD_OPTION_NOTIFY_COMPLETED,
            &MicroHttpServer::Completed, this, MHD_OPTION_EXTERNAL_LOGGER, &LibraryMessage, this,
            MHD_OPTION_END);
        if (daemon_ == nullptr) {
            return false;
        }
        watch_ = std::thread([this] { WatchHeads(); });
        return true;
    }

    [[nodiscard]] quint16 Port() const override {
        const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
        return info != nullptr ? info->port : 0;
    }

    void Drain(std::chrono::milliseconds limit) override {
        const MHD_socket listening = MHD_quiesce_daemon(daemon_);
        if (listening != MHD_INVALID_SOCKET) {
            ::close(listening);
        }
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, limit, [this] { return answering_ == 0; });
    }

  private:
    static void Connected(void* self, MHD_Connection* connection, void** socketContext,
                          MHD_ConnectionNotificationCode code) {
        auto& server = *static_cast<MicroHttpServer*>(self);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            const MHD_ConnectionInfo* socket =
                MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
            auto* state = new ConnectionState{socket != nullptr ? socket->connect_fd : -1,
                                              Clock::now() + server.limits_.headTime};
            *socketContext = state;
            const std::lock_guard lock(server.mutex_);
            server.connections_.insert(state);
            return;
        }
        auto* state = static_cast<ConnectionState*>(*socketContext);
        if (state == nullptr) {
            return;
        }
        {
            // Removed before the library closes the socket, so the watch never cuts off
            // another connection that gets its number.
            const std::lock_guard lock(server.mutex_);
            server.connections_.erase(state);
        }
        delete state;
        *socketContext = nullptr;
    }

    static void* RequestLine(void* /*self*/, const char* uri, MHD_Connection* /*connection*/) {
        auto* log = new RequestLog;
        log->clock.start();
        const QByteArray target(uri);
        log->targetBytes = static_cast<std::size_t>(target.size());
        const qsizetype query = target.indexOf('?');
        log->path = query < 0 ? target : target.left(query);
        requestLineRead = true;
        return log;
    }

    static MHD_Result Answer(void* self, MHD_Connection* connection, const char* url,
                             const char* method, const char* version, const char* /*uploadData*/,
                             std::size_t* uploadSize, void** context) {
        auto& server = *static_cast<MicroHttpServer*>(self);
        auto& log = *static_cast<RequestLog*>(*context);
        if (log.method.isEmpty()) {
            log.method = method;
            server.HeadRead(connection);
            if (const auto refused = server.Refusal(connection, log, method, version)) {
                return Queue(connection, log, *refused);
            }
            return MHD_YES;
        }
        if (*uploadSize > 0) {
            // A body the pages do not take is read and dropped, within its bound.
            *uploadSize = 0;
            return MHD_YES;
        }
        HttpRequest request{method, QString::fromUtf8(url), {}, {}, ClientAddress(connection)};
        MHD_get_connection_values(connection, MHD_GET_ARGUMENT_KIND, Collect, &request.query);
        if (const char* languages = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                                MHD_HTTP_HEADER_ACCEPT_LANGUAGE)) {
            request.acceptLanguage = languages;
        }
        return Queue(connection, log, server.handler_(request));
    }

    // The head is in: the request is answered, however long that takes.
    void HeadRead(MHD_Connection* connection) {
        ConnectionState* state = StateOf(connection);
        const std::lock_guard lock(mutex_);
        if (state != nullptr) {
            state->headDue.reset();
        }
        ++answering_;
    }

    // The answer to a request that the handler does not see.
    std::optional<HttpResponse> Refusal(MHD_Connection* connection, const RequestLog& log,
                                        const char* method, const char* version) const {
        if (std::strcmp(method, MHD_HTTP_METHOD_GET) != 0 &&
            std::strcmp(method, MHD_HTTP_METHOD_HEAD) != 0) {
            HttpResponse refused = Plain(MHD_HTTP_METHOD_NOT_ALLOWED, "Method Not Allowed\n");
            refused.headers.append(qMakePair(QByteArray("Allow"), QByteArray("GET, HEAD")));
            return refused;
        }
        if (log.targetBytes > limits_.targetBytes) {
            return Plain(MHD_HTTP_URI_TOO_LONG, "URI Too Long\n");
        }
        HeaderCount headers;
        MHD_get_connection_values(connection, MHD_HEADER_KIND, CountHeader, &headers);
        const MHD_ConnectionInfo* size =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_REQUEST_HEADER_SIZE);
        if (headers.all > limits_.headers ||
            (size != nullptr && size->header_size > limits_.requestBytes)) {
            return Plain(MHD_HTTP_REQUEST_HEADER_FIELDS_TOO_LARGE,
                         "Request Header Fields Too Large\n");
        }
        // An HTTP/1.1 request names its host once; an HTTP/1.0 one at most once.
        const bool oneOne = std::strcmp(version, MHD_HTTP_VERSION_1_0) != 0;
        if (headers.hosts > 1 || (oneOne && headers.hosts == 0)) {
            return Plain(MHD_HTTP_BAD_REQUEST, "Bad Request\n");
        }
        const char* length = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                         MHD_HTTP_HEADER_CONTENT_LENGTH);
        const char* chunked = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                          MHD_HTTP_HEADER_TRANSFER_ENCODING);
        if (chunked != nullptr ||
            (length != nullptr && std::strtoull(length, nullptr, 10) > limits_.bodyBytes)) {
            return Plain(MHD_HTTP_CONTENT_TOO_LARGE, "Content Too Large\n");
        }
        return std::nullopt;
    }

    static void Completed(void* self, MHD_Connection* connection, void** context,
                          MHD_RequestTerminationCode /*code*/) {
        auto& server = *static_cast<MicroHttpServer*>(self);
        auto* log = static_cast<RequestLog*>(*context);
        if (log == nullptr) {
            return;
        }
        ConnectionState* state = StateOf(connection);
        int status = log->status != 0 ? log->status : LibraryStatus(connection);
        {
            const std::lock_guard lock(server.mutex_);
            if (state != nullptr) {
                status = state->cutOff ? kRequestTimeout : status;
                state->headDue = Clock::now() + server.limits_.headTime;
            }
            if (!log->method.isEmpty()) {
                --server.answering_;
            }
        }
        server.changed_.notify_all();
        // The path alone: a query is the teacher's business.
        std::fprintf(stderr, "%s %s %d %lld %lldms\n", LogField(log->method).constData(),
                     LogField(log->path).constData(), status, static_cast<long long>(log->bytes),
                     static_cast<long long>(log->clock.elapsed()));
        delete log;
        *context = nullptr;
        requestLineRead = false;
    }

    // Cuts off every connection whose request head is late; the library bounds only
    // silence, which a client sending a line now and then never keeps.
    void WatchHeads() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            changed_.wait_for(lock, std::chrono::milliseconds(500));
            const Clock::time_point now = Clock::now();
            for (ConnectionState* state : connections_) {
                if (state->headDue && *state->headDue < now) {
                    state->headDue.reset();
                    state->cutOff = true;
                    ::shutdown(state->socket, SHUT_RDWR);
                }
            }
        }
    }

    HttpLimits limits_;
    HttpHandler handler_;
    MHD_Daemon* daemon_ = nullptr;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<ConnectionState*> connections_;
    int answering_ = 0;
    bool stopping_ = false;
    std::thread watch_;
};

}  // namespace

QList<QPair<QByteArray, QByteArray>> SafetyHeaders() {
    return {{"Content-Security-Policy",
             "default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self'; "
             "object-src 'none'; base-uri 'none'; frame-ancestors 'none'; form-action 'self'"},
            {"X-Content-Type-Options", "nosniff"},
            {"Referrer-Policy", "no-referrer"},
            {"Cache-Control", "no-store"}};
}

std::unique_ptr<HttpServer> StartHttpServer(const QString& address, const HttpLimits& limits,
                                            HttpHandler handler, QString& error) {
    const std::variant<ListenAddress, QString> read = ReadListenAddress(address);
    if (const auto* fault = std::get_if<QString>(&read)) {
        error = *fault;
        return nullptr;
    }
    const ListenAddress& listen = std::get<ListenAddress>(read);
    const int socket = OpenListeningSocket(listen);
    if (socket < 0) {
        error = ListenFailure(address, errno);
        return nullptr;
    }
    auto server = std::make_unique<MicroHttpServer>(limits, std::move(handler));
    if (!server->Listen(socket, listen.ipv6)) {
        error = ListenFailure(address, errno);
        ::close(socket);
        return nullptr;
    }
    return server;
}

}  // namespace tallyworth
