// Writes the per-suit shanten tables as a C++ source file (argument: its path).
// Run by the build; the rows follow the layout described with the tables.

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/Mjshantentable1.h"

namespace {

using namespace shanten_table;

// used[c1][c2][m][p]: most held tiles the blocks so far use, -1 when no
// choice leads there. c1 and c2 count the runs begun one and two kinds back,
// which still need tiles of the kinds ahead.
using TState = std::array<std::array<std::array<std::array<int, 2>, 5>, 5>, 5>;

TState Empty() {
  TState state;
  for (auto& a : state)
    for (auto& b : a)
      for (auto& c : b) c.fill(-1);
  return state;
}

// Holding `held` of kind i: a triplet, the pair and new runs may start here;
// no kind serves more than four tiles, which is what keeps 1111m from waiting
// on a fifth 1m.
TState Step(const TState& from, int i, int kinds, bool runs, int held) {
  TState to = Empty();
  const int maxRuns = runs && i + 2 < kinds ? 4 : 0;
  for (int c1 = 0; c1 <= 4; ++c1) {
    for (int c2 = 0; c1 + c2 <= 4; ++c2) {
      for (int m = 0; m <= 4; ++m) {
        for (int p = 0; p <= 1; ++p) {
          const int used = from[c1][c2][m][p];
          if (used < 0) continue;
          for (int t = 0; t <= 1; ++t) {
            for (int q = 0; q + p <= 1; ++q) {
              for (int r = 0; r <= maxRuns; ++r) {
                const int tiles = c1 + c2 + 3 * t + 2 * q + r;
                const int sets = m + t + r;
                if (tiles > 4 || sets > 4) break;
                int& best = to[r][c1][sets][p + q];
                best = std::max(best, used + std::min(tiles, held));
              }
            }
          }
        }
      }
    }
  }
  return to;
}

// Walks every hand of the suit in row order, one state per depth.
void Walk(std::vector<unsigned char>& out, std::vector<TState>& states, int i, int tiles, int kinds, bool runs) {
  if (i == kinds) {
    const TState& last = states[i];
    unsigned long long row = 0;
    for (int m = 0; m <= 4; ++m) {
      for (int p = 0; p <= 1; ++p) {
        const unsigned long long cost = static_cast<unsigned long long>(3 * m + 2 * p - last[0][0][m][p]);
        row |= cost << (4 * (2 * m + p));
      }
    }
    for (int b = 0; b < RowBytes; ++b) out.push_back(static_cast<unsigned char>(row >> (8 * b)));
    return;
  }
  for (int v = 0; v <= 4 && tiles + v <= MaxTiles; ++v) {
    states[i + 1] = Step(states[i], i, kinds, runs, v);
    Walk(out, states, i + 1, tiles + v, kinds, runs);
  }
}

std::vector<unsigned char> Table(int kinds, bool runs) {
  std::vector<TState> states(kinds + 1, Empty());
  states[0][0][0][0][0] = 0;
  std::vector<unsigned char> out;
  Walk(out, states, 0, 0, kinds, runs);
  return out;
}

// The rank of a hand among those of at most Max tiles.
template <int Kinds, int Max>
int Rank(const std::array<int, SuitKinds>& held) {
  int rank = 0;
  int sum = 0;
  for (int i = 0; i < Kinds; ++i) {
    rank += Steps<Kinds, Max>[i][sum][held[i]];
    sum += held[i];
  }
  return rank;
}

int Cost(const std::vector<unsigned char>& costs, int rank, int j) {
  unsigned long long row = 0;
  for (int b = 0; b < RowBytes; ++b) row |= static_cast<unsigned long long>(costs[rank * RowBytes + b]) << (8 * b);
  return static_cast<int>((row >> (4 * j)) & 15);
}

// Walks the hands of at most 13 tiles in row order and sets, per cost, the
// kinds whose extra tile lowers it.
template <int Kinds>
void Gains(const std::vector<unsigned char>& costs, std::vector<unsigned char>& out,
           std::array<int, SuitKinds>& held, int i, int tiles) {
  if (i == Kinds) {
    const int rank = Rank<Kinds, MaxTiles>(held);
    std::array<unsigned char, GainBytes> row{};
    for (int k = 0; k < Kinds; ++k) {
      if (held[k] == 4) continue;
      ++held[k];
      const int more = Rank<Kinds, MaxTiles>(held);
      --held[k];
      for (int j = 0; j < 10; ++j) {
        if (Cost(costs, more, j) >= Cost(costs, rank, j)) continue;
        const int bit = 9 * j + k;
        row[bit / 8] = static_cast<unsigned char>(row[bit / 8] | (1 << (bit % 8)));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
    return;
  }
  for (int v = 0; v <= 4 && tiles + v <= GainTiles; ++v) {
    held[i] = v;
    Gains<Kinds>(costs, out, held, i + 1, tiles + v);
  }
  held[i] = 0;
}

template <int Kinds>
std::vector<unsigned char> GainTable(const std::vector<unsigned char>& costs) {
  std::vector<unsigned char> out;
  std::array<int, SuitKinds> held{};
  Gains<Kinds>(costs, out, held, 0, 0);
  return out;
}

void Write(std::FILE* file, const char* name, int rows, const char* bytesPerRow, const std::vector<unsigned char>& bytes) {
  std::fprintf(file, "const unsigned char %s[%d * %s + RowPadding] =", name, rows, bytesPerRow);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i % 40 == 0) std::fputs("\n    \"", file);
    std::fprintf(file, "\\%03o", bytes[i]);
    if (i % 40 == 39 || i + 1 == bytes.size()) std::fputs("\"", file);
  }
  std::fputs(";\n", file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
    return 2;
  }
  const std::vector<unsigned char> suit = Table(SuitKinds, true);
  const std::vector<unsigned char> honour = Table(HonourKinds, false);
  const std::vector<unsigned char> suitGain = GainTable<SuitKinds>(suit);
  const std::vector<unsigned char> honourGain = GainTable<HonourKinds>(honour);
  if (suit.size() != static_cast<std::size_t>(SuitRows) * RowBytes ||
      honour.size() != static_cast<std::size_t>(HonourRows) * RowBytes ||
      suitGain.size() != static_cast<std::size_t>(SuitGainRows) * GainBytes ||
      honourGain.size() != static_cast<std::size_t>(HonourGainRows) * GainBytes) {
    std::fprintf(stderr, "row count differs from the table layout\n");
    return 1;
  }
  const std::string temp = std::string(argv[1]) + ".tmp";
  std::FILE* file = std::fopen(temp.c_str(), "w");
  if (!file) {
    std::perror(temp.c_str());
    return 1;
  }
  std::fputs("// Written by Mjshantengen1.cpp at build time.\n#include \"analysis/Mjshantentable1.h\"\n"
             "namespace shanten_table {\n", file);
  Write(file, "Suit", SuitRows, "RowBytes", suit);
  Write(file, "Honour", HonourRows, "RowBytes", honour);
  Write(file, "SuitGain", SuitGainRows, "GainBytes", suitGain);
  Write(file, "HonourGain", HonourGainRows, "GainBytes", honourGain);
  std::fputs("}  // namespace shanten_table\n", file);
  if (std::fclose(file) != 0 || std::rename(temp.c_str(), argv[1]) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
