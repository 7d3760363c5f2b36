#include "serve/set_stream.h"

#include "render/class_set_output.h"

#include <QIODevice>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <tuple>
#include <utility>

namespace tallyworth {

namespace {

// So much of a PDF waits for its client before the drawing gives its turn back, until the
// client has taken half of it: a set never sits whole in memory, and a slow client holds no
// turn.
constexpr qint64 kWaitingBytes = qint64{256} * 1024;

// The bytes between the drawing thread and the connection's.
class SetPipe final : public QIODevice, public BodySource, public SetProgress {
  public:
    SetPipe(std::shared_ptr<DrawingGate> gate, DrawingTicket ticket,
            std::shared_ptr<ServiceMetrics> metrics)
        : gate_(std::move(gate)), ticket_(std::move(ticket)), metrics_(std::move(metrics)) {
        open(QIODevice::WriteOnly);
    }

    std::int64_t Read(char* buffer, std::int64_t size) override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !bytes_.isEmpty() || finished_ || closed_; });
        if (!bytes_.isEmpty()) {
            const qsizetype taken = std::min<qsizetype>(bytes_.size(), size);
            std::memcpy(buffer, bytes_.constData(), static_cast<std::size_t>(taken));
            bytes_.remove(0, taken);
            changed_.notify_all();
            return taken;
        }
        return succeeded_ && !closed_ ? 0 : -1;
    }

    void Close() override {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

    bool AwaitStart(const std::function<bool()>& clientGone) override {
        std::unique_lock lock(mutex_);
        // The client is looked at as often as a waiting set looks at its own.
        while (
            !changed_.wait_for(lock, std::chrono::milliseconds(200), [this] { return begun_; })) {
            if (clientGone()) {
                return false;
            }
        }
        return began_;
    }

    // On the drawing thread: the set's first turn.
    [[nodiscard]] bool FirstTurn() {
        turn_ = gate_->TakeTurn(ticket_, [this] { return Closed(); });
        started_ = std::chrono::steady_clock::now();
        const std::lock_guard lock(mutex_);
        begun_ = true;
        began_ = turn_;
        changed_.notify_all();
        return turn_;
    }

    // On the drawing thread: the set is made, or given up.
    void Finish(bool succeeded) {
        if (succeeded) {
            metrics_->CountSet(pages_, std::chrono::steady_clock::now() - started_);
        }
        if (turn_) {
            gate_->GiveTurn(ticket_);
        }
        gate_->Leave(ticket_);
        const std::lock_guard lock(mutex_);
        finished_ = true;
        succeeded_ = succeeded;
        changed_.notify_all();
    }

    void Start(int pages) override { pages_ = pages; }
    [[nodiscard]] bool Advance(int /*pagesDone*/) override {
        if (turn_ && gate_->Owed(ticket_)) {
            gate_->GiveTurn(ticket_);
            turn_ = gate_->TakeTurn(ticket_, [this] { return Closed(); });
        }
        return turn_ && !Closed();
    }

  protected:
    qint64 readData(char* /*data*/, qint64 /*size*/) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (!turn_ || !WaitForRoom()) {
            return -1;
        }
        const std::lock_guard lock(mutex_);
        if (closed_) {
            return -1;
        }
        bytes_.append(data, size);
        changed_.notify_all();
        return size;
    }

  private:
    [[nodiscard]] bool Closed() {
        const std::lock_guard lock(mutex_);
        return closed_;
    }

    // Waits, without a turn, while the client has yet to take what was drawn.
    [[nodiscard]] bool WaitForRoom() {
        {
            const std::lock_guard lock(mutex_);
            if (bytes_.size() < kWaitingBytes) {
                return true;
            }
        }
        gate_->GiveTurn(ticket_);
        turn_ = false;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return bytes_.size() < kWaitingBytes / 2 || closed_; });
        }
        turn_ = gate_->TakeTurn(ticket_, [this] { return Closed(); });
        return turn_;
    }

    std::shared_ptr<DrawingGate> gate_;
    const DrawingTicket ticket_;
    std::shared_ptr<ServiceMetrics> metrics_;
    // The drawing thread's alone.
    bool turn_ = false;
    int pages_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray bytes_;
    bool begun_ = false;  // the first turn was taken, or given up
    bool began_ = false;  // and it was taken
    bool finished_ = false;
    bool succeeded_ = false;
    bool closed_ = false;
};

}  // namespace

