// A team of threads that a kernel runs one piece of work on at a time: the
// caller works as member 0, the others wait for the next piece, awake for a
// moment and then asleep, so a run that has nothing to share out keeps no
// core busy.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace zav {

// Waits awake, for at most `limit`, until done() holds; returns done(). For
// a wait that is usually shorter than a sleeping thread takes to wake up.
// It yields the core between looks: a thread just woken is often placed on
// the waker's core, and would otherwise wait there for the waker to sleep.
template <class Done>
bool LINGER(const Done& done, std::chrono::microseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return done();
    std::this_thread::yield();
  }
  return true;
}

class ThreadTeam {
 public:
  // members counts the caller; 0 takes the machine's hardware threads.
  explicit ThreadTeam(int members = 0);
  ~ThreadTeam();
  ThreadTeam(const ThreadTeam&) = delete;
  ThreadTeam& operator=(const ThreadTeam&) = delete;

  int size() const { return static_cast<int>(workers_.size()) + 1; }

  // Calls body(member) once on every member, 0 on the calling thread, and
  // returns when all calls have returned. Allocates nothing.
  template <class Body>
  void run(const Body& body) {
    dispatch([](const void* b, int member) { (*static_cast<const Body*>(b))(member); }, &body);
  }

 private:
  using Trampoline = void (*)(const void*, int);
  void dispatch(Trampoline call, const void* body);
  void work(int member);

  // How long a member that has finished waits awake for the next piece, and
  // the caller for the others to finish: pieces of one frequency line follow
  // each other closer than that.
  static constexpr std::chrono::microseconds kLinger{200};

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable start_, finished_;
  // Set before generation_ is raised, read after it is seen raised.
  Trampoline call_ = nullptr;
  const void* body_ = nullptr;
  std::atomic<unsigned long> generation_{0};
  std::atomic<int> running_{0};
  std::atomic<bool> stopping_{false};
  // Under the mutex: who sleeps on a condition.
  int sleeping_ = 0;
  bool caller_sleeping_ = false;
};

// The matrix library (OpenBLAS) on its caller's thread alone: the engine
// calls it single-threaded, from its own team for large groups, and the
// library's idle threads, which it starts when loaded, wait for work
// actively and would keep cores busy for nothing. Stops them, unless the
// library already works on one thread; called at the start of a run and
// before the group solves.
void MATRIX_LIBRARY_ON_CALLER();

}  // namespace zav
