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
  /// The consistency keys of a changed row's texts.
  struct TKeys {
    std::u16string Old;
    std::u16string New;
    /// The new text as typed, as the row joined its groups.
    std::u16string Text;
  };
  using TGroups = std::unordered_map<std::u16string, std::vector<int>>;

  bool Changed(int aRow) const;
  void Join(int aRow);
  void Leave(int aRow);
  /// The rows whose checks meet aRow's through the groups it is in.
  void Touch(int aRow, std::vector<int>& aTouched) const;
  /// The key of aRow's old text: kept for a changed row, made otherwise.
  std::u16string OldKey(int aRow) const;
  /// The first row of aGroup, aRow aside, whose key by aKeyOf is not aKey;
  /// -1 when there is none.
  int OtherRow(const std::vector<int>& aGroup, int aRow, const std::u16string& aKey,
               std::u16string TKeys::*aKeyOf) const;
  int SharedWith(int aRow) const;

  const TRowTexts& mTexts;
  const TSpeller* mSpeller;
  std::unordered_map<int, TKeys> mKeys;
  /// Changed rows by the keys of their old texts, and of their new texts.
  TGroups mByOld;
  TGroups mByNew;
  /// Changed rows by their new texts as typed.
  TGroups mByNewText;
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
  mutable std::unordered_map<std::u16string, std::vector<int>> mRowsByOld;
};