std::optional<DrawingTicket> DrawingGate::Enter(const QByteArray& client) {
    const std::lock_guard lock(mutex_);
    if (inside_ >= drawing_ + waiting_) {
        return std::nullopt;
    }
    ++inside_;
    ++clients_[client].inside;
    return DrawingTicket{client, ++asked_};
}

bool DrawingGate::TakeTurn(const DrawingTicket& ticket, const std::function<bool()>& stop) {
    std::unique_lock lock(mutex_);
    queue_.push_back(&ticket);
    // A waiting set looks now and then whether its client is still there.
    while (busy_ >= drawing_ || Next() != &ticket) {
        if (stop()) {
            std::erase(queue_, &ticket);
            turn_.notify_all();
            return false;
        }
        turn_.wait_for(lock, std::chrono::milliseconds(200));
    }
    std::erase(queue_, &ticket);
    ++busy_;
    Client& client = clients_[ticket.client];
    ++client.drawing;
    client.servedAt = ++turns_;
    turn_.notify_all();
    return true;
}

void DrawingGate::GiveTurn(const DrawingTicket& ticket) {
    const std::lock_guard lock(mutex_);
    --busy_;
    --clients_[ticket.client].drawing;
    turn_.notify_all();
}

bool DrawingGate::Owed(const DrawingTicket& ticket) {
    const std::lock_guard lock(mutex_);
    const int mine = Of(ticket.client).drawing;
    return std::ranges::any_of(queue_, [this, &ticket, mine](const DrawingTicket* waiting) {
        return waiting->client != ticket.client && Of(waiting->client).drawing < mine;
    });
}

void DrawingGate::Leave(const DrawingTicket& ticket) {
    const std::lock_guard lock(mutex_);
    --inside_;
    if (--clients_[ticket.client].inside == 0) {
        clients_.erase(ticket.client);
    }
    turn_.notify_all();
}

SetOccupancy DrawingGate::Occupied() {
    const std::lock_guard lock(mutex_);
    return {busy_, inside_ - busy_};
}

bool DrawingGate::HasRoom() {
    const std::lock_guard lock(mutex_);
    return inside_ < drawing_ + waiting_;
}

const DrawingGate::Client& DrawingGate::Of(const QByteArray& client) const {
    return clients_.at(client);
}

const DrawingTicket* DrawingGate::Next() const {
    return *std::ranges::min_element(queue_, {}, [this](const DrawingTicket* waiting) {
        const Client& client = Of(waiting->client);
        return std::tuple{client.drawing, client.servedAt, waiting->order};
    });
}

std::shared_ptr<BodySource> StreamClassSetPdf(const ClassSetRequest& request,
                                              const QPageSize& paper, SetLanguage language,
                                              std::shared_ptr<DrawingGate> gate,
                                              DrawingTicket ticket,
                                              std::shared_ptr<ServiceMetrics> metrics) {
    auto pipe = std::make_shared<SetPipe>(std::move(gate), std::move(ticket), std::move(metrics));
    std::thread([pipe, request, paper, language = std::move(language)] {
        bool made = false;
        if (pipe->FirstTurn()) {
            const SpeakingIn speaking(language.catalogue, language.territory);
            made = WriteClassSetPdfTo(*pipe, request, paper, *pipe).Succeeded();
        }
        pipe->Finish(made);
    }).detach();
    return pipe;
}

}  // namespace tallyworth
