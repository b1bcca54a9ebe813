// SPDX-License-Identifier: GPL-3.0-or-later
// The prefilter is the q-gram lemma (Ukkonen; Gravano et al.): pad a text of
// n code points with q - 1 marks at each end and it has n + q - 1 grams of q
// code points; one edit changes at most q of them. So two texts at most k
// edits apart share at least max(n, m) + q - 1 - k q grams (counted with
// their repeats), and with q = 3 a text is compared in full only when
// shared >= n + 2 - 3 k, k the largest distance the minimum allows at the
// longer length n. Where that bound is not above zero (short texts, low
// minimums) the gram count says nothing, and every text of a length that
// can still reach the minimum is compared. Texts sharing the most grams are
// compared first, so the best found so far raises the minimum early.
#include "FuzzyIndex.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "EditDistance.h"
#include "FoldedText.h"

namespace {

// Code points take 21 bits; the marks padding either end lie beyond them.
constexpr std::uint64_t kStartMark = 0x110000;
constexpr std::uint64_t kEndMark = 0x110001;
constexpr std::uint32_t kCompared = std::uint32_t{1} << 31;

// The trigrams of a folded text with its marks, sorted, repeats kept.
std::vector<std::uint64_t> trigrams(std::u32string_view aFolded) {
  std::vector<std::uint64_t> marked;
  marked.reserve(aFolded.size() + 4);
  marked.insert(marked.end(), 2, kStartMark);
  marked.insert(marked.end(), aFolded.begin(), aFolded.end());
  marked.insert(marked.end(), 2, kEndMark);
  std::vector<std::uint64_t> grams;
  grams.reserve(marked.size() - 2);
  for (std::size_t i = 0; i + 2 < marked.size(); ++i)
    grams.push_back(marked[i] << 42 | marked[i + 1] << 21 | marked[i + 2]);
  std::sort(grams.begin(), grams.end());
  return grams;
}

// Whether a text sharing aShared grams can be within aDistance edits of
// one aLonger code points long.
bool mayBeWithin(std::size_t aShared, std::size_t aLonger, std::size_t aDistance) {
  return aShared + 3 * aDistance >= aLonger + 2;
}

bool ranksBefore(const TFuzzyMatch& aA, const TFuzzyMatch& aB) {
  return aA.Similarity != aB.Similarity ? aA.Similarity > aB.Similarity : aA.Id < aB.Id;
}

}  // namespace

void TFuzzyIndex::Add(std::u16string_view aText) {
  if (Size() >= kCompared - 1) throw std::length_error("too many texts for the fuzzy index");
  const auto id = static_cast<std::uint32_t>(Size());
  const std::u32string folded = foldedText(aText);
  for (const std::uint64_t gram : trigrams(folded)) mPostings[gram].push_back(id);
  mByLength[folded.size()].push_back(id);
  mTexts += aText;
  mTextStarts.push_back(mTexts.size());
  mFolded += folded;
  mFoldedStarts.push_back(mFolded.size());
}

std::size_t TFuzzyIndex::Size() const { return mTextStarts.size() - 1; }

std::u16string_view TFuzzyIndex::Text(std::size_t aId) const {
  return std::u16string_view(mTexts).substr(mTextStarts[aId],
                                            mTextStarts[aId + 1] - mTextStarts[aId]);
}

std::u32string_view TFuzzyIndex::Folded(std::size_t aId) const {
  return std::u32string_view(mFolded).substr(mFoldedStarts[aId],
                                             mFoldedStarts[aId + 1] - mFoldedStarts[aId]);
}

std::vector<TFuzzyMatch> TFuzzyIndex::Best(std::u16string_view aText, std::size_t aCount,
                                           int aMinimum,
                                           const std::function<bool(std::size_t)>& aAccept) const {
  std::vector<TFuzzyMatch> best;
  if (aCount == 0 || aMinimum > 100 || Size() == 0) return best;
  const int minimum = std::max(aMinimum, 0);
  const std::u32string folded = foldedText(aText);
  const std::size_t length = folded.size();
  const TEditDistance distance(folded);

  // The grams each text shares with aText; kCompared marks a text done.
  std::vector<std::uint32_t> shared(Size(), 0);
  std::vector<std::uint32_t> touched;
  const std::vector<std::uint64_t> grams = trigrams(folded);
  for (std::size_t g = 0; g < grams.size();) {
    std::size_t repeats = 1;
    while (g + repeats < grams.size() && grams[g + repeats] == grams[g]) ++repeats;
    const auto found = mPostings.find(grams[g]);
    g += repeats;
    if (found == mPostings.end()) continue;
    std::uint32_t previous = std::numeric_limits<std::uint32_t>::max();
    std::size_t run = 0;
    for (const std::uint32_t id : found->second) {
      run = id == previous ? run + 1 : 1;
      previous = id;
      if (run > repeats) continue;
      if (shared[id] == 0) touched.push_back(id);
      ++shared[id];
    }
  }

  // Once aCount texts are kept, a text must reach the worst of them.
  const auto floor = [&] {
    return best.size() < aCount ? minimum : std::max(minimum, best.back().Similarity);
  };
  const auto consider = [&](std::uint32_t aId) {
    const std::size_t common = shared[aId];
    shared[aId] |= kCompared;
    const std::u32string_view other = Folded(aId);
    const std::size_t longer = std::max(length, other.size());
    const std::size_t within = largestDistanceFor(longer, floor());
    const std::size_t apart = length > other.size() ? length - other.size() : other.size() - length;
    if (apart > within || !mayBeWithin(common, longer, within)) return;
    if (aAccept && !aAccept(aId)) return;
    const std::size_t edits = distance.To(other);
    if (edits > within) return;
    const TFuzzyMatch match{
        aId, edits == 0 && Text(aId) == aText ? 100 : similarityFromDistance(edits, longer)};
    // Equal once folded is 99, below a minimum of 100.
    if (match.Similarity < floor()) return;
    if (best.size() == aCount) {
      if (!ranksBefore(match, best.back())) return;
      best.pop_back();
    }
    best.insert(std::upper_bound(best.begin(), best.end(), match, ranksBefore), match);
  };

  // Most grams shared first.
  std::vector<std::size_t> starts(length + 4, 0);
  for (const std::uint32_t id : touched) ++starts[shared[id]];
  for (std::size_t c = starts.size() - 1; c > 0; --c) starts[c - 1] += starts[c];
  std::vector<std::uint32_t> order(touched.size());
  for (const std::uint32_t id : touched) order[--starts[shared[id]]] = id;
  for (const std::uint32_t id : order) consider(id);

  // Texts sharing no gram, of the lengths where that does not rule them out.
  const std::size_t shortest = length * static_cast<std::size_t>(minimum) / 100;
  for (auto bucket = mByLength.lower_bound(shortest); bucket != mByLength.end(); ++bucket) {
    const std::size_t other = bucket->first;
    const std::size_t longer = std::max(length, other);
    const std::size_t within = largestDistanceFor(longer, floor());
    if (other > length && other - length > within) {
      // Longer texts only stand further apart.
      if (floor() > 0) break;
      continue;
    }
    if (mayBeWithin(0, longer, within)) {
      for (const std::uint32_t id : bucket->second)
        if (shared[id] == 0) consider(id);
    }
  }
  return best;
}
