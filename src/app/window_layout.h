#pragma once
// The description of a window as plain constant data: the window's own
// settings, its event bindings and an ordered list of controls. The builder
// turns any such description into real widgets; nothing here knows a toolkit.
//
// The order of the control list matters three times over:
//  - stacking: among the children of one parent, an earlier control lies above
//    every later one;
//  - Tab order: with equal tabOrder keys the list is walked backwards, so the
//    last focusable entry comes first;
//  - first focus: the first control of that Tab order.
//
// Control texts are UTF-8 literals; they become GBK only at the control
// access edge. The file dialog settings are GBK (below).

#include <cstdint>
#include <span>
#include <string_view>

namespace quenzar {

enum class ControlKind {
  mainWindow,   // only as the window itself, never as an entry of the list
  editBox,
  groupBox,
  label,
  button,
  radioButton,
  fileDialog,   // a holder of dialog settings: no widget, no place, no focus
};

// The events a binding can name. Each carries no arguments.
enum class ControlEvent {
  created,      // the main window, once, after every control exists
  clicked,      // buttons and radio buttons: mouse click or Space
  textChanged,  // edit boxes: every user change, and once per setText
};

// Handlers take no arguments and return nothing; they read their inputs
// from the controls and write their results back into them.
using Handler = void (*)();

// An event bound to the handler procedure itself; its name is kept beside
// it for messages and tests. Write bindings with QUENZAR_BIND, which names
// the procedure once, so a misspelt handler does not compile.
struct EventBinding {
  ControlEvent event{};
  Handler handler = nullptr;
  std::string_view handlerName{};
};

#define QUENZAR_BIND(event, procedure) \
  ::quenzar::EventBinding { (event), &(procedure), #procedure }

struct Rgb {
  std::uint8_t red, green, blue;
};

// face empty means the desktop's default GUI font; then pixelHeight and bold
// are ignored.
struct FontChoice {
  std::string_view face{};
  int pixelHeight = 0;  // character (em) height, not cell height
  bool bold = false;
};

enum class TextAlign { left, centre };

struct EditBoxSettings {
  bool multiLine = false;  // wraps at the right edge, Enter breaks the line
  bool verticalScrollBar = false;
  TextAlign align = TextAlign::left;
  Rgb textColour{0, 0, 0};
  Rgb backColour{255, 255, 255};
  FontChoice font{};
  // Characters at or above U+0020 that typing may enter; empty lets all
  // through. Control characters always pass, and pasting is never filtered.
  std::string_view typedCharacters{};
};

// The settings of a save/open dialog holder, constant like the rest of the
// layout. Unlike the other layout texts they are GBK bytes, the form in which
// the save handler and the desktop take them. The file name is only the one
// proposed first; the save keeps the last chosen path at run time.
struct FileDialogSettings {
  int kind = 1;  // 1 save, 0 open
  std::string_view title{};
  std::string_view fileName{};
  std::string_view filter{};  // "description|pattern|description|pattern..."
  int initialFilter = 0;    // counted from 0
  std::string_view initialFolder{};
  std::string_view defaultExtension{};  // with its leading point
  bool createPrompt = false;
  bool fileMustExist = false;
  bool overwritePrompt = false;
  bool pathMustExist = false;
  bool keepCurrentFolder = false;
};

struct ControlLayout {
  ControlKind kind{};
  std::string_view name{};  // unique in the window; handlers address controls by it
  int left = 0, top = 0, width = 0, height = 0;  // relative to the parent's client area
  std::string_view parent{};  // a group box, or empty for the main window
  bool visible = true;
  bool disabled = false;
  bool tabStop = true;
  int tabOrder = 0;  // smaller first; ties go by reverse list order
  std::span<const EventBinding> bindings{};
  // Kind settings. text is the initial text of an edit box, or the caption of
  // a label, group box, button or radio button.
  std::string_view text{};
  bool checked = false;  // radio buttons
  EditBoxSettings edit{};
  const FileDialogSettings* fileDialog = nullptr;
};

struct WindowLayout {
  std::string_view name{};  // how control access addresses the window (its title)
  std::string_view title{};
  int outerWidth = 0, outerHeight = 0;  // frame and caption included
  bool escCloses = false;
  std::span<const EventBinding> bindings{};
  std::span<const ControlLayout> controls{};
};

// The entry called name, or nullptr.
const ControlLayout* findControl(const WindowLayout& layout, std::string_view name);

// Whether a control of this kind can hold the keyboard focus.
bool canTakeFocus(ControlKind kind);

}  // namespace quenzar
