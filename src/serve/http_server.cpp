#include "serve/http_server.h"

#include "serve/listen_address.h"
#include "serve/request_head.h"

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
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
    return info != nullptr && info->client_addr != nullptr ? AddressText(info->client_addr)
                                                           : QByteArray();
}

// The path alone: a query is the teacher's business.
void Log(const QByteArray& method, const QByteArray& path, int status, std::int64_t bytes,
         std::int64_t milliseconds) {
    std::fprintf(stderr, "%s %s %d %lld %lldms\n", LogField(method).constData(),
                 LogField(path).constData(), status, static_cast<long long>(bytes),
                 static_cast<long long>(milliseconds));
}

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

// Whether the client has closed its side or reset the connection.
bool ClientGone(MHD_Connection* connection) {
    const MHD_ConnectionInfo* socket =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    pollfd watched{socket != nullptr ? socket->connect_fd : -1, POLLRDHUP, 0};
    return ::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

MHD_Result Queue(MHD_Connection* connection, RequestLog& log, const HttpResponse& answer) {
    const bool bodySent = log.method != MHD_HTTP_METHOD_HEAD;
    MHD_Response* response = nullptr;
    if (answer.stream &&
        !answer.stream->AwaitStart([connection] { return ClientGone(connection); })) {
        answer.stream->Close();
        return MHD_NO;
    }
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
    // One request a connection: the next one's head is read by us first, on a new one.
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
    // An answer's own header replaces the safe default of the same name.
    QList<QPair<QByteArray, QByteArray>> headers = SafetyHeaders();
    headers.removeIf([&answer](const auto& safe) {
        return std::ranges::any_of(answer.headers, [&safe](const auto& own) {
            return qstricmp(own.first.constData(), safe.first.constData()) == 0;
        });
    });
    for (const auto& [name, value] : headers + answer.headers) {
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
        Log({}, {}, static_cast<int>(va_arg(arguments, unsigned)), 0, 0);
    }
}

// The status the library answered with itself, 0 when it answered nothing.
int LibraryStatus(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_HTTP_STATUS);
    return info != nullptr ? static_cast<int>(info->http_status) : 0;
}

// A connection taken, not yet given to the library.
struct Pending {
    int socket = -1;
    sockaddr_storage address{};
    socklen_t addressSize = sizeof address;
    QByteArray client;
    QElapsedTimer clock;
};

class MicroHttpServer final : public HttpServer {
  public:
    MicroHttpServer(const HttpLimits& limits, HttpHandler handler)
        : limits_(limits), handler_(std::move(handler)) {}
    ~MicroHttpServer() override {
        StopAccepting();
        {
            // Connections still sending their heads are cut off.
            std::unique_lock lock(mutex_);
            stopping_ = true;
            for (const int socket : pendingSockets_) {
                ::shutdown(socket, SHUT_RDWR);
            }
            changed_.wait(lock, [this] { return pendingSockets_.empty() && looking_ == 0; });
        }
        if (daemon_ != nullptr) {
            MHD_stop_daemon(daemon_);
        }
        if (wake_ >= 0) {
            ::close(wake_);
        }
    }
    MicroHttpServer(const MicroHttpServer&) = delete;
    MicroHttpServer& operator=(const MicroHttpServer&) = delete;

