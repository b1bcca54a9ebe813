// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationChecks.h"

#include <algorithm>

TTranslationChecks::TTranslationChecks(const TRowTexts& aTexts, const TSpeller* aSpeller)
    : mTexts(aTexts), mSpeller(aSpeller) {
  Reset();
}

void TTranslationChecks::Reset() {
  mKeyIds.clear();
  mChangedByOld.clear();
  mByNew.clear();
  const int rows = mTexts.RowCount();
  mOldKey.assign(static_cast<std::size_t>(rows), kNoKey);
  mNewKey.assign(static_cast<std::size_t>(rows), kNoKey);
  mFails.assign(static_cast<std::size_t>(rows), -1);
  for (int row = 0; row < rows; ++row) {
    mOldKey[row] = KeyId(mTexts.OldText(row));
    // A row left as it was has its old text's key.
    mNewKey[row] = Changed(row) ? KeyId(mTexts.NewText(row)) : mOldKey[row];
    Join(row);
  }
}

TTranslationChecks::TKeyId TTranslationChecks::KeyId(std::u16string_view aText) {
  if (aText.empty()) return kNoKey;
  std::u16string key = ConsistencyKey(aText);
  if (key.empty()) return kNoKey;
  const auto [entry, added] = mKeyIds.try_emplace(std::move(key), static_cast<TKeyId>(mKeyIds.size()));
  if (added) {
    mChangedByOld.emplace_back();
    mByNew.emplace_back();
  }
  return entry->second;
}

bool TTranslationChecks::Changed(int aRow) const {
  return mTexts.NewText(aRow) != mTexts.OldText(aRow);
}

void TTranslationChecks::Join(int aRow) {
  if (mNewKey[aRow] != kNoKey) mByNew[mNewKey[aRow]].push_back(aRow);
  if (mOldKey[aRow] != kNoKey && Changed(aRow)) mChangedByOld[mOldKey[aRow]].push_back(aRow);
}

void TTranslationChecks::Leave(int aRow) {
  const auto drop = [aRow](std::vector<int>& aGroup) {
    if (const auto at = std::find(aGroup.begin(), aGroup.end(), aRow); at != aGroup.end()) {
      *at = aGroup.back();
      aGroup.pop_back();
    }
  };
  if (mNewKey[aRow] != kNoKey) drop(mByNew[mNewKey[aRow]]);
  if (mOldKey[aRow] != kNoKey) drop(mChangedByOld[mOldKey[aRow]]);
}

std::vector<int> TTranslationChecks::NewTextChanged(int aRow) {
  std::vector<int> touched{aRow};
  const auto touch = [&touched, this](const std::vector<int>& aGroup) {
    for (const int row : aGroup) {
      touched.push_back(row);
      mFails[row] = -1;
    }
  };
  // The groups the row leaves, and those it joins, may change their verdict.
  const auto touchGroups = [&touch, this](int aRow) {
    if (mNewKey[aRow] != kNoKey) touch(mByNew[mNewKey[aRow]]);
    if (mOldKey[aRow] != kNoKey) touch(mChangedByOld[mOldKey[aRow]]);
  };
  touchGroups(aRow);
  Leave(aRow);
  mNewKey[aRow] = Changed(aRow) ? KeyId(mTexts.NewText(aRow)) : mOldKey[aRow];
  Join(aRow);
  touchGroups(aRow);
  mFails[aRow] = -1;
  return touched;
}

void TTranslationChecks::SetSpeller(const TSpeller* aSpeller) {
  mSpeller = aSpeller;
  std::fill(mFails.begin(), mFails.end(), int8_t{-1});
}

int TTranslationChecks::OtherRow(const std::vector<int>& aGroup, int aRow, TKeyId aKey,
                                 const std::vector<TKeyId>& aKeyOf) const {
  int other = -1;
  // The first such row, so that a row's message does not depend on the
  // order rows joined their group in.
  for (const int row : aGroup)
    if (row != aRow && aKeyOf[row] != aKey && (other < 0 || row < other)) other = row;
  return other;
}

std::vector<TCheckFailure> TTranslationChecks::Failures(int aRow) const {
  std::vector<TCheckFailure> failures =
      CheckTranslation(mTexts.OldText(aRow), mTexts.NewText(aRow), mSpeller);
  if (Changed(aRow) && mOldKey[aRow] != kNoKey && mNewKey[aRow] != kNoKey) {
    if (const int other = OtherRow(mChangedByOld[mOldKey[aRow]], aRow, mNewKey[aRow], mNewKey);
        other >= 0)
      failures.push_back({TCheckKind::TranslatedOtherwise, {}, {}, {}, other});
  }
  if (mNewKey[aRow] != kNoKey && mOldKey[aRow] != kNoKey) {
    if (const int other = OtherRow(mByNew[mNewKey[aRow]], aRow, mOldKey[aRow], mOldKey); other >= 0)
      failures.push_back({TCheckKind::SharedTranslation, {}, {}, {}, other});
  }
  mFails[aRow] = failures.empty() ? 0 : 1;
  return failures;
}

bool TTranslationChecks::Fails(int aRow) const {
  if (mFails[aRow] < 0) Failures(aRow);
  return mFails[aRow] == 1;
}
