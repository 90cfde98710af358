// Writes the shanten tables as a C++ source file (argument: its path).
// Run by the build; the tables follow the layout described with them.

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "analysis/Mjshantentable1.h"

namespace {

using namespace shanten_table;

// Costs by share 2m + p.
using TRow = std::array<int, Shares>;

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

// Walks every holding of the suit in rank order, one state per depth.
void Walk(std::vector<TRow>& out, std::vector<TState>& states, int i, int tiles, int kinds, bool runs) {
  if (i == kinds) {
    const TState& last = states[i];
    TRow row;
    for (int m = 0; m <= 4; ++m) {
      for (int p = 0; p <= 1; ++p) row[2 * m + p] = 3 * m + 2 * p - last[0][0][m][p];
    }
    out.push_back(row);
    return;
  }
  for (int v = 0; v <= 4 && tiles + v <= MaxTiles; ++v) {
    states[i + 1] = Step(states[i], i, kinds, runs, v);
    Walk(out, states, i + 1, tiles + v, kinds, runs);
  }
}

std::vector<TRow> Costs(int kinds, bool runs) {
  std::vector<TState> states(kinds + 1, Empty());
  states[0][0][0][0][0] = 0;
  std::vector<TRow> out;
  Walk(out, states, 0, 0, kinds, runs);
  return out;
}

TRow Capped(TRow row) {
  for (int& c : row) c = std::min(c, CostCap);
  return row;
}

// Min-plus product: the cheapest way to share m sets and p pairs between two parts.
TRow Times(const TRow& a, const TRow& b) {
  TRow out;
  for (int m = 0; m <= 4; ++m) {
    int none = CostCap;
    int pair = CostCap;
    for (int i = 0; i <= m; ++i) {
      const int j = m - i;
      none = std::min(none, a[2 * i] + b[2 * j]);
      pair = std::min({pair, a[2 * i + 1] + b[2 * j], a[2 * i] + b[2 * j + 1]});
    }
    out[2 * m] = none;
    out[2 * m + 1] = pair;
  }
  return out;
}

// Distinct rows numbered in order of first appearance.
struct TNumbering {
  std::map<TRow, int> Number;
  std::vector<TRow> Rows;

  int Of(const TRow& row) {
    const auto [at, added] = Number.emplace(row, static_cast<int>(Rows.size()));
    if (added) Rows.push_back(row);
    return at->second;
  }
};

// The rank of a holding.
template <int Kinds>
int Rank(const std::array<int, SuitKinds>& held) {
  int rank = 0;
  int sum = 0;
  for (int i = 0; i < Kinds; ++i) {
    rank += Steps<Kinds>[i][sum][held[i]];
    sum += held[i];
  }
  return rank;
}

void PutLittleEndian(std::vector<unsigned char>& out, unsigned long long value, int bytes) {
  for (int b = 0; b < bytes; ++b) out.push_back(static_cast<unsigned char>(value >> (8 * b)));
}

// Walks the holdings in rank order and sets, per cost, the kinds whose extra
// tile lowers it; holdings of 14 tiles get a zero row.
template <int Kinds>
void Gains(const std::vector<TRow>& costs, std::vector<unsigned char>& out, std::array<int, SuitKinds>& held, int i,
           int tiles) {
  if (i == Kinds) {
    const int rank = Rank<Kinds>(held);
    std::array<unsigned, Shares> masks{};
    for (int k = 0; k < Kinds && tiles < MaxTiles; ++k) {
      if (held[k] == 4) continue;
      ++held[k];
      const int more = Rank<Kinds>(held);
      --held[k];
      for (int j = 0; j < Shares; ++j) masks[j] |= costs[more][j] < costs[rank][j] ? 1u << k : 0u;
    }
    unsigned long long low = 0;
    unsigned long long high = 0;
    for (int j = 0; j < Shares; ++j) {
      if (j < GainsLow) {
        low |= static_cast<unsigned long long>(masks[j]) << (9 * j);
      } else {
        high |= static_cast<unsigned long long>(masks[j]) << (9 * (j - GainsLow));
      }
    }
    PutLittleEndian(out, low, 8);
    PutLittleEndian(out, high, GainBytes - 8);
    return;
  }
  for (int v = 0; v <= 4 && tiles + v <= MaxTiles; ++v) {
    held[i] = v;
    Gains<Kinds>(costs, out, held, i + 1, tiles + v);
  }
  held[i] = 0;
}

template <int Kinds>
std::vector<unsigned char> GainTable(const std::vector<TRow>& costs) {
  std::vector<unsigned char> out;
  std::array<int, SuitKinds> held{};
  Gains<Kinds>(costs, out, held, 0, 0);
  return out;
}

// Four sets and a pair from a class and the product of the rest, with the
// shares of the class that reach the cheapest.
unsigned Complete(const TRow& part, const TRow& rest) {
  int best = CostCap;
  for (int j = 0; j < Shares; ++j) best = std::min(best, part[j] + rest[Shares - 1 - j]);
  unsigned entry = static_cast<unsigned>(best);
  for (int j = 0; j < Shares; ++j) entry |= part[j] + rest[Shares - 1 - j] == best ? 1u << (CompleteSharesAt + j) : 0u;
  return entry;
}

struct TTables {
  std::vector<unsigned char> SuitClass, HonourClass, SuitSuit, SuitHonour, SuitProduct, HonourProduct, SuitComplete,
      HonourComplete, SuitGain, HonourGain;
  int SuitClasses = 0, HonourClasses = 0, Products = 0;

