#include "core/Mjpai1.h"

static_assert(KindCode(0) == 1 && KindCode(8) == 9 && KindCode(9) == 11);
static_assert(KindCode(27) == 31 && KindCode(33) == 37);
static_assert(CodeSuit(35) == 3 && CodeNumber(35) == 4);
static_assert(CodeSuit(0) == -1 && CodeNumber(0) == -1);
