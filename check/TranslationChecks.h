// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "TextChecks.h"

class TSpeller;

/// The old and new texts of every row, as the one who holds them shows them
/// to the checks; the checks keep no copy.
class TRowTexts {
 public:
  virtual ~TRowTexts() = default;
  virtual int RowCount() const = 0;
  virtual std::u16string_view OldText(int aRow) const = 0;
  virtual std::u16string_view NewText(int aRow) const = 0;
  /// The rows whose old text is exactly aText, in any order.
  virtual std::vector<int> RowsWithOldText(std::u16string_view aText) const = 0;
};

/// The checks of every row of a map: each row's own (CheckTranslation) and
/// the consistency of the rows with each other.
///
/// A changed row (new text other than the old) fails TranslatedOtherwise
/// when another changed row's old text has the same consistency key and its
/// new text another. It fails SharedTranslation when another changed row's
/// new text has the same key and its old text another, or when a row left
/// as it was has the new text as its own (the two become one category), the
/// old texts' keys differing; that row fails it too.
///
/// Only changed rows are indexed, by their keys, and the index is kept up to
/// date a row at a time: a change costs time in proportion to the rows that
/// share its keys, and a map with no row changed costs one look at each row.
class TTranslationChecks {
 public:
  /// Checks the rows of aTexts, which must outlive the checks, and spells
  /// with aSpeller when given.
  explicit TTranslationChecks(const TRowTexts& aTexts, const TSpeller* aSpeller = nullptr);

  /// Takes every row afresh: the rows, or their old texts, have changed.
  void Reset();
  /// Takes row aRow's new text, just changed. Returns the rows whose checks
  /// may have changed with it, aRow among them, in no particular order.
  std::vector<int> NewTextChanged(int aRow);
  /// Spells with aSpeller from now on; nullptr spells nothing.
  void SetSpeller(const TSpeller* aSpeller);
  const TSpeller* Speller() const { return mSpeller; }

  /// The checks row aRow fails, its own first, then those of consistency.
  std::vector<TCheckFailure> Failures(int aRow) const;
  /// Whether row aRow fails any check; kept for each row once asked.
  bool Fails(int aRow) const;

 private:
  /// What is kept of a changed row: the hashes of its keys (a group holds
  /// the rows of one hash; a row found there is compared by its texts before
  /// it is named), and the rows whose old text its new text is.
  struct TKeys {
    bool Changed = false;
    std::uint64_t Old = 0;
    std::uint64_t New = 0;
    std::vector<int> Met;
  };
  using TGroups = std::unordered_map<std::uint64_t, std::vector<int>>;

  bool Changed(int aRow) const;
  void Join(int aRow);
  void Leave(int aRow);
  /// Adds the rows whose checks meet aRow's through what is kept of it.
  void Touch(int aRow, std::vector<int>& aTouched) const;
  int TranslatedOtherwise(int aRow) const;
  int SharedWith(int aRow) const;

  const TRowTexts& mTexts;
  const TSpeller* mSpeller;
  std::vector<TKeys> mKeys;
  /// Changed rows by the hashes of their old texts' keys, and of their new
  /// texts' keys.
  TGroups mByOld;
  TGroups mByNew;
  /// Per row: -1 not yet asked, otherwise whether it fails.
  mutable std::vector<int8_t> mFails;
};

/// The texts of a map held in two vectors.
class TVectorRowTexts final : public TRowTexts {
 public:
  TVectorRowTexts(std::vector<std::u16string> aOld, std::vector<std::u16string> aNew)
      : mOld(std::move(aOld)), mNew(std::move(aNew)) {}
  int RowCount() const override { return static_cast<int>(mOld.size()); }
  std::u16string_view OldText(int aRow) const override { return mOld[aRow]; }
  std::u16string_view NewText(int aRow) const override { return mNew[aRow]; }
  std::u16string& NewTextToChange(int aRow) { return mNew[aRow]; }
  std::vector<int> RowsWithOldText(std::u16string_view aText) const override;

 private:
  std::vector<std::u16string> mOld;
  std::vector<std::u16string> mNew;
  /// The rows by their old texts, made when first asked.
  mutable std::unordered_map<std::u16string_view, std::vector<int>> mRowsByOld;
};
