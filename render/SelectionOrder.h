// SPDX-License-Identifier: MIT
// The far-to-near order of a list of cells: the selection sort's, found in n log n steps.
#pragma once

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

// Replays the selection sort "for i = 1 to n - 1: best = the first j >= i whose distance
// beats every earlier one, then exchange best and i" in n log n steps. A tournament tree over
// the slots gives, for the slots still to be placed, the first one with the greatest
// distance; a slot whose distance is not a number never wins, as no comparison with it holds.
// Slots run from `first` to first + n - 1; distance(slot) reads a slot's distance and
// swap(a, b) exchanges two slots whole.
template <typename Distance, typename Swap> class SelectionOrder {
public:
  SelectionOrder(std::size_t first, int n, Distance distance, Swap swap)
      : m_first(first), m_size(1), m_distance(distance), m_swap(swap) {
    while (m_size < n) m_size *= 2;
    m_tree.assign(2 * static_cast<std::size_t>(m_size), Empty);
    for (int k = 1; k <= n; ++k)
      if (!std::isnan(distanceOf(k))) m_tree[m_size + k - 1] = k;
    for (int node = m_size - 1; node >= 1; --node) m_tree[node] = winner(node);
  }

  void sort(int n) {
    for (int i = 1; i < n; ++i) {
      // A slot whose own distance is no number is beaten by nothing and stays.
      if (!std::isnan(distanceOf(i))) {
        const int best = m_tree[1];
        m_swap(slotOf(best), slotOf(i));
        set(best, std::isnan(distanceOf(best)) ? Empty : best);
      }
      set(i, Empty);
    }
  }

private:
  static constexpr int Empty = 0;

  std::size_t slotOf(int k) const { return m_first + static_cast<std::size_t>(k - 1); }
  double distanceOf(int k) const { return m_distance(slotOf(k)); }

  // The left child stands for the lower slots, so it keeps a tie.
  int winner(int node) const {
    const int a = m_tree[2 * node], b = m_tree[2 * node + 1];
    if (a == Empty) return b;
    if (b == Empty) return a;
    return distanceOf(b) > distanceOf(a) ? b : a;
  }

  void set(int slot, int value) {
    int node = m_size + slot - 1;
    m_tree[node] = value;
    for (node /= 2; node >= 1; node /= 2) m_tree[node] = winner(node);
  }

  std::size_t m_first;
  int m_size;
  Distance m_distance;
  Swap m_swap;
  std::vector<int> m_tree;
};

// Sorts n slots from `first` on farthest first by the selection sort's rule.
template <typename Distance, typename Swap>
void sortFarthestFirst(std::size_t first, int n, Distance distance, Swap swap) {
  if (n > 1) SelectionOrder<Distance, Swap>(first, n, distance, swap).sort(n);
}
