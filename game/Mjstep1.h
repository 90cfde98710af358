#pragma once

// One step of the practice flow (an opening, or a discard and the draw after
// it), written top to bottom as a coroutine: it runs until a pause, waits there
// while the program goes on, and continues when the pause is over. Nothing
// blocks and no event loop is nested.

#include <coroutine>
#include <exception>
#include <utility>

class TMjStep {
public:
  struct promise_type {
    std::exception_ptr Error;
    TMjStep get_return_object() { return TMjStep(Handle::from_promise(*this)); }
    // The owner starts the step, so that it is owned before any of it runs.
    std::suspend_always initial_suspend() noexcept { return {}; }
    std::suspend_always final_suspend() noexcept { return {}; }
    void return_void() noexcept {}
    void unhandled_exception() noexcept { Error = std::current_exception(); }
  };

  TMjStep() = default;
  TMjStep(TMjStep&& other) noexcept : Step(std::exchange(other.Step, {})) {}
  TMjStep& operator=(TMjStep&& other) noexcept {
    if (this != &other) {
      End();
      Step = std::exchange(other.Step, {});
    }
    return *this;
  }
  TMjStep(const TMjStep&) = delete;
  TMjStep& operator=(const TMjStep&) = delete;
  ~TMjStep() { End(); }

  // Started and not yet at its end: it waits in a pause.
  bool Running() const { return Step && !Step.done(); }

  // Runs the step on to its next pause or to its end. An error of the step ends
  // it and is thrown on from here.
  void Resume() {
    if (!Running()) return;
    Step.resume();
    if (!Step.done()) return;
    const std::exception_ptr error = Step.promise().Error;
    End();
    if (error) std::rethrow_exception(error);
  }

  // Ends the step where it stands: nothing more of it runs.
  void End() {
    if (Step) Step.destroy();
    Step = {};
  }

private:
  using Handle = std::coroutine_handle<promise_type>;
  explicit TMjStep(Handle step) : Step(step) {}
  Handle Step;
};
