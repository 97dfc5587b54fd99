#pragma once
// Control access on the real window: texts cross here between GBK bytes and
// the widgets' Unicode.

#include <string>

#include "app/control_access.h"

namespace quenzar {

class MainWindow;

class QtControls : public Controls {
 public:
  explicit QtControls(MainWindow& window) : window_(window) {}

  std::string text(std::string_view control) override;
  void setText(std::string_view control, std::string_view gbk) override;
  bool isChecked(std::string_view control) override;
  void appendToEnd(std::string_view control, std::string_view gbk) override;

 private:
  MainWindow& window_;
};

}  // namespace quenzar