    // Serves on a listening socket, which it closes when it stops. The library takes no
    // connection itself: each is given to it once its first request's head is in and reads
    // as it should, for the library answers a head it cannot read without our headers.
    bool Listen(int socket) {
        const unsigned flags = MHD_USE_THREAD_PER_CONNECTION | MHD_USE_INTERNAL_POLLING_THREAD |
                               MHD_USE_ERROR_LOG | MHD_USE_ITC | MHD_USE_NO_LISTEN_SOCKET;
        // The library's own bound on a head is well above ours, so that a head over ours
        // gets our answer, with our headers and a log line.
        const std::size_t libraryBytes = 4 * limits_.requestBytes;
        daemon_ = MHD_start_daemon(
            flags, 0, nullptr, nullptr, &MicroHttpServer::Answer, this,
            MHD_OPTION_CONNECTION_MEMORY_LIMIT, libraryBytes, MHD_OPTION_CONNECTION_TIMEOUT,
            limits_.silentSeconds, MHD_OPTION_CONNECTION_LIMIT, limits_.connections,
            MHD_OPTION_NOTIFY_CONNECTION, &MicroHttpServer::Connected, this,
            MHD_OPTION_URI_LOG_CALLBACK, &MicroHttpServer::RequestLine, this,
            MHD_OPTION_NOTIFY_COMPLETED, &MicroHttpServer::Completed, this,
            MHD_OPTION_EXTERNAL_LOGGER, &LibraryMessage, this, MHD_OPTION_END);
        wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        sockaddr_storage bound{};
        socklen_t size = sizeof bound;
        if (daemon_ == nullptr || wake_ < 0 ||
            ::getsockname(socket, reinterpret_cast<sockaddr*>(&bound), &size) != 0 ||
            ::fcntl(socket, F_SETFL, O_NONBLOCK) != 0) {
            return false;
        }
        port_ = ntohs(bound.ss_family == AF_INET6
                          ? reinterpret_cast<const sockaddr_in6*>(&bound)->sin6_port
                          : reinterpret_cast<const sockaddr_in*>(&bound)->sin_port);
        listening_ = socket;
        accepting_ = std::thread([this] { Accept(); });
        return true;
    }

    [[nodiscard]] quint16 Port() const override { return port_; }

