#include "serve/http_server.h"

#include "serve/listen_address.h"

#include <QElapsedTimer>

#include <microhttpd.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <variant>

namespace tallyworth {

namespace {

// What the server keeps of a request until it is answered, for its log line.
struct RequestLog {
    QElapsedTimer clock;
    QByteArray method;
    QByteArray path;
    int status = 0;
    std::atomic<std::int64_t> bytes = 0;
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

MHD_Result CountHeader(void* count, MHD_ValueKind /*kind*/, const char* /*key*/,
                       const char* /*value*/) {
    ++*static_cast<int*>(count);
    return MHD_YES;
}

MHD_Result Queue(MHD_Connection* connection, RequestLog& log, const HttpResponse& answer) {
    MHD_Response* response = nullptr;
    if (answer.stream) {
        response =
            MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, std::size_t{64} * 1024, ReadStream,
                                              new StreamContext{answer.stream, &log}, FreeStream);
    } else {
        response = MHD_create_response_from_buffer(static_cast<std::size_t>(answer.body.size()),
                                                   const_cast<char*>(answer.body.constData()),
                                                   MHD_RESPMEM_MUST_COPY);
        log.bytes = answer.body.size();
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

class MicroHttpServer final : public HttpServer {
  public:
    MicroHttpServer(const HttpLimits& limits, HttpHandler handler)
        : limits_(limits), handler_(std::move(handler)) {}
    ~MicroHttpServer() override {
        if (daemon_ != nullptr) {
            MHD_stop_daemon(daemon_);
        }
    }
    MicroHttpServer(const MicroHttpServer&) = delete;
    MicroHttpServer& operator=(const MicroHttpServer&) = delete;

    // Serves on a listening socket, which it closes when it stops.
    bool Listen(int socket, bool ipv6) {
        const unsigned flags = MHD_USE_THREAD_PER_CONNECTION | MHD_USE_INTERNAL_POLLING_THREAD |
                               (ipv6 ? static_cast<unsigned>(MHD_USE_IPv6) : 0U);
        daemon_ = MHD_start_daemon(
            flags, 0, nullptr, nullptr, &MicroHttpServer::Answer, this, MHD_OPTION_LISTEN_SOCKET,
            socket, MHD_OPTION_CONNECTION_MEMORY_LIMIT, limits_.requestBytes,
            MHD_OPTION_CONNECTION_TIMEOUT, limits_.readSeconds, MHD_OPTION_CONNECTION_LIMIT,
            limits_.connections, MHD_OPTION_NOTIFY_COMPLETED, &MicroHttpServer::Completed, this,
            MHD_OPTION_END);
        return daemon_ != nullptr;
    }

    [[nodiscard]] quint16 Port() const override {
        const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
        return info != nullptr ? info->port : 0;
    }

  private:
    static MHD_Result Answer(void* self, MHD_Connection* connection, const char* url,
                             const char* method, const char* /*version*/,
                             const char* /*uploadData*/, std::size_t* uploadSize, void** context) {
        auto& server = *static_cast<MicroHttpServer*>(self);
        if (*context == nullptr) {
            auto* log = new RequestLog;
            log->clock.start();
            log->method = method;
            log->path = url;
            *context = log;
            if (const auto refused = server.Refusal(connection, method)) {
                return Queue(connection, *log, *refused);
            }
            return MHD_YES;
        }
        auto& log = *static_cast<RequestLog*>(*context);
        if (*uploadSize > 0) {
            // A body the pages do not take is read and dropped, within its bound.
            *uploadSize = 0;
            return MHD_YES;
        }
        HttpRequest request{method, QString::fromUtf8(url), {}, {}};
        MHD_get_connection_values(connection, MHD_GET_ARGUMENT_KIND, Collect, &request.query);
        if (const char* languages = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                                MHD_HTTP_HEADER_ACCEPT_LANGUAGE)) {
            request.acceptLanguage = languages;
        }
        return Queue(connection, log, server.handler_(request));
    }

    // The answer to a request that the handler does not see.
    std::optional<HttpResponse> Refusal(MHD_Connection* connection, const char* method) const {
        if (std::strcmp(method, MHD_HTTP_METHOD_GET) != 0 &&
            std::strcmp(method, MHD_HTTP_METHOD_HEAD) != 0) {
            HttpResponse refused = Plain(MHD_HTTP_METHOD_NOT_ALLOWED, "Method Not Allowed\n");
            refused.headers.append(qMakePair(QByteArray("Allow"), QByteArray("GET, HEAD")));
            return refused;
        }
        int headers = 0;
        MHD_get_connection_values(connection, MHD_HEADER_KIND, CountHeader, &headers);
        if (headers > limits_.headers) {
            return Plain(MHD_HTTP_REQUEST_HEADER_FIELDS_TOO_LARGE,
                         "Request Header Fields Too Large\n");
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

    static void Completed(void* /*self*/, MHD_Connection* /*connection*/, void** context,
                          MHD_RequestTerminationCode /*code*/) {
        auto* log = static_cast<RequestLog*>(*context);
        if (log == nullptr) {
            return;
        }
        // The path alone: a query is the teacher's business.
        std::fprintf(stderr, "%s %s %d %lld %lldms\n", log->method.constData(),
                     log->path.constData(), log->status, static_cast<long long>(log->bytes),
                     static_cast<long long>(log->clock.elapsed()));
        delete log;
        *context = nullptr;
    }

    HttpLimits limits_;
    HttpHandler handler_;
    MHD_Daemon* daemon_ = nullptr;
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
