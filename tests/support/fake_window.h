#pragma once
// Test helper: a window without Qt. Controls are texts, checked states and
// file-dialog settings in maps; message boxes and file writes are recorded,
// and the save dialog gives a set answer.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/control_access.h"
#include "support/gbk.h"

namespace quenzar::testing {

class FakeWindow : public WindowPort {
 public:
  FakeWindow() { attachWindowPort(this); }
  ~FakeWindow() override { attachWindowPort(nullptr); }

  std::string text(std::string_view control) override {
    if (control == kMainWindow) return title;
    return texts[std::string(control)];
  }
  void setText(std::string_view control, std::string_view gbkText) override {
    if (control == kMainWindow) {
      title = gbkText;
      return;
    }
    texts[std::string(control)] = gbkText;
  }
  bool isChecked(std::string_view control) override { return checked[std::string(control)]; }
  FileDialogState* fileDialog(std::string_view control) override {
    auto found = fileDialogs.find(std::string(control));
    return found == fileDialogs.end() ? nullptr : &found->second;
  }
  void appendToEnd(std::string_view control, std::string_view gbkText) override {
    texts[std::string(control)] += gbkText;
  }
  void showMessageBox(std::string_view gbkText, std::string_view gbkTitle) override {
    messages.push_back({std::string(gbkText), std::string(gbkTitle), false});
  }
  void showErrorBox(std::string_view gbkText, std::string_view gbkTitle) override {
    messages.push_back({std::string(gbkText), std::string(gbkTitle), true});
  }
  std::optional<std::string> showSaveDialog(const SaveDialogRequest&) override {
    return dialogAnswer;
  }
  bool writeFile(std::string_view path, std::string_view bytes, std::string& reason) override {
    writes.push_back({std::string(path), std::string(bytes)});
    if (!writeSucceeds) reason = "cannot write";
    return writeSucceeds;
  }
  LocalTime localTime() override { return {2026, 12, 11, 12, 0, 0}; }

  struct Message {
    std::string text, title;
    bool error = false;  // shown with the error icon
  };
  struct Write {
    std::string path, bytes;
  };

  std::map<std::string, std::string> texts;
  std::map<std::string, bool> checked;
  std::map<std::string, FileDialogState> fileDialogs;
  std::string title = gbk("Quenzar-单片机辅助工具");
  std::vector<Message> messages;
  std::optional<std::string> dialogAnswer;
  std::vector<Write> writes;
  bool writeSucceeds = true;
};

}  // namespace quenzar::testing
