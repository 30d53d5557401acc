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
    {
      std::lock_guard lock(mutex_);
      call_ = call;
      body_ = body;
      running_ = static_cast<int>(workers_.size());
      ++generation_;
    }
    start_.notify_all();
  }
  call(body, 0);
  if (workers_.empty()) return;
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [this] { return running_ == 0; });
}

void ThreadTeam::work(int member) {
  unsigned long seen = 0;
  for (;;) {
    Trampoline call;
    const void* body;
    {
      std::unique_lock lock(mutex_);
      start_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) return;
      seen = generation_;
      call = call_;
      body = body_;
    }
    call(body, member);
    bool last;
    {
      std::lock_guard lock(mutex_);
      last = --running_ == 0;
    }
    if (last) finished_.notify_one();
  }
}

}  // namespace zav
