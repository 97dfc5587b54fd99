#pragma once
// Test helper: the window's controls without a toolkit. Texts and checked
// states live in maps; the title is the text of kMainWindow. Attached for
// the life of the object.

#include <map>
#include <string>

#include "app/control_access.h"
#include "app/control_names.h"
#include "support/gbk.h"

namespace quenzar::testing {

class FakeControls : public Controls {
 public:
  FakeControls() { attachControls(this); }
  ~FakeControls() override { attachControls(nullptr); }
  FakeControls(const FakeControls&) = delete;
  FakeControls& operator=(const FakeControls&) = delete;

  std::string text(std::string_view control) override { return texts[std::string(control)]; }
  void setText(std::string_view control, std::string_view gbkText) override {
    texts[std::string(control)] = gbkText;
  }
  bool isChecked(std::string_view control) override { return checked[std::string(control)]; }
  void appendToEnd(std::string_view control, std::string_view gbkText) override {
    texts[std::string(control)] += gbkText;
  }

  std::map<std::string, std::string> texts{
      {std::string(kMainWindow), gbk("Quenzar-单片机辅助工具")}};
  std::map<std::string, bool> checked;
};

}  // namespace quenzar::testing
