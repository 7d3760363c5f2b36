#pragma once

#include <QByteArray>

#include <cstddef>

namespace tallyworth {

// What the first look at a connection's bytes found of its first request's head.
struct RequestHead {
    enum class Verdict {
        Incomplete,  // more is to come
        Readable,    // whole, and one the server library reads as it should
        Refused,     // answered with status and closed, before the library sees it
    };
    Verdict verdict = Verdict::Incomplete;
    int status = 0;
    QByteArray method;  // empty until read
    QByteArray path;    // as sent, without the query; as far as it came
};

// Reads the head at the start of bytes with http-parser, nothing after it: a head that is
// malformed, of an HTTP version other than 1.0 and 1.1, or not whole within bound bytes is
// refused.
[[nodiscard]] RequestHead CheckRequestHead(const QByteArray& bytes, std::size_t bound);

}  // namespace tallyworth
