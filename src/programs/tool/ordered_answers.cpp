#include "programs/tool/ordered_answers.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "programs/tool/puzzle_input.h"

namespace quorvel::tool {

namespace {

using Clock = std::chrono::steady_clock;

// Work shorter than this shows no progress line; the line is redrawn at most this often after.
constexpr auto kQuietTime = std::chrono::seconds(2);
constexpr auto kRedraw = std::chrono::milliseconds(250);

}  // namespace

int allCores() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

std::optional<int> takeJobs(const std::string& command, std::vector<std::string>& args) {
    int jobs = allCores();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--jobs") continue;
        const std::string value = i + 1 < args.size() ? args[i + 1] : "";
        if (value.empty() || value.size() > 3 ||
            value.find_first_not_of("0123456789") != std::string::npos || std::stoi(value) < 1 ||
            std::stoi(value) > 256) {
            failCommand(command, "--jobs takes a whole number from 1 to 256");
            return std::nullopt;
        }
        jobs = std::stoi(value);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return jobs;
}

OrderedAnswers::OrderedAnswers(int jobs)
    : terminal_(isatty(STDERR_FILENO) == 1), started_(Clock::now()) {
    for (int i = 0; i < jobs; ++i)
        workers_.emplace_back([this] { work(); });
}

OrderedAnswers::~OrderedAnswers() {
    finish();
}

void OrderedAnswers::add(Task task) {
    {
        const std::lock_guard lock(mutex_);
        queue_.emplace_back(answers_.size(), std::move(task));
        answers_.emplace_back();
    }
    wake_.notify_one();
}

void OrderedAnswers::finish() {
    {
        const std::lock_guard lock(mutex_);
        if (closed_) return;
        closed_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
    if (progressShown_) std::cerr << "\r\033[K" << std::flush;
}

void OrderedAnswers::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return closed_ || !queue_.empty(); });
        if (queue_.empty()) return;
        auto [index, task] = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        std::string answer = task();
        lock.lock();
        answers_[index] = std::move(answer);
        printReady();
    }
}

void OrderedAnswers::printReady() {
    const std::size_t before = printed_;
    for (; printed_ < answers_.size() && answers_[printed_]; ++printed_) {
        std::cout << *answers_[printed_] << "\n";
        answers_[printed_].reset();
    }
    if (printed_ == before) return;
    std::cout << std::flush;
    const auto now = Clock::now();
    if (!terminal_ || now - started_ < kQuietTime || now - shown_ < kRedraw) return;
    shown_ = now;
    progressShown_ = true;
    std::cerr << "\r" << printed_ << " of " << answers_.size() << " done" << std::flush;
}

}  // namespace quorvel::tool
