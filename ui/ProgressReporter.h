#pragma once

#include "SaveProgress.h"

class TProgressform;

/// Lets a save drive the progress window: each report goes to the window's
/// bar or label, and event pumping goes to the application.
class TProgressReporter final : public TSaveProgress {
 public:
  explicit TProgressReporter(TProgressform& aForm);

  void SetMaximum(int aMaximum) override;
  void SetPosition(int aPosition) override;
  void Show() override;
  void SetLabelText(const std::string& aText) override;
  void RepaintBar() override;
  void RepaintLabel() override;
  void ProcessEvents() override;
  void Close() override;

 private:
  TProgressform& mForm;
};
