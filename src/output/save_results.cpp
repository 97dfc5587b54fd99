#include "output/save_results.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "app/control_access.h"
#include "app/control_names.h"
#include "app/desktop.h"
#include "app/main_window_layout.h"
#include "output/save_dialog_request.h"
#include "text/join_text.h"

namespace quenzar {
namespace {

constexpr std::string_view kSaveFailedTitle = "\xb1\xa3\xb4\xe6\xbd\xe1\xb9\xfb";  // "保存结果"
constexpr std::string_view kSaveFailedStart =
    "\xce\xde\xb7\xa8\xb0\xd1\xbd\xe1\xb9\xfb\xb1\xa3\xb4\xe6\xb5\xbd\xce\xc4\xbc\xfe"
    "\xa3\xba";                                                          // "无法把结果保存到文件："
constexpr std::string_view kReasonLead = "\xd4\xad\xd2\xf2\xa3\xba";  // "原因："
constexpr std::string_view kNoFileName =
    "\xc3\xbb\xd3\xd0\xb8\xf8\xb3\xf6\xce\xc4\xbc\xfe\xc3\xfb";  // "没有给出文件名"
constexpr std::string_view kLineEnd = "\r\n";

// The one piece of running state of the dialog: the full path last chosen,
// and the window it was chosen in. The system has one dialog holder, whose
// path both save buttons share; a new window starts from the layout's name.
struct ChosenPath {
  std::uint64_t window = 0;
  std::string gbkPath;
};
std::optional<ChosenPath> lastChosen;

void showSaveFailure(std::string_view gbkPath, std::string_view gbkReason) {
  desktop().showMessageBox(
      joinText({kSaveFailedStart, kLineEnd, gbkPath, kLineEnd, kReasonLead, gbkReason}),
      kSaveFailedTitle, BoxIcon::error);
}

}  // namespace

std::string dialogFileName(const FileDialogSettings& settings) {
  if (lastChosen && lastChosen->window == controlsGeneration()) return lastChosen->gbkPath;
  return std::string(settings.fileName);
}

bool openSaveDialog(const FileDialogSettings& settings) {
  std::optional<std::string> chosen =
      desktop().showSaveDialog(saveDialogRequest(settings, dialogFileName(settings)));
  // A dialog that hands back no path has confirmed nothing.
  if (!chosen || chosen->empty()) return false;
  lastChosen = ChosenPath{controlsGeneration(), std::move(*chosen)};
  return true;
}

bool writeBytesToFile(std::string_view gbkPath, std::string_view bytes, std::string& gbkReason) {
  if (gbkPath.empty()) {
    gbkReason = kNoFileName;
    return false;
  }
  return desktop().writeFile(gbkPath, bytes, gbkReason);
}

void saveResults() {
  const ControlLayout* holder = findControl(mainWindowLayout(), control::kFileDialog);
  if (holder == nullptr || holder->fileDialog == nullptr) return;
  const FileDialogSettings& settings = *holder->fileDialog;
  if (!openSaveDialog(settings)) return;
  // Read only now: the box may have been edited since the last run.
  const std::string bytes = getText(control::kResults);
  const std::string path = dialogFileName(settings);
  std::string reason;
  if (!writeBytesToFile(path, bytes, reason)) showSaveFailure(path, reason);
}

void onSearchSaveClicked() { saveResults(); }
void onTableSaveClicked() { saveResults(); }

}  // namespace quenzar
