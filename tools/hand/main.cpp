// tilelab-hand: shanten and effective tiles of a hand written as 123m456p789s1122z,
// and the value of a win, or the chances to be ready and to win by the last draw.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/hand/HandTool.h"

namespace {

constexpr const char* Usage =
    "使い方: tilelab-hand [--prob [--draws N] [--one-suit] [--seen 牌] [--extra N] [--value [--seat 風] [--round 風]]] "
    "手牌...\n"
    "        tilelab-hand --batch [--prob ...] < 手牌の行\n"
    "        tilelab-hand --score 手牌 --win 和了牌 [--seat 風] [--round 風] [--first]\n"
    "        tilelab-hand --batch --score < 和了の行\n"
    "\n"
    "手牌（13 枚か 14 枚、例 123m456p789s1122z3z）の向聴数と、14 枚なら打牌ごとの\n"
    "向聴数・受け入れ・残り枚数を、良い順に表示します。\n"
    "手牌の後に語を書けます（一行の形）: draws=N（残りツモ） seen=牌（見えた牌、山から除く）\n"
    "one-suit（萬子だけの山） seat=風 round=風（e s w n）。例 '123m456p789s1122z3z draws=9 seen=19m'\n"
    "牌の書き方: 組の間の空白、0 は赤五（5 として読む）、全角の数字と文字、字牌は E S W N P F C\n"
    "（東 南 西 北 白 發 中）でも書けます。行の語は --draws と --one-suit より優先します。\n"
    "\n"
    "  --batch    標準入力の 1 行ごとに 1 行を出力する\n"
    "             13 枚: 向聴<TAB>受け入れ<TAB>枚数\n"
    "             14 枚: 向聴<TAB>打牌:向聴:受け入れ:枚数 ...（打牌は牌の順）\n"
    "             読めない行は error と出力し、理由を標準エラーに出す（終了コード 1）\n"
    "  --score    ツモ和了の役・翻・符・点数（門前、WRC ルール）\n"
    "             手牌はツモ前の 13 枚か和了牌を含む 14 枚\n"
    "    --win    和了牌（例 2z）\n"
    "    --seat   自風 e s w n（東 南 西 北、既定 e = 親）\n"
    "    --round  場風 e s w n（既定 e）\n"
    "    --first  第一ツモでの和了（親は天和、子は地和）\n"
    "  --batch --score  1 行に 手牌 和了牌 [自風 場風] [first]、出力は\n"
    "             点数<TAB>翻<TAB>符<TAB>満貫など<TAB>支払い<TAB>役:翻 ...\n"
    "  --prob     向聴数・受け入れの代わりに、最後のツモまでに聴牌する確率（聴牌率）と\n"
    "             和了する確率（和了率）を打牌ごとに出す（一人で引くだけ、見えない牌は\n"
    "             どれも同じ確からしさ、手替わり・向聴戻しは --extra の回数まで）\n"
    "             --batch と: 13 枚: 向聴<TAB>聴牌率<TAB>和了率\n"
    "                         14 枚: 向聴<TAB>打牌:向聴:聴牌率:和了率 ...（牌の順、小数 4 桁、\n"
    "                         向聴数が上がる打牌は 打牌:向聴:-:-）\n"
    "  --draws N  残りツモの回数 0〜18（既定 17: 1 巡目の打牌）\n"
    "  --one-suit 山が萬子 36 枚だけ（清一色の練習）\n"
    "  --seen 牌  自分の捨て牌（例 3z5m）: 見えない牌から除く\n"
    "  --extra N  最短の手順を外れる寄り道の幅 0〜2：最初の手より多く持つ牌の数と向聴数の和が\n"
    "             最初の向聴数 + N より小さいあいだは、どの牌を引いても捨ててもよい（手替わり・向聴戻し）\n"
    "             指定すればどの向聴でもその幅で計算する（遠い手は時間とメモリがかかり、収まらなければ\n"
    "             その行は error）。省略すると窓の既定（0）と同じ規則：1 は 3 向聴まで、2 は 2 向聴までで、\n"
    "             それより遠い手は幅を下げる\n"
    "  --value    点数の期待値も出す（--prob を含む、--batch では各欄の最後に小数 1 桁）\n"
    "    --seat --round  その和了の自風・場風（既定 e）\n"
    "  --help     この説明\n"
    "  --version  版数\n";

// The arguments after --score: the hand and the options, in any order.
int Score(const std::vector<std::string_view>& args) {
  std::string_view hand;
  std::string_view tile;
  handtool::TWin win;
  std::string error;
  bool ok = true;
  for (std::size_t i = 0; i < args.size() && ok; ++i) {
    const std::string_view arg = args[i];
    const bool valued = arg == "--win" || arg == "--seat" || arg == "--round";
    if (valued && i + 1 == args.size()) {
      error = std::string(arg) + " の後に値がありません";
      ok = false;
    } else if (arg == "--win") {
      tile = args[++i];
    } else if (arg == "--seat") {
      ok = handtool::ReadWind(args[++i], win.Situation.SeatWind, error);
    } else if (arg == "--round") {
      ok = handtool::ReadWind(args[++i], win.Situation.RoundWind, error);
    } else if (arg == "--first") {
      win.Situation.FirstDraw = true;
    } else if (arg.starts_with("--") || !hand.empty()) {
      error = "「" + std::string(arg) + "」は使えません";
      ok = false;
    } else {
      hand = arg;
    }
  }
  if (ok && (hand.empty() || tile.empty())) {
    error = hand.empty() ? "手牌がありません" : "--win で和了牌を指定してください";
    ok = false;
  }
  if (!ok) {
    std::cerr << "tilelab-hand: " << error << "\n\n" << Usage;
    return 2;
  }
  std::string table;
  if (handtool::ReadWin(hand, tile, win, error)) table = handtool::ScoreTable(win, error);
  if (table.empty()) {
    std::cerr << "tilelab-hand: " << hand << ": " << error << '\n';
    return 1;
  }
  std::cout << table;
  return 0;
}

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
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (argc == 3 && ((args[0] == "--batch" && args[1] == "--score") || (args[0] == "--score" && args[1] == "--batch")))
    return handtool::RunBatch(std::cin, std::cout, std::cerr, handtool::ScoreLine);
  if (argc >= 2 && args[0] == "--score") return Score({args.begin() + 1, args.end()});
  bool batch = false;
  bool prob = false;
  bool probOption = false;  // --draws, --one-suit or --extra, which need --prob
  bool windOption = false;  // --seat or --round, which need --value
  handtool::TProbOptions options;
  std::vector<const char*> hands;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg == "--batch") {
      batch = true;
    } else if (arg == "--prob") {
      prob = true;
    } else if (arg == "--one-suit") {
      options.OneSuit = probOption = true;
    } else if (arg == "--seen" && i + 1 < argc) {
      const TMjHandText seen = ParseHand(argv[++i]);
      if (seen.Error != TMjNotationError::None) {
        std::cerr << "tilelab-hand: --seen の牌が読めません\n";
        return 2;
      }
      options.Seen = seen.Counts;
      probOption = true;
    } else if (arg == "--draws" && i + 1 < argc) {
      const std::string_view n(argv[++i]);
      if (n.empty() || n.size() > 2 || n.find_first_not_of("0123456789") != std::string_view::npos ||
          std::stoi(std::string(n)) > DealDraws) {
        std::cerr << "tilelab-hand: --draws は 0 から " << DealDraws << " までです\n";
        return 2;
      }
      options.DrawsLeft = std::stoi(std::string(n));
      probOption = true;
    } else if (arg == "--extra" && i + 1 < argc) {
      const std::string_view n(argv[++i]);
      if (n.size() != 1 || n[0] < '0' || n[0] > '0' + MjMaxExtra) {
        std::cerr << "tilelab-hand: --extra は 0 から " << MjMaxExtra << " までです\n";
        return 2;
      }
      options.Extra = n[0] - '0';
      probOption = true;
    } else if (arg == "--value") {
      prob = options.Value = true;
    } else if ((arg == "--seat" || arg == "--round") && i + 1 < argc) {
      std::string error;
      if (!handtool::ReadWind(argv[++i], arg == "--seat" ? options.Situation.SeatWind : options.Situation.RoundWind,
                              error)) {
        std::cerr << "tilelab-hand: " << error << '\n';
        return 2;
      }
      windOption = true;
    } else if (arg.starts_with("--")) {
      std::cerr << Usage;
      return 2;
    } else {
      hands.push_back(argv[i]);
    }
  }
  if ((probOption && !prob) || (windOption && !options.Value) || (batch && !hands.empty()) ||
      (!batch && hands.empty())) {
    std::cerr << Usage;
    return 2;
  }
  if (batch) {
    return prob ? handtool::RunProbBatch(std::cin, std::cout, std::cerr, options)
                : handtool::RunBatch(std::cin, std::cout, std::cerr);
  }
  int status = 0;
  for (std::size_t i = 0; i < hands.size(); ++i) {
    std::string error;
    const std::string table = prob ? handtool::ProbTable(hands[i], options, error) : handtool::Table(hands[i], error);
    if (table.empty()) {
      std::cerr << "tilelab-hand: " << hands[i] << ": " << error << '\n';
      status = 1;
      continue;
    }
    if (i > 0) std::cout << '\n';
    std::cout << table;
  }
  return status;
}
