#include "app/qt/window_builder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <exception>
#include <ranges>

#include "app/qt/gbk_text.h"
#include "app/qt/look.h"
#include "app/qt/multi_line_edit.h"
#include "app/qt/single_line_edit.h"

// The icon lives in a static library, whose resource initialiser the linker
// would drop unless something refers to it.
static void loadResources() { Q_INIT_RESOURCE(quenzar); }

namespace quenzar {
namespace {

void setUpWindow(MainWindow& window, const WindowLayout& layout) {
  window.setObjectName(fromUtf8(layout.name));
  window.setWindowTitle(fromUtf8(layout.title));
  // Caption with system menu and close button; no minimise, no maximise.
  window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window.setFixedSize(clientSizeFor(layout.outerWidth, layout.outerHeight));
  loadResources();
  window.setWindowIcon(QIcon(QStringLiteral(":/quenzar/quenzar.svg")));
  QPalette face = window.palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  window.setPalette(face);
  window.setAutoFillBackground(true);
  window.setFont(guiFont());
  // Centred on the primary screen by the outer size, each half truncated.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - layout.outerWidth) / 2,
                area.y() + (area.height() - layout.outerHeight) / 2);
  }
}

// A label draws one line, left-aligned and vertically centred on its place,
// and is not clipped to it: its widget grows to the text's size around that
// centre line, and lets clicks through to whatever lies below.
QWidget* createLabel(const ControlLayout& control, QWidget* parent) {
  auto* label = new QLabel(fromUtf8(control.text), parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QRect labelGeometry(const QLabel& label, const ControlLayout& control) {
  const QSize text = label.fontMetrics().size(Qt::TextSingleLine, label.text());
  const int width = std::max(control.width, text.width());
  const int height = std::max(control.height, text.height());
  return {control.left, control.top - (height - control.height) / 2, width, height};
}

// Creates the control's widget as a child of the window, not yet shown, or
// gives nullptr for a kind this builder cannot make.
QWidget* createWidget(const ControlLayout& control, QWidget* window, EditBox*& editBox) {
  switch (control.kind) {
    case ControlKind::editBox: {
      if (control.edit.multiLine) {
        auto* box = new MultiLineEdit(control.edit, window);
        editBox = box;
        box->setPlainText(fromUtf8(control.text));
        return box;
      }
      auto* box = new SingleLineEdit(control.edit, window);
      editBox = box;
      box->setText(fromUtf8(control.text));
      box->setCursorPosition(0);
      return box;
    }
    case ControlKind::groupBox:
      return new QGroupBox(fromUtf8(control.text), window);
    case ControlKind::label:
      return createLabel(control, window);
    case ControlKind::button: {
      auto* button = new QPushButton(fromUtf8(control.text), window);
      button->setAutoDefault(false);  // Enter never clicks a button
      button->setDefault(false);
      return button;
    }
    case ControlKind::radioButton: {
      auto* radio = new QRadioButton(fromUtf8(control.text), window);
      radio->setAutoExclusive(true);  // one group per parent
      radio->setChecked(control.checked);
      return radio;
    }
    case ControlKind::fileDialog:
    case ControlKind::mainWindow:
      break;
  }
  return nullptr;
}

void placeControl(const BuiltControl& built, MainWindow& window) {
  const ControlLayout& control = *built.layout;
  if (!control.parent.empty()) built.widget->setParent(window.widget(control.parent));
  if (auto* label = qobject_cast<QLabel*>(built.widget)) {
    built.widget->setGeometry(labelGeometry(*label, control));
  } else {
    built.widget->setGeometry(control.left, control.top, control.width, control.height);
  }
  if (auto* box = dynamic_cast<SingleLineEdit*>(built.widget)) box->applyHeightRule();
}

void setFocusPolicy(const BuiltControl& built) {
  const ControlLayout& control = *built.layout;
  if (!canTakeFocus(control.kind)) {
    built.widget->setFocusPolicy(Qt::NoFocus);
  } else {
    // A control outside the Tab order still takes the focus when clicked.
    built.widget->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void attachBindings(const BuiltControl& built, MainWindow& window) {
  const ControlLayout* control = built.layout;
  EventDispatcher* dispatcher = &window.dispatcher();
  auto raise = [dispatcher, control](ControlEvent event) {
    dispatcher->dispatchEvent(control->bindings, event);
  };
  if (built.editBox != nullptr) {
    built.editBox->onTextChanged([raise] { raise(ControlEvent::textChanged); });
  }
  if (auto* button = qobject_cast<QAbstractButton*>(built.widget)) {
    QObject::connect(button, &QAbstractButton::clicked, &window,
                     [raise] { raise(ControlEvent::clicked); });
  }
}

bool buildControls(MainWindow& window, const WindowLayout& layout) {
  for (const ControlLayout& control : layout.controls) {
    EditBox* editBox = nullptr;
    QWidget* widget = createWidget(control, &window, editBox);
    if (widget == nullptr && control.kind != ControlKind::fileDialog) return false;
    if (widget != nullptr) widget->setObjectName(fromUtf8(control.name));
    window.addControl({&control, widget, editBox});
  }
  auto withWidgets = window.controls() |
                           std::views::filter([](const BuiltControl& c) { return c.widget; });
  for (const BuiltControl& built : withWidgets) {
    placeControl(built, window);
    setFocusPolicy(built);
    built.widget->setEnabled(!built.layout->disabled);
  }
  // Earlier in the list lies above: raise from the last entry to the first.
  for (const BuiltControl& built : window.controls() | std::views::reverse) {
    if (built.widget != nullptr) built.widget->raise();
  }
  for (const BuiltControl& built : withWidgets) attachBindings(built, window);
  for (const BuiltControl& built : withWidgets) built.widget->setVisible(built.layout->visible);
  return true;
}

}  // namespace

std::unique_ptr<MainWindow> buildWindow(const WindowLayout& layout, HandlerCall call) {
  try {
    auto window = std::make_unique<MainWindow>(layout, call);
    {
      ScopedEventSuspension building(window->dispatcher());
      setUpWindow(*window, layout);
      if (!buildControls(*window, layout)) return nullptr;
    }
    window->attachControlAccess();
    window->dispatcher().dispatchEvent(layout.bindings, ControlEvent::created);
    if (QWidget* first = window->firstFocusControl()) first->setFocus(Qt::ActiveWindowFocusReason);
    window->show();
    window->activateWindow();
    return window;
  } catch (const std::exception&) {
    return nullptr;
  }
}

}  // namespace quenzar