  TTables() {
    const std::vector<TRow> suit = Costs(SuitKinds, true);
    const std::vector<TRow> honour = Costs(HonourKinds, false);
    TNumbering suits;
    TNumbering honours;
    for (const TRow& row : suit) SuitClass.push_back(static_cast<unsigned char>(suits.Of(Capped(row))));
    for (const TRow& row : honour) HonourClass.push_back(static_cast<unsigned char>(honours.Of(Capped(row))));
    SuitClasses = static_cast<int>(suits.Rows.size());
    HonourClasses = static_cast<int>(honours.Rows.size());

    TNumbering products;
    for (const TRow& a : suits.Rows) {
      for (const TRow& b : suits.Rows) SuitSuit.push_back(static_cast<unsigned char>(products.Of(Times(a, b))));
      for (const TRow& h : honours.Rows) SuitHonour.push_back(static_cast<unsigned char>(products.Of(Times(a, h))));
    }
    // Products of three and four parts: numbered until no new row appears.
    for (std::size_t known = 0; known != products.Rows.size();) {
      known = products.Rows.size();
      for (std::size_t q = 0; q < known; ++q) {
        for (const TRow& a : suits.Rows) products.Of(Times(a, products.Rows[q]));
        for (const TRow& h : honours.Rows) products.Of(Times(h, products.Rows[q]));
      }
    }
    Products = static_cast<int>(products.Rows.size());
    auto byProduct = [&](const TNumbering& parts, std::vector<unsigned char>& times,
                         std::vector<unsigned char>& complete) {
      for (const TRow& a : parts.Rows) {
        for (const TRow& q : products.Rows) {
          times.push_back(static_cast<unsigned char>(products.Of(Times(a, q))));
          PutLittleEndian(complete, Complete(a, q), CompleteBytes);
        }
      }
    };
    byProduct(suits, SuitProduct, SuitComplete);
    byProduct(honours, HonourProduct, HonourComplete);
    SuitGain = GainTable<SuitKinds>(suit);
    HonourGain = GainTable<HonourKinds>(honour);
  }

  bool FitLayout() const {
    return SuitClasses == shanten_table::SuitClasses && HonourClasses == shanten_table::HonourClasses &&
           Products == shanten_table::Products && SuitClass.size() == static_cast<std::size_t>(SuitRows) &&
           HonourClass.size() == static_cast<std::size_t>(HonourRows) &&
           SuitGain.size() == static_cast<std::size_t>(SuitRows) * GainBytes &&
           HonourGain.size() == static_cast<std::size_t>(HonourRows) * GainBytes;
  }
};

void Write(std::FILE* file, const char* name, const std::vector<unsigned char>& bytes) {
  std::fprintf(file, "const unsigned char %s[%zu + StringEnd] =", name, bytes.size());
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
  const TTables tables;
  if (!tables.FitLayout()) {
    std::fprintf(stderr, "the tables differ from their layout: %d suit classes, %d honour classes, %d products\n",
                 tables.SuitClasses, tables.HonourClasses, tables.Products);
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
  Write(file, "SuitClass", tables.SuitClass);
  Write(file, "HonourClass", tables.HonourClass);
  Write(file, "SuitSuit", tables.SuitSuit);
  Write(file, "SuitHonour", tables.SuitHonour);
  Write(file, "SuitProduct", tables.SuitProduct);
  Write(file, "HonourProduct", tables.HonourProduct);
  Write(file, "SuitComplete", tables.SuitComplete);
  Write(file, "HonourComplete", tables.HonourComplete);
  Write(file, "SuitGain", tables.SuitGain);
  Write(file, "HonourGain", tables.HonourGain);
  std::fputs("}  // namespace shanten_table\n", file);
  if (std::fclose(file) != 0 || std::rename(temp.c_str(), argv[1]) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
