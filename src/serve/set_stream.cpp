#include "serve/set_stream.h"

#include "render/class_set_output.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <thread>
#include <utility>

namespace tallyworth {

namespace {

// So much of a PDF waits for its client before the drawing waits in turn: a set never
// sits whole in memory.
constexpr qint64 kWaitingBytes = qint64{256} * 1024;

// The bytes between the drawing thread and the connection's.
class SetPipe final : public QIODevice, public BodySource, public SetProgress {
  public:
    SetPipe() { open(QIODevice::WriteOnly); }

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

    void Finish(bool succeeded) {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        succeeded_ = succeeded;
        changed_.notify_all();
    }

    [[nodiscard]] bool Closed() {
        const std::lock_guard lock(mutex_);
        return closed_;
    }

    void Start(int /*pages*/) override {}
    [[nodiscard]] bool Advance(int /*pagesDone*/) override { return !Closed(); }

  protected:
    qint64 readData(char* /*data*/, qint64 /*size*/) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return bytes_.size() < kWaitingBytes || closed_; });
        if (closed_) {
            return -1;
        }
        bytes_.append(data, size);
        changed_.notify_all();
        return size;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray bytes_;
    bool finished_ = false;
    bool succeeded_ = false;
    bool closed_ = false;
};

}  // namespace

bool DrawingGate::Enter() {
    const std::lock_guard lock(mutex_);
    if (inside_ >= drawing_ + waiting_) {
        return false;
    }
    ++inside_;
    return true;
}

bool DrawingGate::StartDrawing(const std::function<bool()>& stop) {
    std::unique_lock lock(mutex_);
    // A waiting set looks now and then whether its client is still there.
    while (busy_ >= drawing_) {
        if (stop()) {
            return false;
        }
        turn_.wait_for(lock, std::chrono::milliseconds(200));
    }
    ++busy_;
    return true;
}

void DrawingGate::Leave(bool drew) {
    const std::lock_guard lock(mutex_);
    --inside_;
    if (drew) {
        --busy_;
    }
    turn_.notify_all();
}

std::shared_ptr<BodySource> StreamClassSetPdf(const ClassSetRequest& request,
                                              const QPageSize& paper,
                                              std::shared_ptr<const Catalogue> language,
                                              std::shared_ptr<DrawingGate> gate) {
    auto pipe = std::make_shared<SetPipe>();
    std::thread([pipe, request, paper, language = std::move(language), gate = std::move(gate)] {
        const bool drew = gate->StartDrawing([&pipe] { return pipe->Closed(); });
        bool made = false;
        if (drew) {
            const SpeakingIn speaking(language);
            made = WriteClassSetPdfTo(*pipe, request, paper, *pipe).Succeeded();
        }
        gate->Leave(drew);
        pipe->Finish(made);
    }).detach();
    return pipe;
}

}  // namespace tallyworth
