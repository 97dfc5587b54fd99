#pragma once
// The real desktop: message boxes, the save dialog, file writing and the
// clock, on the toolkit.

#include "app/desktop.h"

namespace quenzar {

class QtDesktop : public Desktop {
 public:
  // Without a running toolkit (no display could be reached) the text goes
  // to standard error instead of a box, and the call returns at once.
  void showMessageBox(std::string_view gbkText, std::string_view gbkTitle,
                      BoxIcon icon) override;
  std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) override;
  bool writeFile(std::string_view gbkPath, std::string_view bytes,
                 std::string& gbkReason) override;
  LocalTime localTime() override;
};

}  // namespace quenzar
