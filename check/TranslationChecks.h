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
};

/// The checks of every row of a map: each row's own (CheckTranslation) and
/// the consistency of the rows with each other. The rows are grouped by the
/// consistency key of their old texts and of their new texts, and the groups
/// are kept up to date a row at a time, so that a change costs time in
/// proportion to the groups it leaves and joins, not to the rows.
///
/// A changed row (new text other than the old) fails TranslatedOtherwise
/// when a changed row of its old text's group has a new text of another
/// key. Any row fails SharedTranslation when a row of its new text's group
/// has an old text of another key: a row left as it was can meet a changed
/// one there. Empty texts are in no group.
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
  using TKeyId = int32_t;
  static constexpr TKeyId kNoKey = -1;

  TKeyId KeyId(std::u16string_view aText);
  bool Changed(int aRow) const;
  void Join(int aRow);
  void Leave(int aRow);
  /// A row of aGroup, other than aRow, whose key (by aKeyOf) is not aKey;
  /// -1 when there is none.
  int OtherRow(const std::vector<int>& aGroup, int aRow, TKeyId aKey,
               const std::vector<TKeyId>& aKeyOf) const;

  const TRowTexts& mTexts;
  const TSpeller* mSpeller;
  /// Every key met, once each, by its number.
  std::unordered_map<std::u16string, TKeyId> mKeyIds;
  std::vector<TKeyId> mOldKey;
  std::vector<TKeyId> mNewKey;
  /// By old key: the changed rows of that key.
  std::vector<std::vector<int>> mChangedByOld;
  /// By new key: the rows of that key.
  std::vector<std::vector<int>> mByNew;
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

 private:
  std::vector<std::u16string> mOld;
  std::vector<std::u16string> mNew;
};
