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
