#include "serve/request_head.h"

#include "serve/http_server.h"

#include <http_parser.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace tallyworth {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kHeadTooLarge = 431;
constexpr int kVersionNotSupported = 505;

struct Reading {
    QByteArray target;
    bool whole = false;
};

int AddTarget(http_parser* parser, const char* at, std::size_t length) {
    static_cast<Reading*>(parser->data)->target.append(at, static_cast<qsizetype>(length));
    return 0;
}

// The head is in: the parser stops there, so that no body or next request is read.
int HeadWhole(http_parser* parser) {
    static_cast<Reading*>(parser->data)->whole = true;
    http_parser_pause(parser, 1);
    return 0;
}

// Milliseconds left until due, none below zero.
int MillisecondsUntil(Clock::time_point due) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

QByteArray AnswerText(int status, const QByteArray& body, bool bodySent) {
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + ' ' +
                      http_status_str(static_cast<http_status>(status)) +
                      "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n";
    for (const auto& [name, value] : SafetyHeaders()) {
        text += name + ": " + value + "\r\n";
    }
    return text + "\r\n" + (bodySent ? body : QByteArray());
}

// Sends a short answer and closes once the client has read it: what it still sends is read
// and dropped, within bounds, so that closing does not reset the answer away.
void AnswerAndClose(int socket, const QByteArray& answer) {
    (void)::send(socket, answer.constData(), static_cast<std::size_t>(answer.size()),
                 MSG_NOSIGNAL | MSG_DONTWAIT);
    ::shutdown(socket, SHUT_WR);
    constexpr std::size_t kDropBytes = std::size_t{1024} * 1024;
    const Clock::time_point due = Clock::now() + std::chrono::seconds(2);
    std::array<char, 16384> dropped{};
    std::size_t total = 0;
    pollfd wait{socket, POLLIN, 0};
    while (total<kDropBytes&& ::poll(&wait, 1, MillisecondsUntil(due))> 0) {
        const ssize_t read = ::recv(socket, dropped.data(), dropped.size(), MSG_DONTWAIT);
        if (read <= 0) {
            break;
        }
        total += static_cast<std::size_t>(read);
    }
    ::close(socket);
}

}  // namespace

RequestHead CheckRequestHead(const QByteArray& bytes, std::size_t bound) {
    http_parser_settings settings;
    http_parser_settings_init(&settings);
    settings.on_url = AddTarget;
    settings.on_headers_complete = HeadWhole;
    http_parser parser;
    http_parser_init(&parser, HTTP_REQUEST);
    Reading reading;
    parser.data = &reading;
    const std::size_t looked = std::min(static_cast<std::size_t>(bytes.size()), bound);
    http_parser_execute(&parser, &settings, bytes.constData(), looked);

    RequestHead head;
    if (!reading.target.isEmpty()) {
        head.method = http_method_str(static_cast<http_method>(parser.method));
        const qsizetype query = reading.target.indexOf('?');
        head.path = query < 0 ? reading.target : reading.target.left(query);
    }
    const auto fault = HTTP_PARSER_ERRNO(&parser);
    if (reading.whole) {
        const bool spoken = parser.http_major == 1 && parser.http_minor <= 1;
        head.verdict = spoken ? RequestHead::Verdict::Readable : RequestHead::Verdict::Refused;
        head.status = spoken ? 0 : kVersionNotSupported;
    } else if (fault != HPE_OK) {
        head.verdict = RequestHead::Verdict::Refused;
        head.status = fault == HPE_HEADER_OVERFLOW ? kHeadTooLarge : kBadRequest;
    } else if (looked >= bound) {
        head.verdict = RequestHead::Verdict::Refused;
        head.status = kHeadTooLarge;
    }
    return head;
}

RequestHead AwaitRequestHead(int socket, std::size_t bound, Clock::time_point due) {
    QByteArray bytes(static_cast<qsizetype>(bound), Qt::Uninitialized);
    RequestHead head;
    bool ended = false;
    for (;;) {
        const ssize_t seen = ::recv(socket, bytes.data(), bound, MSG_PEEK | MSG_DONTWAIT);
        if (seen == 0 || (seen < 0 && errno != EAGAIN && errno != EINTR)) {
            break;
        }
        head = CheckRequestHead(bytes.left(std::max<ssize_t>(seen, 0)), bound);
        if (head.verdict != RequestHead::Verdict::Incomplete || ended) {
            break;
        }
        // Woken when more than what was looked at has come, or the time is up.
        const int more = static_cast<int>(std::max<ssize_t>(seen, 0)) + 1;
        ::setsockopt(socket, SOL_SOCKET, SO_RCVLOWAT, &more, sizeof more);
        pollfd wait{socket, POLLIN | POLLRDHUP, 0};
        ended = ::poll(&wait, 1, MillisecondsUntil(due)) <= 0 ||
                (wait.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
    }
    head.late = head.verdict == RequestHead::Verdict::Incomplete && Clock::now() >= due;
    return head;
}

std::int64_t RefuseRequestHead(int socket, const RequestHead& head) {
    const QByteArray body =
        http_status_str(static_cast<http_status>(head.status)) + QByteArray("\n");
    const bool bodySent = head.method != "HEAD";
    AnswerAndClose(socket, AnswerText(head.status, body, bodySent));
    return bodySent ? body.size() : 0;
}

}  // namespace tallyworth
