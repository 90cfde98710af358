#include "core/Mjrandom1.h"

TMjRandom Random;

namespace {
TRandomSource* CurrentSource = nullptr;
}

TRandomSource& RandomSource() { return CurrentSource ? *CurrentSource : Random; }

void SetRandomSource(TRandomSource* source) { CurrentSource = source; }
