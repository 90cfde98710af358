// tilelab-hand: shanten and effective tiles of a hand written as 123m456p789s1122z.

#include <iostream>
#include <string>
#include <string_view>

#include "tools/hand/HandTool.h"

namespace {

constexpr const char* Usage =
    "使い方: tilelab-hand 手牌...\n"
    "        tilelab-hand --batch < 手牌の行\n"
    "\n"
    "手牌（13 枚か 14 枚、例 123m456p789s1122z3z）の向聴数と、14 枚なら打牌ごとの\n"
    "向聴数・受け入れ・残り枚数を、良い順に表示します。\n"
    "\n"
    "  --batch    標準入力の 1 行ごとに 1 行を出力する\n"
    "             13 枚: 向聴<TAB>受け入れ<TAB>枚数\n"
    "             14 枚: 向聴<TAB>打牌:向聴:受け入れ:枚数 ...（打牌は牌の順）\n"
    "             読めない行は error と出力し、理由を標準エラーに出す（終了コード 1）\n"
    "  --help     この説明\n"
    "  --version  版数\n";

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::cout << Usage;
    return 0;
  }
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "tilelab-hand " << TILELAB_VERSION << '\n';
    return 0;
  }
  if (argc == 2 && std::string_view(argv[1]) == "--batch") return handtool::RunBatch(std::cin, std::cout, std::cerr);
  if (argc < 2 || std::string_view(argv[1]).starts_with("--")) {
    std::cerr << Usage;
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::string error;
    const std::string table = handtool::Table(argv[i], error);
    if (table.empty()) {
      std::cerr << "tilelab-hand: " << argv[i] << ": " << error << '\n';
      status = 1;
      continue;
    }
    if (i > 1) std::cout << '\n';
    std::cout << table;
  }
  return status;
}
