// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapMessages.h"

#include "MapFile.h"

std::string describeMapError(const TMapError& aError) {
  switch (aError.Kind) {
    case TMapError::TKind::InvalidUtf8:
      return "not valid UTF-8";
    case TMapError::TKind::WrongTabCount:
      return "expected old text, one tab, new text; found " + std::to_string(aError.Tabs) + " tabs";
    case TMapError::TKind::BadEscape:
      return "invalid escape \"" + aError.Escape + "\" (only \\\\ \\t \\n \\r are allowed)";
    case TMapError::TKind::EmptyNewText:
      return std::string(kEmptyCategoryMessage);
    case TMapError::TKind::DuplicateOld:
      return "old text already mapped on line " + std::to_string(aError.FirstLine);
  }
  return {};
}
