#pragma once
// Control access: how handlers read and write the controls of the window.
// The shell attaches the window's Controls once it is built; handler tests
// attach a fake. Boxes, the save dialog, the disk and the clock are the
// desktop's (app/desktop.h), not the window's.
//
// Every text that crosses this boundary is GBK bytes in a std::string.
// Controls are addressed by their layout names (UTF-8 in the source), such as
// "起始晶振"; kMainWindow addresses the window itself (its title).

#include <cstdint>
#include <string>
#include <string_view>

namespace quenzar {

class Controls {
 public:
  virtual ~Controls() = default;

  // Text of an edit box as shown, or the window title for kMainWindow.
  virtual std::string text(std::string_view control) = 0;
  // Edit box: replace the whole text, then raise its text changed exactly
  // once (also when the text is unchanged). kMainWindow: set the title,
  // raise nothing.
  virtual void setText(std::string_view control, std::string_view gbk) = 0;
  virtual bool isChecked(std::string_view control) = 0;
  // Multi-line edit box: insert at the very end whatever the user selected,
  // scroll the end into view; not undoable, nothing added or removed.
  virtual void appendToEnd(std::string_view control, std::string_view gbk) = 0;
};

// The window that handlers act on. Not owned; nullptr detaches.
void attachControls(Controls* window);
Controls& controls();
// Counts the windows attached so far, so that state kept for one window
// (the last chosen save path) is not carried into the next.
std::uint64_t controlsGeneration();

// The handlers' vocabulary.
std::string getText(std::string_view control);
void setText(std::string_view control, std::string_view gbk);
bool isChecked(std::string_view control);

}  // namespace quenzar
