#pragma once
// What the window asks of the desktop around it: modal boxes, the save
// dialog, the disk and the clock. The real desktop is toolkit code; tests
// replace it with one that records what was asked and answers at once.
// All texts are GBK bytes.

#include <optional>
#include <string>
#include <string_view>

#include "app/control_access.h"

namespace quenzar {

enum class BoxIcon { none, error };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A box with an OK button and no owner, modal for the whole program;
  // returns when the user has closed it. Lines of text end in CR LF.
  virtual void showMessageBox(std::string_view gbkText, std::string_view gbkTitle,
                              BoxIcon icon) = 0;
  // Modal to the main window; the chosen full path, or nothing.
  virtual std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) = 0;
  // Same contract as WindowPort::writeFile.
  virtual bool writeFile(std::string_view gbkPath, std::string_view bytes,
                         std::string& gbkReason) = 0;
  virtual LocalTime localTime() = 0;
};

}  // namespace quenzar
