#include "analysis/Tdebug1.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

TDebug Debug;

void TDebug::Print(const char* format, ...) {
  if (!Sink) return;
  // A format without a conversion prints as itself; the analyser's lines never
  // hold one, so they go out without a trip through vsnprintf.
  if (std::strchr(format, '%') == nullptr) {
    Sink(std::string_view(format));
    return;
  }
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  if (Text.capacity() < 128) Text.reserve(128);
  Text.resize(Text.capacity());
  int n = std::vsnprintf(Text.data(), Text.size() + 1, format, args);
  if (n > static_cast<int>(Text.size())) {
    Text.resize(static_cast<std::size_t>(n));
    n = std::vsnprintf(Text.data(), Text.size() + 1, format, again);
  }
  va_end(again);
  va_end(args);
  Text.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
  Sink(std::string_view(Text));
}

TScopedDebugSink::TScopedDebugSink(TDebug::TSink sink, TDebug& debug)
    : Target(debug), Previous(debug.SetSink(std::move(sink))) {}

TScopedDebugSink::~TScopedDebugSink() { Target.SetSink(std::move(Previous)); }
