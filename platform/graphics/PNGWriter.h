#pragma once
// Writes pictures as PNG files on worker threads, so that a run saving a picture per step does not
// wait for each to be encoded. At most `maxPending` pictures wait at a time and `workers` are being
// encoded (each holds a whole frame); queueing one more waits for room. A file appears whole or not
// at all.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/graphics/UIImage.h"

namespace fv {

class PNGWriter {
  public:
    // Up to three workers, leaving a core to the thread that draws the pictures.
    static std::size_t defaultWorkers();

    explicit PNGWriter(std::size_t maxPending = 1, std::size_t workers = defaultWorkers());
    // Finishes what is queued.
    ~PNGWriter();
    PNGWriter(const PNGWriter&) = delete;
    PNGWriter& operator=(const PNGWriter&) = delete;

    // Queues `image` to be written to `path`; false at once for none or the empty image.
    bool write(UIImagePtr image, std::string path);
    // Waits until everything queued is written; the paths that could not be, since the last call.
    std::vector<std::string> finish();

    // Encodes and writes at once, on the calling thread; false when the file could not be written.
    static bool writeNow(const UIImage& image, const std::string& path);

  private:
    struct Job {
        UIImagePtr image;
        std::string path;
    };
    void run();

    const std::size_t maxPending_;
    const std::size_t workerCount_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    std::size_t busy_ = 0;
    bool stopping_ = false;
    std::vector<std::string> failed_;
    std::vector<std::thread> workers_;
};

}  // namespace fv
