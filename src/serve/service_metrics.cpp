#include "serve/service_metrics.h"

#include <algorithm>
#include <utility>

namespace tallyworth {

namespace {

// A streamed body that counts its bytes as the connection takes them.
class CountedBody final : public BodySource {
  public:
    CountedBody(std::shared_ptr<BodySource> body, ServiceMetrics& metrics)
        : body_(std::move(body)), metrics_(metrics) {}

    std::int64_t Read(char* buffer, std::int64_t size) override {
        const std::int64_t read = body_->Read(buffer, size);
        if (read > 0) {
            metrics_.CountBytes(read);
        }
        return read;
    }

    void Close() override { body_->Close(); }
    bool AwaitStart(const std::function<bool()>& clientGone) override {
        return body_->AwaitStart(clientGone);
    }

  private:
    std::shared_ptr<BodySource> body_;
    ServiceMetrics& metrics_;
};

QByteArray Number(double value) {
    return QByteArray::number(value, 'g', 12);
}

QByteArray Described(const char* name, const char* type, const char* help) {
    return QByteArray("# HELP ") + name + ' ' + help + "\n# TYPE " + name + ' ' + type + '\n';
}

}  // namespace

QByteArray RouteName(const QString& path) {
    static constexpr std::array<const char16_t*, 14> kRoutes{
        u"/",         u"/worksheets.pdf", u"/worksheets.html", u"/count",      u"/health",
        u"/ready",    u"/metrics",        u"/favicon.ico",     u"/page.js",    u"/page.css",
        u"/practice", u"/practice.js",    u"/practice.css",    u"/preview.png"};
    const bool known = std::ranges::any_of(
        kRoutes, [&path](const char16_t* route) { return path == QStringView(route); });
    return known ? path.toLatin1() : QByteArray("other");
}

HttpResponse ServiceMetrics::Counted(const QByteArray& route, const QByteArray& method,
                                     HttpResponse response) {
    const bool head = method == "HEAD";
    {
        const std::lock_guard lock(mutex_);
        ++requests_[{route, response.status}];
        if (!head && !response.stream) {
            bytes_ += static_cast<std::uint64_t>(response.body.size());
        }
    }
    if (!head && response.stream) {
        response.stream = std::make_shared<CountedBody>(std::move(response.stream), *this);
    }
    return response;
}

void ServiceMetrics::CountSet(int pages, std::chrono::duration<double> drawing) {
    const std::lock_guard lock(mutex_);
    ++sets_;
    pages_ += static_cast<std::uint64_t>(std::max(pages, 0));
    drawingSeconds_ += drawing.count();
    for (std::size_t bound = 0; bound < kBounds.size(); ++bound) {
        if (drawing.count() <= kBounds.at(bound)) {
            ++buckets_.at(bound);
        }
    }
}

void ServiceMetrics::CountBytes(std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    bytes_ += static_cast<std::uint64_t>(bytes);
}

QByteArray ServiceMetrics::Exposition(const SetOccupancy& sets) const {
    const std::lock_guard lock(mutex_);
    QByteArray text = Described("tallyworth_http_requests_total", "counter",
                                "Requests answered, by route and status.");
    for (const auto& [key, count] : requests_) {
        text += "tallyworth_http_requests_total{route=\"" + key.first + "\",status=\"" +
                QByteArray::number(key.second) + "\"} " + QByteArray::number(count) + '\n';
    }
    text += Described("tallyworth_http_response_bytes_total", "counter",
                      "Bytes of response bodies sent.") +
            "tallyworth_http_response_bytes_total " + QByteArray::number(bytes_) + '\n';
    text += Described("tallyworth_sets_drawn_total", "counter", "Class sets drawn whole.") +
            "tallyworth_sets_drawn_total " + QByteArray::number(sets_) + '\n';
    text += Described("tallyworth_pages_drawn_total", "counter",
                      "Pages of the class sets drawn whole.") +
            "tallyworth_pages_drawn_total " + QByteArray::number(pages_) + '\n';
    text += Described("tallyworth_sets_drawing", "gauge", "Class sets being drawn now.") +
            "tallyworth_sets_drawing " + QByteArray::number(sets.drawing) + '\n';
    text += Described("tallyworth_sets_queued", "gauge",
                      "Class sets taken and waiting for their turn to be drawn.") +
            "tallyworth_sets_queued " + QByteArray::number(sets.waiting) + '\n';
    text += Described("tallyworth_set_drawing_seconds", "histogram",
                      "Time from a class set's first turn to its last page.");
    for (std::size_t bound = 0; bound < kBounds.size(); ++bound) {
        text += "tallyworth_set_drawing_seconds_bucket{le=\"" + Number(kBounds.at(bound)) + "\"} " +
                QByteArray::number(buckets_.at(bound)) + '\n';
    }
    text += "tallyworth_set_drawing_seconds_bucket{le=\"+Inf\"} " + QByteArray::number(sets_) +
            "\ntallyworth_set_drawing_seconds_sum " + Number(drawingSeconds_) +
            "\ntallyworth_set_drawing_seconds_count " + QByteArray::number(sets_) + '\n';
    return text;
}

}  // namespace tallyworth
