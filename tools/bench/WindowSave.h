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
  /// From a double click on the last row to its editor painted.
  double EditLastRow = 0;
};

/// Median times of loading aLibrary through the main window's Load Library
/// command and of opening the editor on its last row.
TWindowLoad windowLoadSeconds(const std::string& aLibrary, int aRuns);
