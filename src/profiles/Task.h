#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

// A command that may wait for the user's answer without holding up anything
// else: it runs at once, up to the first question not answered at once, and
// goes on when the answer comes. Another task can co_await it and take its
// result; a task whose caller does not wait for it runs to its end on its
// own. A task whose question is never answered (its window went) stays
// where it is.
//
// A co_await stands alone, as a statement, an initializer or the value of a
// co_return: in the condition of an if, switch or loop GCC 12 destroys the
// awaited object twice.
template <typename T = void>
class Task;

namespace task_detail {

struct PromiseBase {
  std::coroutine_handle<> awaiting;
  bool onItsOwn = false;

  struct Ending {
    bool await_ready() const noexcept { return false; }
    template <typename Promise>
    std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> done) const noexcept {
      PromiseBase& promise = done.promise();
      if (promise.awaiting) return promise.awaiting;
      if (promise.onItsOwn) done.destroy();
      return std::noop_coroutine();
    }
    void await_resume() const noexcept {}
  };

  std::suspend_never initial_suspend() const noexcept { return {}; }
  Ending final_suspend() const noexcept { return {}; }
  void unhandled_exception() const noexcept { std::terminate(); }
};

template <typename T>
struct Promise : PromiseBase {
  std::optional<T> value;
  Task<T> get_return_object();
  void return_value(T result) { value = std::move(result); }
  T Take() { return std::move(*value); }
};

template <>
struct Promise<void> : PromiseBase {
  Task<void> get_return_object();
  void return_void() const noexcept {}
  void Take() const noexcept {}
};

}  // namespace task_detail

template <typename T>
class Task {
 public:
  using promise_type = task_detail::Promise<T>;

  Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
  Task& operator=(Task&&) = delete;
  ~Task() {
    if (!handle_) return;
    if (handle_.done()) {
      handle_.destroy();
    } else {
      handle_.promise().onItsOwn = true;
    }
  }

  // Whether the task has ended, and its result once it has.
  bool Done() const { return handle_.done(); }
  T Result() { return handle_.promise().Take(); }

  bool await_ready() const noexcept { return handle_.done(); }
  void await_suspend(std::coroutine_handle<> awaiting) noexcept {
    handle_.promise().awaiting = awaiting;
  }
  T await_resume() { return handle_.promise().Take(); }

 private:
  friend promise_type;
  explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}

  std::coroutine_handle<promise_type> handle_;
};

namespace task_detail {

template <typename T>
Task<T> Promise<T>::get_return_object() {
  return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}

inline Task<void> Promise<void>::get_return_object() {
  return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}

}  // namespace task_detail

// An answer that comes through a callback: co_await Answer<T>(start) calls
// start with the callback and goes on with the value it is given, at once
// when it is given at once.
template <typename T>
class Answer {
 public:
  using Start = std::function<void(std::function<void(T)>)>;
  explicit Answer(Start start) : start_(std::move(start)) {}

  bool await_ready() const noexcept { return false; }
  bool await_suspend(std::coroutine_handle<> waiting) {
    std::shared_ptr<State> state = state_;
    start_([state](T value) {
      state->value = std::move(value);
      if (state->waiting) std::exchange(state->waiting, {}).resume();
    });
    if (state_->value) return false;
    state_->waiting = waiting;
    return true;
  }
  T await_resume() { return std::move(*state_->value); }

 private:
  struct State {
    std::optional<T> value;
    std::coroutine_handle<> waiting;
  };
  Start start_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
};
