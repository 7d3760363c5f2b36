#pragma once

#include <QByteArray>

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace tallyworth {

// What the first look at a connection's bytes found of its first request's head.
struct RequestHead {
    enum class Verdict {
        Incomplete,  // more is to come, or came too late, or the client stopped sending
        Readable,    // whole, and one the server library reads as it should
        Refused,     // answered with status and closed, before the library sees it
    };
    Verdict verdict = Verdict::Incomplete;
    int status = 0;
    QByteArray method;  // empty until read
    QByteArray path;    // as sent, without the query; as far as it came
    bool late = false;  // incomplete when its time was up
};

// Reads the head at the start of bytes with http-parser, nothing after it: a head that is
// malformed, of an HTTP version other than 1.0 and 1.1, or not whole within bound bytes is
// refused.
[[nodiscard]] RequestHead CheckRequestHead(const QByteArray& bytes, std::size_t bound);

// Waits, until due, for the head at the start of what socket has received to be readable
// or refused, looking at it without taking anything from the socket.
[[nodiscard]] RequestHead AwaitRequestHead(int socket, std::size_t bound,
                                           std::chrono::steady_clock::time_point due);

// Answers a refused head with its status, in plain text with the headers of every answer,
// and closes socket once the client has the answer; the bytes of body sent.
std::int64_t RefuseRequestHead(int socket, const RequestHead& head);

}  // namespace tallyworth
