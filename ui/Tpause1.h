#pragma once

// The practice pauses: the window shows what was drawn, then the program waits
// while the screen keeps painting. Keys, clicks and close requests that arrive
// meanwhile are held back and delivered afterwards in the order they came, so
// the player can watch the deal without anything acting on it half-way, and the
// window never looks hung.

#include <functional>

class QWidget;

// Repaints window (when given), then waits ms milliseconds holding back input;
// runs the hook instead when one is set.
void PauseWindow(QWidget* window, int ms);

// The pause itself, whatever the hook: tests run it for a few milliseconds.
void RunPause(QWidget* window, int ms);

// Tests replace the pause so that nothing waits for real; empty restores it.
using TPauseHook = std::function<void(QWidget* window, int ms)>;
void SetPauseHook(TPauseHook hook);

// The held input is delivered once control is back in an event loop outside
// every pause. True while some input is waiting for that.
bool InputHeld();
