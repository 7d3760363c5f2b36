#include "serve/request_head.h"

#include <http_parser.h>

#include <algorithm>

namespace tallyworth {

namespace {

constexpr int kBadRequest = 400;
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

}  // namespace tallyworth
