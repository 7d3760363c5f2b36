#pragma once

#include "core/class_set.h"
#include "core/translations.h"
#include "serve/http_server.h"
#include "serve/service_metrics.h"

#include <QByteArray>
#include <QPageSize>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace tallyworth {

// A set's place among those drawing or waiting.
struct DrawingTicket {
    QByteArray client;
    std::uint64_t order = 0;  // first asked, first drawn among a client's sets
};

// How many sets are drawn at once, and how many more may wait for their turn. A free turn
// goes to the waiting set of the client with the fewest sets drawing, then of the client
// served longest ago, then the first asked, so that one client's many sets never starve
// another's one.
class DrawingGate {
  public:
    DrawingGate(int drawing, int waiting) : drawing_(drawing), waiting_(waiting) {}
    // A place among those drawing or waiting; nothing when every place is taken.
    [[nodiscard]] std::optional<DrawingTicket> Enter(const QByteArray& client);
    // Waits for a turn to draw; false when stop says the set is no longer wanted.
    [[nodiscard]] bool TakeTurn(const DrawingTicket& ticket, const std::function<bool()>& stop);
    void GiveTurn(const DrawingTicket& ticket);
    // Whether a set of a client with fewer sets drawing waits: the turn is owed to it.
    [[nodiscard]] bool Owed(const DrawingTicket& ticket);
    void Leave(const DrawingTicket& ticket);
    [[nodiscard]] SetOccupancy Occupied();
    // Whether a set asked for now would be taken (a place to draw or to wait is free).
    [[nodiscard]] bool HasRoom();

  private:
    struct Client {
        int inside = 0;
        int drawing = 0;
        std::uint64_t servedAt = 0;  // the turn it last took
    };

    [[nodiscard]] const Client& Of(const QByteArray& client) const;
    [[nodiscard]] const DrawingTicket* Next() const;

    std::mutex mutex_;
    std::condition_variable turn_;
    int drawing_;
    int waiting_;
    int inside_ = 0;
    int busy_ = 0;
    std::uint64_t asked_ = 0;
    std::uint64_t turns_ = 0;
    std::map<QByteArray, Client> clients_;
    std::vector<const DrawingTicket*> queue_;
};

// The catalogue a set is drawn in, and the country its written methods follow.
struct SetLanguage {
    std::shared_ptr<const Catalogue> catalogue;
    QLocale::Territory territory = QLocale::AnyTerritory;
};

// Starts drawing the set as a PDF on its own thread, in the turns the gate gives it, and
// gives the bytes as they are written, its words and signs in language. The set gives its
// turn back while its client has yet to take a buffer's worth, and at a page's end when the
// turn is owed elsewhere; a client that goes away stops it at its next page. The ticket is
// the gate's, which the drawing leaves. A set drawn whole is counted in metrics.
[[nodiscard]] std::shared_ptr<BodySource> StreamClassSetPdf(
    const ClassSetRequest& request, const QPageSize& paper, SetLanguage language,
    std::shared_ptr<DrawingGate> gate, DrawingTicket ticket,
    std::shared_ptr<ServiceMetrics> metrics);

}  // namespace tallyworth
