#pragma once

// The developer trace of the analyser. The platform has no debug output of its
// own, so every finished line goes to a replaceable sink; with none installed
// (the default) the trace is silent and costs nothing.

#include <functional>
#include <string>
#include <string_view>
#include <utility>

class TDebug {
public:
  using TSink = std::function<void(std::string_view)>;

  TDebug() = default;
  virtual ~TDebug() = default;
  TDebug(const TDebug&) = delete;
  TDebug& operator=(const TDebug&) = delete;

  // Formats like printf and hands the text to the sink as one line, without
  // a line terminator; an empty text is sent as the empty string.
  void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));

  // Installs the sink and gives back the one it replaces; an empty function
  // removes the sink.
  TSink SetSink(TSink sink) {
    Sink.swap(sink);
    return sink;
  }
  bool Listening() const { return static_cast<bool>(Sink); }

private:
  TSink Sink;
  std::string Text;   // kept between calls so that formatting does not allocate
};

// The one trace object of the program.
extern TDebug Debug;

// Installs a sink for the lifetime of the guard and restores the previous one.
class TScopedDebugSink {
public:
  explicit TScopedDebugSink(TDebug::TSink sink, TDebug& debug = Debug);
  ~TScopedDebugSink();
  TScopedDebugSink(const TScopedDebugSink&) = delete;
  TScopedDebugSink& operator=(const TScopedDebugSink&) = delete;

private:
  TDebug& Target;
  TDebug::TSink Previous;
};
