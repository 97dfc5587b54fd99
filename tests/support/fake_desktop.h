#pragma once
// Test helper: the desktop, recording what was asked and answering at once.
// Message boxes are recorded and close at once (whileBoxOpen runs while one
// is "open"); the save dialog records its request and answers from a queue,
// nothing queued being a cancel; writes are recorded and succeed unless told
// otherwise; the clock reads from a queue whose last time repeats. A test
// that wants the real dialog or the real disk names a desktop to pass them
// to. Attached for the life of the object.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/desktop.h"

namespace quenzar::testing {

class FakeDesktop : public Desktop {
 public:
  FakeDesktop() { attachDesktop(this); }
  ~FakeDesktop() override { attachDesktop(nullptr); }
  FakeDesktop(const FakeDesktop&) = delete;
  FakeDesktop& operator=(const FakeDesktop&) = delete;

  struct Box {
    std::string gbkText, gbkTitle;
    BoxIcon icon = BoxIcon::none;
  };
  struct Write {
    std::string path, bytes;
  };

  void showMessageBox(std::string_view text, std::string_view title, BoxIcon icon) override {
    boxes.push_back({std::string(text), std::string(title), icon});
    if (whileBoxOpen) whileBoxOpen();
  }
  std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) override {
    if (realDialog != nullptr) return realDialog->showSaveDialog(request);
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool writeFile(std::string_view path, std::string_view bytes, std::string& reason) override {
    if (realFiles != nullptr) return realFiles->writeFile(path, bytes, reason);
    writes.push_back({std::string(path), std::string(bytes)});
    if (!writeSucceeds) reason = "cannot write";
    return writeSucceeds;
  }
  LocalTime localTime() override {
    const LocalTime t = clock.front();
    if (clock.size() > 1) clock.pop_front();
    return t;
  }

  std::vector<Box> boxes;
  std::function<void()> whileBoxOpen;
  std::vector<SaveDialogRequest> requests;
  std::deque<std::optional<std::string>> answers;
  std::vector<Write> writes;
  bool writeSucceeds = true;
  std::deque<LocalTime> clock{LocalTime{2026, 12, 11, 12, 0, 0}};
  Desktop* realDialog = nullptr;  // when set, the dialog is this desktop's
  Desktop* realFiles = nullptr;   // when set, writes go to this desktop's disk
};

}  // namespace quenzar::testing
