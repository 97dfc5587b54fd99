#pragma once
// The desktop around the window: modal boxes, the save dialog, the disk and
// the clock. The shell attaches the real one once at start-up; tests attach
// a fake that records what was asked and answers at once. All texts are GBK.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quenzar {

enum class BoxIcon { none, error };

// The local wall-clock time, to the whole second.
struct LocalTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
};

// What the save dialog is asked to show; empty means "none given".
struct SaveDialogRequest {
  std::string title;
  std::string fileName;  // proposed name, or the last chosen full path
  std::vector<std::pair<std::string, std::string>> filters;  // (description, pattern)
  int selectedFilter = 0;  // 1-based index into filters; 0 when there are none
  std::string initialFolder;
  std::string defaultExtension;  // with its leading point, such as ".txt"
  bool overwritePrompt = false;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A box with an OK button and no owner, modal for the whole program;
  // returns when the user has closed it. Lines of text end in CR LF.
  virtual void showMessageBox(std::string_view gbkText, std::string_view gbkTitle,
                              BoxIcon icon) = 0;
  // Modal to the main window; the keyboard focus goes back to the control
  // that had it. The chosen full path, or nothing when the user cancelled
  // or the dialog failed.
  virtual std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) = 0;
  // Replaces the file at gbkPath with bytes, all or nothing. On failure the
  // old file stays whole and gbkReason says why, in the window's language.
  virtual bool writeFile(std::string_view gbkPath, std::string_view bytes,
                         std::string& gbkReason) = 0;
  virtual LocalTime localTime() = 0;
};

// The desktop that handlers use. Not owned; nullptr detaches.
void attachDesktop(Desktop* desktop);
Desktop& desktop();

}  // namespace quenzar
