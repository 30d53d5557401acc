#include "kernels/thread_team.h"

#include <algorithm>

extern "C" {
int openblas_get_num_threads();
void openblas_set_num_threads(int n);
int blas_thread_shutdown_();
}

namespace zav {

void MATRIX_LIBRARY_ON_CALLER() {
  if (openblas_get_num_threads() == 1) return;
  openblas_set_num_threads(1);
  blas_thread_shutdown_();
}

ThreadTeam::ThreadTeam(int members) {
  if (members <= 0) members = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  workers_.reserve(static_cast<std::size_t>(members - 1));
  for (int m = 1; m < members; ++m) workers_.emplace_back([this, m] { work(m); });
}

ThreadTeam::~ThreadTeam() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  start_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void ThreadTeam::dispatch(Trampoline call, const void* body) {
  if (!workers_.empty()) {
    bool wake;
    {
      std::lock_guard lock(mutex_);
      call_ = call;
      body_ = body;
      running_.store(static_cast<int>(workers_.size()), std::memory_order_relaxed);
      generation_.fetch_add(1, std::memory_order_release);
      wake = sleeping_ > 0;
    }
    if (wake) start_.notify_all();
  }
  call(body, 0);
  if (workers_.empty()) return;
  const auto finished = [this] { return running_.load(std::memory_order_acquire) == 0; };
  if (LINGER(finished, kLinger)) return;
  std::unique_lock lock(mutex_);
  caller_sleeping_ = true;
  finished_.wait(lock, finished);
  caller_sleeping_ = false;
}

void ThreadTeam::work(int member) {
  unsigned long seen = 0;
  const auto started = [&] {
    return stopping_.load(std::memory_order_relaxed) || generation_.load(std::memory_order_acquire) != seen;
  };
  for (;;) {
    if (!LINGER(started, kLinger)) {
      std::unique_lock lock(mutex_);
      ++sleeping_;
      start_.wait(lock, started);
      --sleeping_;
    }
    if (stopping_) return;
    seen = generation_.load(std::memory_order_acquire);
    call_(body_, member);
    if (running_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
      std::lock_guard lock(mutex_);
      if (caller_sleeping_) finished_.notify_one();
    }
  }
}

}  // namespace zav
