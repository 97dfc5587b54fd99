#pragma once
// Control access on the real window: texts cross here between GBK bytes and
// the widgets' Unicode; boxes, dialogs, files and the clock go to the desktop.

#include <map>
#include <string>

#include "app/control_access.h"

namespace quenzar {

class MainWindow;

class QtWindowPort : public WindowPort {
 public:
  explicit QtWindowPort(MainWindow& window) : window_(window) {}

  std::string text(std::string_view control) override;
  void setText(std::string_view control, std::string_view gbk) override;
  bool isChecked(std::string_view control) override;
  FileDialogState* fileDialog(std::string_view control) override;
  void appendToEnd(std::string_view control, std::string_view gbk) override;

  void showMessageBox(std::string_view gbkText, std::string_view gbkTitle) override;
  void showErrorBox(std::string_view gbkText, std::string_view gbkTitle) override;
  std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) override;
  bool writeFile(std::string_view gbkPath, std::string_view bytes,
                 std::string& gbkReason) override;
  LocalTime localTime() override;

 private:
  MainWindow& window_;
  // The file dialog holders' settings in GBK, made from the layout when a
  // handler first asks for them; the chosen paths live here with the window.
  std::map<std::string, FileDialogState, std::less<>> fileDialogs_;
};

}  // namespace quenzar
