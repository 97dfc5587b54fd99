#pragma once
// Control access: the only way handlers reach the window, the message box,
// the save dialog, the clock and the disk. The real window implements
// WindowPort on Qt; handler tests plug in a fake window without Qt.
//
// Every text that crosses this boundary is GBK bytes in a std::string.
// Controls are addressed by their layout names (UTF-8 in the source), such as
// "起始晶振"; kMainWindow addresses the window itself (its title).

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quenzar {

inline constexpr std::string_view kMainWindow = "主窗口";

// The local wall-clock time, to the whole second.
struct LocalTime {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
};

// The settings of a file dialog holder (such as 通用对话框1) as the running
// window keeps them: the layout's settings with every text in GBK. They belong
// to one window and live as long as it; a confirmed save dialog leaves the
// chosen full path in fileName, so each new window starts again from the
// layout's proposed name.
struct FileDialogState {
  int kind = 1;  // 1 save, 0 open
  std::string title;
  std::string fileName;
  std::string filter;  // "description|pattern|description|pattern..."
  int initialFilter = 0;  // counted from 0
  std::string initialFolder;
  std::string defaultExtension;  // with its leading point
  bool createPrompt = false;
  bool fileMustExist = false;
  bool overwritePrompt = false;
  bool pathMustExist = false;
  bool keepCurrentFolder = false;
};

// What the save dialog is asked to show; all texts GBK, empty means "none given".
struct SaveDialogRequest {
  std::string title;
  std::string fileName;  // proposed name, or the last chosen full path
  std::vector<std::pair<std::string, std::string>> filters;  // (description, pattern)
  int selectedFilter = 0;  // 1-based index into filters; 0 when there are none
  std::string initialFolder;
  std::string defaultExtension;  // with its leading point, such as ".txt"
  bool overwritePrompt = false;
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // --- controls ---
  // Text of an edit box as shown, or the window title for kMainWindow.
  virtual std::string text(std::string_view control) = 0;
  // Edit box: replace the whole text, then raise its text changed exactly
  // once (also when the text is unchanged). kMainWindow: set the title at
  // once, raise nothing.
  virtual void setText(std::string_view control, std::string_view gbk) = 0;
  virtual bool isChecked(std::string_view control) = 0;
  // The settings of a file dialog holder, to read and to update; nullptr
  // when control names no such holder.
  virtual FileDialogState* fileDialog(std::string_view control) = 0;
  // Multi-line edit box: insert at the very end whatever the user selected,
  // scroll the end into view; not undoable, nothing added or removed.
  virtual void appendToEnd(std::string_view control, std::string_view gbk) = 0;

  // --- desktop ---
  // Modal for the whole application, OK only, no icon, no owner; returns
  // when the user has closed it.
  virtual void showMessageBox(std::string_view gbkText, std::string_view gbkTitle) = 0;
  // The same box with the error icon.
  virtual void showErrorBox(std::string_view gbkText, std::string_view gbkTitle) = 0;
  // Modal to the main window; the keyboard focus goes back to the control
  // that had it. The chosen full path (GBK), or nothing when the user
  // cancelled or the dialog failed.
  virtual std::optional<std::string> showSaveDialog(const SaveDialogRequest& request) = 0;
  // Replaces the file at gbkPath with bytes, all or nothing. On failure the
  // old file stays whole and gbkReason says why, in the window's language.
  virtual bool writeFile(std::string_view gbkPath, std::string_view bytes,
                         std::string& gbkReason) = 0;
  virtual LocalTime localTime() = 0;
};

// The window that handlers act on; set by the shell once the window exists
// (tests attach a fake). Not owned.
void attachWindowPort(WindowPort* port);
WindowPort& windowPort();

// The handlers' vocabulary.
std::string getText(std::string_view control);
void setText(std::string_view control, std::string_view gbk);
bool isChecked(std::string_view control);

}  // namespace quenzar
