#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

// The reorderings of the smaller sizes as straight lines of moves, worked out by the
// compiler: every move's two offsets are then constants in its instructions, where a
// walk over a table loads them first, one load more per move besides the move's own
// load and store, which bound the reordering. Each cycle of T_n (fft.h) is rotated
// through a temporary. Internal linkage, as complex_pair.h explains.

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

// Move i of those into natural order or, when `back`, of those into the transform's own
// order: the same moves in reverse, each from where it went to where it came from.
template <std::int32_t n, bool back>
constexpr Move MoveOf(std::int32_t i) {
  const NaturalOrderMoves<n>& all = kNaturalOrderMoves<n>;
  if (!back) return all.moves[i];
  const Move forward = all.moves[all.count - 1 - i];
  return {forward.from, forward.to};
}

// The moves from `first` on, one for each k. They are expanded in a braced list,
// evaluated in order, rather than in a fold expression, which Clang nests one level per
// move and limits to 256 levels.
template <std::int32_t n, bool back, std::int32_t first, std::size_t... k>
__attribute__((noinline)) void MoveRun(double* data, double* temporary, std::index_sequence<k...>) {
  constexpr std::int32_t i[] = {first + static_cast<std::int32_t>(k)...};
  const int inOrder[] = {
      (MoveBetween<MoveOf<n, back>(i[k]).to, MoveOf<n, back>(i[k]).from>(data, temporary), 0)...};
  static_cast<void>(inOrder);
}

// The compiler's optimisation of a straight line takes time that grows faster than its
// length, with the sanitizers' checks on every move by far (more than ten minutes for
// the 2048 values in one function): the moves run in functions of kMovesPerRun each,
// the temporary passed along from one to the next.
constexpr std::int32_t kMovesPerRun = 256;

template <std::int32_t n, bool back, std::size_t... run>
inline void MoveRuns(double* data, std::index_sequence<run...>) {
  constexpr std::int32_t count = kNaturalOrderMoves<n>.count;
  double temporary[2];
  const int inOrder[] = {
      (MoveRun<n, back, static_cast<std::int32_t>(run) * kMovesPerRun>(
           data, temporary,
           std::make_index_sequence<std::min(kMovesPerRun, count - static_cast<std::int32_t>(run) * kMovesPerRun)>()),
       0)...};
  static_cast<void>(inOrder);
}

template <std::int32_t n, bool back>
void StraightMoves(double* data) {
  constexpr std::int32_t count = kNaturalOrderMoves<n>.count;
  MoveRuns<n, back>(data, std::make_index_sequence<(count + kMovesPerRun - 1) / kMovesPerRun>());
}

// Size n's reorderings, n a power of two from 4 on.
template <std::int32_t n>
void StraightToNaturalOrder(double* data) {
  StraightMoves<n, false>(data);
}

template <std::int32_t n>
void StraightToTransformOrder(double* data) {
  StraightMoves<n, true>(data);
}

}  // namespace
