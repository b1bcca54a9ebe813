// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationChecks.h"

#include <algorithm>

namespace {

using TGroups = std::unordered_map<std::uint64_t, std::vector<int>>;

void drop(TGroups& aGroups, std::uint64_t aKey, int aRow) {
  const auto group = aGroups.find(aKey);
  if (group == aGroups.end()) return;
  std::vector<int>& rows = group->second;
  if (const auto at = std::find(rows.begin(), rows.end(), aRow); at != rows.end()) {
    *at = rows.back();
    rows.pop_back();
  }
  if (rows.empty()) aGroups.erase(group);
}

const std::vector<int>& rowsOf(const TGroups& aGroups, std::uint64_t aKey) {
  static const std::vector<int> none;
  const auto group = aGroups.find(aKey);
  return group == aGroups.end() ? none : group->second;
}

// The smallest of the rows aTake is given, so that a row's message does not
// depend on the order rows joined their groups in; -1 for none.
struct TFirstRow {
  int Row = -1;
  void Take(int aRow) {
    if (Row < 0 || aRow < Row) Row = aRow;
  }
};

}  // namespace

TTranslationChecks::TTranslationChecks(const TRowTexts& aTexts, const TSpeller* aSpeller)
    : mTexts(aTexts), mSpeller(aSpeller) {
  Reset();
}

void TTranslationChecks::Reset() {
  mByOld.clear();
  mByNew.clear();
  const auto rows = static_cast<std::size_t>(mTexts.RowCount());
  mKeys.assign(rows, TKeys());
  mFails.assign(rows, -1);
  for (int row = 0; row < static_cast<int>(rows); ++row)
    if (Changed(row)) Join(row);
}

bool TTranslationChecks::Changed(int aRow) const {
  return mTexts.NewText(aRow) != mTexts.OldText(aRow);
}

void TTranslationChecks::Join(int aRow) {
  TKeys& keys = mKeys[aRow];
  keys.Changed = true;
  keys.Old = ConsistencyHash(mTexts.OldText(aRow));
  keys.New = ConsistencyHash(mTexts.NewText(aRow));
  // A text of blanks and marks only, or none, says nothing to compare.
  if (keys.Old == 0 || keys.New == 0) return;
  mByOld[keys.Old].push_back(aRow);
  mByNew[keys.New].push_back(aRow);
  keys.Met = mTexts.RowsWithOldText(mTexts.NewText(aRow));
}

void TTranslationChecks::Leave(int aRow) {
  TKeys& keys = mKeys[aRow];
  if (keys.Old != 0 && keys.New != 0) {
    drop(mByOld, keys.Old, aRow);
    drop(mByNew, keys.New, aRow);
  }
  keys = TKeys();
}

void TTranslationChecks::Touch(int aRow, std::vector<int>& aTouched) const {
  const TKeys& keys = mKeys[aRow];
  if (!keys.Changed) return;
  for (const std::vector<int>* group : {&rowsOf(mByOld, keys.Old), &rowsOf(mByNew, keys.New)})
    aTouched.insert(aTouched.end(), group->begin(), group->end());
  aTouched.insert(aTouched.end(), keys.Met.begin(), keys.Met.end());
}

std::vector<int> TTranslationChecks::NewTextChanged(int aRow) {
  // The rows the row met before and meets now may change their verdict.
  std::vector<int> touched{aRow};
  Touch(aRow, touched);
  Leave(aRow);
  if (Changed(aRow)) Join(aRow);
  Touch(aRow, touched);
  // The changed rows given this row's category as their text meet it while
  // it is left as it was, and no longer once it is changed, or the reverse.
  const std::vector<int>& meeting = rowsOf(mByNew, ConsistencyHash(mTexts.OldText(aRow)));
  touched.insert(touched.end(), meeting.begin(), meeting.end());
  for (const int row : touched) mFails[row] = -1;
  return touched;
}

void TTranslationChecks::SetSpeller(const TSpeller* aSpeller) {
  mSpeller = aSpeller;
  std::fill(mFails.begin(), mFails.end(), int8_t{-1});
}

int TTranslationChecks::TranslatedOtherwise(int aRow) const {
  const TKeys& keys = mKeys[aRow];
  const std::vector<int>& group = rowsOf(mByOld, keys.Old);
  if (keys.Old == 0 || keys.New == 0 || group.size() < 2) return -1;
  const std::u16string oldKey = ConsistencyKey(mTexts.OldText(aRow));
  TFirstRow other;
  for (const int row : group)
    if (mKeys[row].New != keys.New && ConsistencyKey(mTexts.OldText(row)) == oldKey)
      other.Take(row);
  return other.Row;
}

int TTranslationChecks::SharedWith(int aRow) const {
  const TKeys& keys = mKeys[aRow];
  TFirstRow other;
  if (keys.Changed) {
    if (keys.Old == 0 || keys.New == 0) return -1;
    // Changed rows with a new text like this one's, of other old texts.
    const std::vector<int>& group = rowsOf(mByNew, keys.New);
    if (group.size() > 1) {
      const std::u16string newKey = ConsistencyKey(mTexts.NewText(aRow));
      for (const int row : group)
        if (mKeys[row].Old != keys.Old && ConsistencyKey(mTexts.NewText(row)) == newKey)
          other.Take(row);
    }
    // Rows left as they were whose category is this row's text.
    for (const int row : keys.Met)
      if (row != aRow && !mKeys[row].Changed &&
          ConsistencyHash(mTexts.OldText(row)) != keys.Old)
        other.Take(row);
    return other.Row;
  }
  // A row left as it was: the changed rows given its category as their
  // text, of other old texts.
  if (mByNew.empty()) return -1;
  const std::uint64_t own = ConsistencyHash(mTexts.OldText(aRow));
  for (const int row : rowsOf(mByNew, own))
    if (mKeys[row].Old != own && mTexts.NewText(row) == mTexts.OldText(aRow)) other.Take(row);
  return other.Row;
}

std::vector<TCheckFailure> TTranslationChecks::Failures(int aRow) const {
  std::vector<TCheckFailure> failures;
  // A row left as it was fails only where a changed row meets it.
  if (mKeys[aRow].Changed) {
    failures = CheckTranslation(mTexts.OldText(aRow), mTexts.NewText(aRow), mSpeller);
    if (const int other = TranslatedOtherwise(aRow); other >= 0)
      failures.push_back({TCheckKind::TranslatedOtherwise, {}, {}, {}, other});
  }
  if (const int other = SharedWith(aRow); other >= 0)
    failures.push_back({TCheckKind::SharedTranslation, {}, {}, {}, other});
  mFails[aRow] = failures.empty() ? 0 : 1;
  return failures;
}

bool TTranslationChecks::Fails(int aRow) const {
  if (mFails[aRow] < 0) Failures(aRow);
  return mFails[aRow] == 1;
}

std::vector<int> TVectorRowTexts::RowsWithOldText(std::u16string_view aText) const {
  if (mRowsByOld.empty())
    for (int row = 0; row < RowCount(); ++row) mRowsByOld[mOld[row]].push_back(row);
  const auto rows = mRowsByOld.find(aText);
  return rows == mRowsByOld.end() ? std::vector<int>() : rows->second;
}
