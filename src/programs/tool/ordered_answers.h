#pragma once
// Batch work on every core: answers are computed on worker threads and printed as lines of
// standard output in the order the work was added, each as soon as it and every one before it
// are done. While the work runs longer than a few seconds and standard error is a terminal, a
// progress line there counts what is done.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quorvel::tool {

// Every core the machine reports (at least 1).
int allCores();

// Takes "--jobs N" out of the arguments: N worker threads, 1 to 256, or allCores() when absent.
// Nothing, after saying why on standard error, when N is not such a number.
std::optional<int> takeJobs(const std::string& command, std::vector<std::string>& args);

class OrderedAnswers {
  public:
    using Task = std::function<std::string()>;

    explicit OrderedAnswers(int jobs);
    ~OrderedAnswers();
    OrderedAnswers(const OrderedAnswers&) = delete;
    OrderedAnswers& operator=(const OrderedAnswers&) = delete;

    void add(Task task);
    // Waits for every task added and prints what is left; the progress line is cleared.
    void finish();

  private:
    void work();
    void printReady();  // with mutex_ held

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<std::size_t, Task>> queue_;
    std::vector<std::optional<std::string>> answers_;
    std::size_t printed_ = 0;
    bool closed_ = false;
    std::vector<std::thread> workers_;
    // Progress on standard error.
    bool terminal_ = false;
    std::chrono::steady_clock::time_point started_, shown_;
    bool progressShown_ = false;
};

}  // namespace quorvel::tool
