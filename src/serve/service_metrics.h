#pragma once

#include "serve/http_server.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace tallyworth {

// How many sets are being drawn and how many wait for their turn, as the gate sees them.
struct SetOccupancy {
    int drawing = 0;
    int waiting = 0;
};

// What a server has done since it started, for Prometheus: requests by route and status,
// bytes of body sent, sets and pages drawn and the time each set took. Routes are the
// service's own names, never a path or query as a client sent it, so nothing a teacher
// typed reaches the metrics. Safe to count from any thread.
class ServiceMetrics {
  public:
    // Counts the answer under route (RouteName); a streamed body's bytes are counted as
    // they go out.
    [[nodiscard]] HttpResponse Counted(const QByteArray& route, const QByteArray& method,
                                       HttpResponse response);
    // A set drawn whole: its pages and the time from its first turn to its last page.
    void CountSet(int pages, std::chrono::duration<double> drawing);
    void CountBytes(std::int64_t bytes);
    // The Prometheus text exposition, version 0.0.4.
    [[nodiscard]] QByteArray Exposition(const SetOccupancy& sets) const;

  private:
    // Upper bounds, in seconds, of the buckets of the set drawing time.
    static constexpr std::array<double, 10> kBounds{0.1, 0.25, 0.5, 1, 2.5, 5, 10, 25, 60, 120};

    mutable std::mutex mutex_;
    std::map<std::pair<QByteArray, int>, std::uint64_t> requests_;
    std::uint64_t bytes_ = 0;
    std::uint64_t sets_ = 0;
    std::uint64_t pages_ = 0;
    std::array<std::uint64_t, kBounds.size()> buckets_{};  // sets at or under each bound
    double drawingSeconds_ = 0;
};

// The name a path under the base path is counted under: one of the service's routes, or
// "other".
[[nodiscard]] QByteArray RouteName(const QString& path);

}  // namespace tallyworth
