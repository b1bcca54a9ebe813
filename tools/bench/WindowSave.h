// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

/// Starts the (offscreen, unless a platform is set) application the window
/// measurements need.
void startWindowApplication(int& aArgc, char** aArgv);

/// Ends that application; call before main returns.
void stopWindowApplication();

/// Median wall time of saving aLibrary to aTarget through the main window's
/// Save command, the progress window shown, the dialog answered at once.
double windowSaveSeconds(const std::string& aLibrary, const std::string& aTarget, int aRuns);

struct TWindowLoad {
  /// From the file chosen to both lists filled and painted.
  double Load = 0;
  /// From a double click on the last row to its editor painted; negative
  /// when not measured.
  double EditLastRow = -1;
  /// One edit of the last row pushed onto the history, both lists painted.
  double Edit = 0;
  /// That edit undone, both lists painted.
  double Undo = 0;
  /// The translation table opened for the first time, painted.
  double TableOpen = 0;
  /// One character typed into the table's search, the table painted.
  double Search = 0;
};

/// Median times of loading aLibrary through the main window's Load Library
/// command, of one edit of its last row and its undo, and, when aEditor, of
/// opening the editor on its last row.
TWindowLoad windowLoadSeconds(const std::string& aLibrary, int aRuns, bool aEditor);

struct TWindowImport {
  /// From Import map with the file chosen to both lists painted.
  double Import = 0;
  /// The import undone, both lists painted.
  double Undo = 0;
  /// The rows the import changed.
  int Changed = 0;
};

/// Median times of importing aMap into aLibrary, loaded in the main window,
/// through its Import map action, and of undoing the import.
TWindowImport windowImportSeconds(const std::string& aLibrary, const std::string& aMap, int aRuns);