    void Drain(std::chrono::milliseconds limit) override {
        StopAccepting();
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, limit, [this] { return answering_ == 0; });
    }

  private:
    void StopAccepting() {
        if (!accepting_.joinable()) {
            return;
        }
        const std::uint64_t one = 1;
        (void)::write(wake_, &one, sizeof one);
        accepting_.join();
        ::close(listening_);
    }

    void Accept() {
        std::array<pollfd, 2> waits{pollfd{listening_, POLLIN, 0}, pollfd{wake_, POLLIN, 0}};
        while (::poll(waits.data(), waits.size(), -1) >= 0 || errno == EINTR) {
            if ((waits[1].revents & POLLIN) != 0) {
                return;
            }
            if ((waits[0].revents & POLLIN) == 0) {
                continue;
            }
            auto pending = std::make_unique<Pending>();
            pending->socket = ::accept4(listening_, reinterpret_cast<sockaddr*>(&pending->address),
                                        &pending->addressSize, SOCK_CLOEXEC);
            if (pending->socket < 0) {
                continue;
            }
            pending->clock.start();
            pending->client = AddressText(reinterpret_cast<sockaddr*>(&pending->address));
            if (!Admit(*pending)) {
                ::close(pending->socket);
                continue;
            }
            std::thread([this, taken = std::move(pending)] { LookAtHead(*taken); }).detach();
        }
    }

    // Counts a connection against its address's share and all connections, unless it
    // would go over either; more are closed unanswered.
    bool Admit(const Pending& pending) {
        const std::lock_guard lock(mutex_);
        unsigned& fromClient = perClient_[pending.client];
        if (open_ >= limits_.connections ||
            (limits_.perClient != 0 && fromClient >= limits_.perClient)) {
            if (fromClient == 0) {
                perClient_.erase(pending.client);
            }
            return false;
        }
        ++fromClient;
        ++open_;
        ++looking_;
        pendingSockets_.insert(pending.socket);
        return true;
    }

    void Release(const QByteArray& client) {
        const std::lock_guard lock(mutex_);
        ReleaseLocked(client);
    }

    void ReleaseLocked(const QByteArray& client) {
        const auto counted = perClient_.find(client);
        if (counted == perClient_.end()) {
            return;
        }
        --open_;
        if (--counted->second == 0) {
            perClient_.erase(counted);
        }
    }

    // Waits, bounded in bytes and time, for the first request's head; then answers it or
    // gives the connection to the library.
    void LookAtHead(Pending& pending) {
        const RequestHead head = AwaitRequestHead(pending.socket, 2 * limits_.requestBytes,
                                                  Clock::now() + limits_.headTime);
        Settle(pending, head);
        const std::lock_guard lock(mutex_);
        --looking_;
        changed_.notify_all();
    }

    void Settle(Pending& pending, const RequestHead& head) {
        {
            const std::lock_guard lock(mutex_);
            pendingSockets_.erase(pending.socket);
            if (stopping_) {
                ::close(pending.socket);
                pending.socket = -1;
            }
        }
        if (pending.socket < 0) {
            Release(pending.client);
        } else if (head.verdict == RequestHead::Verdict::Readable) {
            HandOver(pending);
        } else if (head.verdict == RequestHead::Verdict::Refused) {
            const std::int64_t bytes = RefuseRequestHead(pending.socket, head);
            Log(head.method, head.path, head.status, bytes, pending.clock.elapsed());
            Release(pending.client);
        } else {
            // Late, or ended before its head was whole: closed with nothing sent. A late
            // head is logged once its request line has begun.
            ::close(pending.socket);
            if (head.late && !head.method.isEmpty()) {
                Log(head.method, head.path, kRequestTimeout, 0, pending.clock.elapsed());
            }
            Release(pending.client);
        }
    }

    // Gives the connection to the library, which counts it until it tells it closed.
    void HandOver(Pending& pending) {
        const int one = 1;
        ::setsockopt(pending.socket, SOL_SOCKET, SO_RCVLOWAT, &one, sizeof one);
        {
            const std::lock_guard lock(mutex_);
            handing_[pending.socket] = pending.client;
        }
        if (MHD_add_connection(daemon_, pending.socket,
                               reinterpret_cast<sockaddr*>(&pending.address),
                               pending.addressSize) == MHD_YES) {
            return;
        }
        // The library closed the socket; unless it had begun to keep the connection, which
        // it then tells closed, the connection is no longer counted.
        const std::lock_guard lock(mutex_);
        if (handing_.erase(pending.socket) != 0) {
            ReleaseLocked(pending.client);
        }
    }

    static void Connected(void* self, MHD_Connection* connection, void** socketContext,
                          MHD_ConnectionNotificationCode code) {
        auto& server = *static_cast<MicroHttpServer*>(self);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            const MHD_ConnectionInfo* socket =
                MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
            const std::lock_guard lock(server.mutex_);
            const auto handed = server.handing_.find(socket != nullptr ? socket->connect_fd : -1);
            if (handed != server.handing_.end()) {
                *socketContext = new QByteArray(handed->second);
                server.handing_.erase(handed);
            }
            return;
        }
        auto* client = static_cast<QByteArray*>(*socketContext);
        if (client != nullptr) {
            server.Release(*client);
            delete client;
            *socketContext = nullptr;
        }
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
            {
                const std::lock_guard lock(server.mutex_);
                ++server.answering_;
            }
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
        HttpRequest request{method, QString::fromUtf8(url), {}, {}, ClientAddress(connection), {}};
        MHD_get_connection_values(connection, MHD_GET_ARGUMENT_KIND, Collect, &request.query);
        if (const char* languages = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                                MHD_HTTP_HEADER_ACCEPT_LANGUAGE)) {
            request.acceptLanguage = languages;
        }
        if (const char* tags = MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                                           MHD_HTTP_HEADER_IF_NONE_MATCH)) {
            request.ifNoneMatch = tags;
        }
        return Queue(connection, log, server.handler_(request));
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
        if (!log->method.isEmpty()) {
            const std::lock_guard lock(server.mutex_);
            --server.answering_;
        }
        server.changed_.notify_all();
        Log(log->method, log->path, log->status != 0 ? log->status : LibraryStatus(connection),
            log->bytes, log->clock.elapsed());
        delete log;
        *context = nullptr;
        requestLineRead = false;
    }

    HttpLimits limits_;
    HttpHandler handler_;
    MHD_Daemon* daemon_ = nullptr;
    int listening_ = -1;
    int wake_ = -1;
    quint16 port_ = 0;
    std::thread accepting_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<QByteArray, unsigned> perClient_;  // connections open from each address
    unsigned open_ = 0;
    std::set<int> pendingSockets_;       // those whose heads are still looked at
    std::map<int, QByteArray> handing_;  // given to the library, not yet kept by it
    int looking_ = 0;
    int answering_ = 0;
    bool stopping_ = false;
};

}  // namespace

QList<QPair<QByteArray, QByteArray>> SafetyHeaders() {
    return {{"Content-Security-Policy",
             "default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self' blob:; "
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
    if (!server->Listen(socket)) {
        error = ListenFailure(address, errno);
        ::close(socket);
        return nullptr;
    }
    return server;
}

}  // namespace tallyworth
