#pragma once

#include "core/class_set.h"
#include "core/translations.h"
#include "serve/http_server.h"

#include <QPageSize>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace tallyworth {

// How many sets are drawn at once, and how many more may wait for their turn.
class DrawingGate {
  public:
    DrawingGate(int drawing, int waiting) : drawing_(drawing), waiting_(waiting) {}
    // A place among those drawing or waiting; false when every place is taken.
    [[nodiscard]] bool Enter();
    // Waits for a turn to draw; false when stop says the set is no longer wanted.
    [[nodiscard]] bool StartDrawing(const std::function<bool()>& stop);
    void Leave(bool drew);

  private:
    std::mutex mutex_;
    std::condition_variable turn_;
    int drawing_;
    int waiting_;
    int inside_ = 0;
    int busy_ = 0;
};

// Starts drawing the set as a PDF on its own thread, once the gate lets it, and gives the
// bytes as they are written, its words and signs in language; a client that goes away
// stops it at its next page. The caller has entered the gate, which the drawing leaves.
[[nodiscard]] std::shared_ptr<BodySource> StreamClassSetPdf(
    const ClassSetRequest& request, const QPageSize& paper,
    std::shared_ptr<const Catalogue> language, std::shared_ptr<DrawingGate> gate);

}  // namespace tallyworth
