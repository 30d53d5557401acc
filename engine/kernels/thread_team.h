// A team of threads that a kernel runs one piece of work on at a time: the
// caller works as member 0, the others wait for the next piece asleep, so a
// run that has nothing to share out keeps no core busy.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace zav {

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

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable start_, finished_;
  Trampoline call_ = nullptr;
  const void* body_ = nullptr;
  unsigned long generation_ = 0;
  int running_ = 0;
  bool stopping_ = false;
};

// The matrix library (OpenBLAS) on its caller's thread alone: the engine
// calls it single-threaded, from its own team for large groups, and the
// library's idle threads, which it starts when loaded, wait for work
// actively and would keep cores busy for nothing. Stops them, unless the
// library already works on one thread; called at the start of a run and
// before the group solves.
void MATRIX_LIBRARY_ON_CALLER();

}  // namespace zav
