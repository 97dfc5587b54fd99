#pragma once
// Test helper: a window without Qt. Controls are texts and checked states in
// maps; the results box, title, message boxes and clock are recorded so that
// handler tests can look at every effect.

#include <deque>
#include <functional>
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
      titles.push_back(title);
      return;
    }
    texts[std::string(control)] = gbkText;
    ++textChanges[std::string(control)];
    if (onTextChanged) onTextChanged(std::string(control));
  }
  bool isChecked(std::string_view control) override { return checked[std::string(control)]; }
  FileDialogState* fileDialog(std::string_view control) override {
    auto found = fileDialogs.find(std::string(control));
    return found == fileDialogs.end() ? nullptr : &found->second;
  }
  void appendToEnd(std::string_view control, std::string_view gbkText) override {
    texts[std::string(control)] += gbkText;
    ++appends;
  }
  void showMessageBox(std::string_view gbkText, std::string_view gbkTitle) override {
    messages.push_back({std::string(gbkText), std::string(gbkTitle), false});
  }
  void showErrorBox(std::string_view gbkText, std::string_view gbkTitle) override {
    messages.push_back({std::string(gbkText), std::string(gbkTitle), true});
  }
  std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) override {
    dialogRequests.push_back(request);
    return dialogAnswer;
  }
  bool writeFile(std::string_view path, std::string_view bytes, std::string& reason) override {
    writes.push_back({std::string(path), std::string(bytes)});
    if (!writeSucceeds) reason = "cannot write";
    return writeSucceeds;
  }
  // Each reading takes the next queued time; the last one repeats.
  LocalTime localTime() override {
    ++clockReadings;
    LocalTime t = clock.front();
    if (clock.size() > 1) clock.pop_front();
    return t;
  }

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
  std::map<std::string, int> textChanges;
  std::function<void(const std::string&)> onTextChanged;
  std::string title = gbk("Quenzar-单片机辅助工具");
  std::vector<std::string> titles;
  std::vector<Message> messages;
  std::deque<LocalTime> clock{LocalTime{2026, 12, 11, 12, 0, 0}};
  int clockReadings = 0;
  int appends = 0;
  std::vector<SaveDialogRequest> dialogRequests;
  std::optional<std::string> dialogAnswer;
  std::vector<Write> writes;
  bool writeSucceeds = true;
};

}  // namespace quenzar::testing
