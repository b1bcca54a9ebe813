// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationChecks.h"

#include <algorithm>

namespace {

using TGroups = std::unordered_map<std::u16string, std::vector<int>>;

void drop(TGroups& aGroups, const std::u16string& aKey, int aRow) {
  const auto group = aGroups.find(aKey);
  if (group == aGroups.end()) return;
  std::vector<int>& rows = group->second;
  if (const auto at = std::find(rows.begin(), rows.end(), aRow); at != rows.end()) {
    *at = rows.back();
    rows.pop_back();
  }
  if (rows.empty()) aGroups.erase(group);
}

const std::vector<int>& rowsOf(const TGroups& aGroups, const std::u16string& aKey) {
  static const std::vector<int> none;
  const auto group = aGroups.find(aKey);
  return group == aGroups.end() ? none : group->second;
}

}  // namespace

TTranslationChecks::TTranslationChecks(const TRowTexts& aTexts, const TSpeller* aSpeller)
    : mTexts(aTexts), mSpeller(aSpeller) {
  Reset();
}

void TTranslationChecks::Reset() {
  mKeys.clear();
  mByOld.clear();
  mByNew.clear();
  mByNewText.clear();
  const int rows = mTexts.RowCount();
  mFails.assign(static_cast<std::size_t>(rows), -1);
  for (int row = 0; row < rows; ++row)
    if (Changed(row)) Join(row);
}

bool TTranslationChecks::Changed(int aRow) const {
  return mTexts.NewText(aRow) != mTexts.OldText(aRow);
}

void TTranslationChecks::Join(int aRow) {
  TKeys& keys = mKeys[aRow];
  keys.Old = ConsistencyKey(mTexts.OldText(aRow));
  keys.New = ConsistencyKey(mTexts.NewText(aRow));
  keys.Text = mTexts.NewText(aRow);
  // A text of blanks and marks only, or none, says nothing to compare.
  if (keys.Old.empty() || keys.New.empty()) return;
  mByOld[keys.Old].push_back(aRow);
  mByNew[keys.New].push_back(aRow);
  mByNewText[keys.Text].push_back(aRow);
}

void TTranslationChecks::Leave(int aRow) {
  const auto keys = mKeys.find(aRow);
  if (keys == mKeys.end()) return;
  drop(mByOld, keys->second.Old, aRow);
  drop(mByNew, keys->second.New, aRow);
  drop(mByNewText, keys->second.Text, aRow);
  mKeys.erase(keys);
}

void TTranslationChecks::Touch(int aRow, std::vector<int>& aTouched) const {
  const auto keys = mKeys.find(aRow);
  if (keys == mKeys.end()) return;
  for (const std::vector<int>* group : {&rowsOf(mByOld, keys->second.Old),
                                        &rowsOf(mByNew, keys->second.New)})
    aTouched.insert(aTouched.end(), group->begin(), group->end());
  // The rows left as they were whose category this row's text is.
  const std::vector<int> alike = mTexts.RowsWithOldText(keys->second.Text);
  aTouched.insert(aTouched.end(), alike.begin(), alike.end());
}

std::vector<int> TTranslationChecks::NewTextChanged(int aRow) {
  // The groups the row leaves, and those it joins, may change their verdict.
  std::vector<int> touched{aRow};
  Touch(aRow, touched);
  Leave(aRow);
  if (Changed(aRow)) Join(aRow);
  Touch(aRow, touched);
  // The changed rows given this row's category as their text meet it while
  // it is left as it was, and no longer once it is changed, or the reverse.
  const std::vector<int>& meeting = rowsOf(mByNewText, std::u16string(mTexts.OldText(aRow)));
  touched.insert(touched.end(), meeting.begin(), meeting.end());
  for (const int row : touched) mFails[row] = -1;
  return touched;
}

void TTranslationChecks::SetSpeller(const TSpeller* aSpeller) {
  mSpeller = aSpeller;
  std::fill(mFails.begin(), mFails.end(), int8_t{-1});
}

std::u16string TTranslationChecks::OldKey(int aRow) const {
  const auto keys = mKeys.find(aRow);
  return keys == mKeys.end() ? ConsistencyKey(mTexts.OldText(aRow)) : keys->second.Old;
}

int TTranslationChecks::OtherRow(const std::vector<int>& aGroup, int aRow,
                                 const std::u16string& aKey,
                                 std::u16string TKeys::*aKeyOf) const {
  int other = -1;
  // The first such row, so that a row's message does not depend on the
  // order rows joined their group in.
  for (const int row : aGroup)
    if (row != aRow && (other < 0 || row < other) && mKeys.at(row).*aKeyOf != aKey) other = row;
  return other;
}

int TTranslationChecks::SharedWith(int aRow) const {
  const std::u16string oldKey = OldKey(aRow);
  if (oldKey.empty()) return -1;
  int other = -1;
  const auto take = [&other](int aCandidate) {
    if (other < 0 || aCandidate < other) other = aCandidate;
  };
  if (const auto keys = mKeys.find(aRow); keys != mKeys.end()) {
    if (keys->second.New.empty()) return -1;
    // Changed rows with a new text like this one's, and rows left as they
    // were whose category is this row's text.
    if (const int row = OtherRow(rowsOf(mByNew, keys->second.New), aRow, oldKey, &TKeys::Old);
        row >= 0)
      take(row);
    for (const int row : mTexts.RowsWithOldText(keys->second.Text))
      if (row != aRow && !Changed(row) && ConsistencyKey(mTexts.OldText(row)) != oldKey) take(row);
    return other;
  }
  // A row left as it was: the changed rows given its category as their text.
  if (mByNewText.empty()) return -1;
  for (const int row : rowsOf(mByNewText, std::u16string(mTexts.OldText(aRow))))
    if (mKeys.at(row).Old != oldKey) take(row);
  return other;
}

std::vector<TCheckFailure> TTranslationChecks::Failures(int aRow) const {
  std::vector<TCheckFailure> failures;
  const auto keys = mKeys.find(aRow);
  // A row left as it was fails only where a changed row meets it.
  if (keys != mKeys.end()) {
    failures = CheckTranslation(mTexts.OldText(aRow), mTexts.NewText(aRow), mSpeller);
    if (!keys->second.Old.empty() && !keys->second.New.empty()) {
      if (const int other =
              OtherRow(rowsOf(mByOld, keys->second.Old), aRow, keys->second.New, &TKeys::New);
          other >= 0)
        failures.push_back({TCheckKind::TranslatedOtherwise, {}, {}, {}, other});
    }
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
  const auto rows = mRowsByOld.find(std::u16string(aText));
  return rows == mRowsByOld.end() ? std::vector<int>() : rows->second;
}
