#include "platform/graphics/PNGWriter.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

namespace fv {

namespace {

// Into a file beside the target, renamed over it once complete.
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) return false;
    const std::string partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            out.close();
            std::remove(partial.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(partial, path, ec);
    if (ec) std::remove(partial.c_str());
    return !ec;
}

}  // namespace

bool PNGWriter::writeNow(const UIImage& image, const std::string& path) {
    return writeFile(path, image.PNGRepresentation());
}

std::size_t PNGWriter::defaultWorkers() {
    const std::size_t cores = std::thread::hardware_concurrency();
    return std::clamp<std::size_t>(cores > 1 ? cores - 1 : 1, 1, 3);
}

PNGWriter::PNGWriter(std::size_t maxPending, std::size_t workers)
    : maxPending_(maxPending ? maxPending : 1), workerCount_(workers ? workers : 1) {}

PNGWriter::~PNGWriter() {
    {
        std::unique_lock lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (auto& worker : workers_) worker.join();
}

bool PNGWriter::write(UIImagePtr image, std::string path) {
    if (!image || image->isEmpty()) return false;
    std::unique_lock lock(mutex_);
    while (workers_.size() < workerCount_) workers_.emplace_back([this] { run(); });
    changed_.wait(lock, [&] { return jobs_.size() < maxPending_; });
    jobs_.push_back({std::move(image), std::move(path)});
    changed_.notify_all();
    return true;
}

std::vector<std::string> PNGWriter::finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return jobs_.empty() && busy_ == 0; });
    return std::exchange(failed_, {});
}

void PNGWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        ++busy_;
        changed_.notify_all();
        lock.unlock();
        const bool ok = writeNow(*job.image, job.path);
        job.image.reset();
        lock.lock();
        if (!ok) failed_.push_back(job.path);
        --busy_;
        changed_.notify_all();
    }
}

}  // namespace fv
