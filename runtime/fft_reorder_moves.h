#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

// The reorderings of the smaller sizes as straight lines of moves, worked out by the
// compiler: every move's two offsets are then constants in its instructions, where a
// walk over a table loads them first, one load more per move besides the move's own
// load and store, which bound the reordering. Each cycle of T_n (fft.h)
// is rotated through a temporary, the value the compiler keeps in a register. Internal
// linkage, as complex_pair.h explains.

namespace {

constexpr std::int32_t kTemporary = -1;

// perm(i, n) of the transform's own order, by its recursion on n/2 and n/4.
constexpr std::int32_t Perm(std::int32_t i, std::int32_t n) {
  if (n < 3) return i;
  if (i < n / 2) return 2 * Perm(i, n / 2);
  if (i < 3 * n / 4) return 4 * Perm(i - n / 2, n / 4) + 1;
  return (4 * Perm(i - 3 * n / 4, n / 4) - 1 + n) % n;
}

struct Move {
  std::int32_t to = 0;    // offset in doubles, or kTemporary
  std::int32_t from = 0;  // likewise
};

// The moves into natural order: for each cycle of T_n from its least element c0,
// temporary ← c0, c0 ← T_n[c0], … , the last element ← temporary.
template <std::int32_t n>
struct NaturalOrderMoves {
  std::array<Move, 2 * n> moves{};
  std::int32_t count = 0;

  constexpr NaturalOrderMoves() {
    std::array<std::int32_t, n> natural{};  // T_n: natural element k lives at natural[k]
    for (std::int32_t i = 0; i < n; ++i) natural[(n - Perm(i, n)) % n] = i;
    std::array<bool, n> done{};
    for (std::int32_t leader = 0; leader < n; ++leader) {
      if (done[leader] || natural[leader] == leader) continue;
      moves[count++] = {kTemporary, 2 * leader};
      std::int32_t k = leader;
      for (; natural[k] != leader; k = natural[k]) {
        done[k] = true;
        moves[count++] = {2 * k, 2 * natural[k]};
      }
      done[k] = true;
      moves[count++] = {2 * k, kTemporary};
    }
  }
};

template <std::int32_t n>
constexpr NaturalOrderMoves<n> kNaturalOrderMoves{};

template <std::int32_t to, std::int32_t from>
inline void MoveBetween(double* data, double* temporary) {
  double* const destination = to == kTemporary ? temporary : data + to;
  const double* const source = from == kTemporary ? temporary : data + from;
  std::memcpy(destination, source, 2 * sizeof(double));
}

// The moves are expanded in a braced list, evaluated in order, rather than in a fold
// expression, which Clang nests one level per move and limits to 256 levels.
template <std::int32_t n, std::size_t... k>
inline void ToNaturalOrder(double* data, std::index_sequence<k...>) {
  constexpr const NaturalOrderMoves<n>& all = kNaturalOrderMoves<n>;
  double temporary[2];
  const int inOrder[] = {(MoveBetween<all.moves[k].to, all.moves[k].from>(data, temporary), 0)...};
  static_cast<void>(inOrder);
}

// The same moves backwards, each from where it went to where it came from.
template <std::int32_t n, std::size_t... k>
inline void ToTransformOrder(double* data, std::index_sequence<k...>) {
  constexpr const NaturalOrderMoves<n>& all = kNaturalOrderMoves<n>;
  constexpr std::int32_t last = all.count - 1;
  double temporary[2];
  const int inOrder[] = {(MoveBetween<all.moves[last - k].from, all.moves[last - k].to>(data, temporary), 0)...};
  static_cast<void>(inOrder);
}

// Size n's reorderings, n a power of two from 4 on.
template <std::int32_t n>
void StraightToNaturalOrder(double* data) {
  ToNaturalOrder<n>(data, std::make_index_sequence<kNaturalOrderMoves<n>.count>());
}

template <std::int32_t n>
void StraightToTransformOrder(double* data) {
  ToTransformOrder<n>(data, std::make_index_sequence<kNaturalOrderMoves<n>.count>());
}

}  // namespace
