#include "ui/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <set>

#include "ui/input.h"
#include "ui/qt/canvas_widget.h"
#include "ui/qt/colours.h"
#include "ui/qt/keys.h"
#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

// Twips to whole pixels, the rounding the canvas uses for a picture box's size.
int Px(float twips) { return static_cast<int>(std::floor(twips / static_cast<float>(TwipsPerPixel) + 0.5f)); }
int Round(double v) { return static_cast<int>(std::floor(v + 0.5)); }

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The dialog face of the platform the forms were laid out on (substituted by QtPlatform).
constexpr const char* DefaultControlFace = "MS Sans Serif";

// A line control: paints one straight line in its container's coordinates; it covers
// the container and lets the pointer through.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  void Set(QPoint a, QPoint b, QColor colour, int width, bool dotted) {
    if (a == a_ && b == b_ && colour == colour_ && width == width_ && dotted == dotted_) return;
    a_ = a, b_ = b, colour_ = colour, width_ = width, dotted_ = dotted;
    update();
  }
  void Paint(QPainter& p) const {
    QPen pen(colour_, width_);
    if (dotted_) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.drawLine(a_, b_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    Paint(p);
  }

 private:
  QPoint a_, b_;
  QColor colour_;
  int width_ = 1;
  bool dotted_ = false;
};

// A label's text as the painter's own text, so that a page keeps it as text.
void PaintLabel(QPainter& p, const QLabel& label) {
  const QRect r(QPoint(0, 0), label.size());
  if (label.autoFillBackground()) p.fillRect(r, label.palette().color(QPalette::Window));
  if (label.frameStyle() != QFrame::NoFrame) {
    p.setPen(label.palette().color(QPalette::WindowText));
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  p.setFont(label.font());
  p.setPen(label.palette().color(QPalette::WindowText));
  const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  p.drawText(label.contentsRect(), flags, label.text());
}

// Any other widget as a picture at the painter's device resolution.
void PaintAsPicture(QPainter& p, QWidget& w) {
  const QTransform& device = p.deviceTransform();
  const double scale = std::max(1.0, std::hypot(device.m11(), device.m12()));
  QImage image(std::max(1, Round(w.width() * scale)), std::max(1, Round(w.height() * scale)),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);
  w.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  p.drawImage(QRectF(0, 0, w.width(), w.height()), image);
}

bool HasChildren(const Form& form, const Menu* m) {
  for (Control* c : form.Controls())
    if (c->Kind() == ControlKind::Menu && static_cast<Menu*>(c)->ParentMenu == m) return true;
  return false;
}

// A separator's caption "-" is its mark, not a text to show beside the line.
QString ItemText(const std::string& caption) { return caption == "-" ? QString() : Q(caption); }

std::string ColourKey(std::initializer_list<int32_t> values) {
  std::string key;
  for (int32_t v : values) key += std::to_string(v) + ",";
  return key;
}

void SetRole(QWidget& w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w.palette();
  if (p.color(role) == colour) return;
  p.setColor(role, colour);
  w.setPalette(p);
}

}  // namespace

FormWindow::FormWindow(Form& form, QtPlatform& platform) : form_(&form), platform_(platform) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setContextMenuPolicy(Qt::NoContextMenu);
  client_ = new QWidget(this);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);
  installEventFilter(this);
  client_->installEventFilter(this);

  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (form.BorderStyle == BorderStyles::Sizable) {
    flags |= Qt::Window | Qt::WindowSystemMenuHint;
    if (form.MinButton) flags |= Qt::WindowMinimizeButtonHint;
    if (form.MaxButton) flags |= Qt::WindowMaximizeButtonHint;
  } else {
    flags |= Qt::Dialog;
  }
  if (form.ControlBox) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
  setWindowFlags(flags);
  BuildMenus();
}

FormWindow::~FormWindow() = default;

void FormWindow::Detach() {
  form_ = nullptr;
  for (auto& [control, entry] : entries_)
    if (auto* canvas = dynamic_cast<CanvasWidget*>(entry.widget.data())) canvas->Detach();
  entries_.clear();
  owners_.clear();
  menus_.clear();
}

QWidget* FormWindow::WidgetOf(const Control* control) const {
  auto it = entries_.find(const_cast<Control*>(control));
  return it == entries_.end() ? nullptr : it->second.widget.data();
}

CanvasWidget* FormWindow::CanvasOf(const PictureBox& box) const { return dynamic_cast<CanvasWidget*>(WidgetOf(&box)); }

Control* FormWindow::ControlOf(QObject* watched) const {
  auto it = owners_.find(watched);
  return it == owners_.end() ? nullptr : it->second;
}

// ---- widgets -------------------------------------------------------------------------

QWidget* FormWindow::ParentFor(Control* container) {
  if (!container) return client_;
  auto it = entries_.find(container);
  if (it == entries_.end()) {
    QWidget* parent = ParentFor(container->Container);
    QWidget* w = CreateWidget(*container, parent);
    if (!w) return client_;
    it = entries_.find(container);
  }
  return it->second.widget ? it->second.widget.data() : client_;
}

QWidget* FormWindow::CreateWidget(Control& c, QWidget* parent) {
  Control* ctl = &c;
  auto live = [this] { return form_ != nullptr; };
  QWidget* w = nullptr;
  switch (c.Kind()) {
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      w = label;
      break;
    }
    case ControlKind::TextBox: {
      auto& box = static_cast<TextBox&>(c);
      if (box.MultiLine) {
        auto* edit = new QPlainTextEdit(parent);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, live, ctl, edit] {
          if (!live()) return;
          auto& tb = static_cast<TextBox&>(*ctl);
          const std::string text = edit->toPlainText().toStdString();
          if (text == tb.Text) return;  // our own update
          tb.Text = text;
          entries_[ctl].text = text;
          platform_.Dispatch([ctl] {
            auto& t = static_cast<TextBox&>(*ctl);
            if (t.Change) t.Change();
          });
        });
        w = edit;
      } else {
        auto* edit = new QLineEdit(parent);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, live, ctl](const QString& text) {
          if (!live()) return;
          auto& tb = static_cast<TextBox&>(*ctl);
          tb.Text = text.toStdString();
          entries_[ctl].text = tb.Text;
          platform_.Dispatch([ctl] {
            auto& t = static_cast<TextBox&>(*ctl);
            if (t.Change) t.Change();
          });
        });
        w = edit;
      }
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);
      QObject::connect(button, &QPushButton::clicked, button, [this, live, ctl] {
        if (!live()) return;
        platform_.Dispatch([ctl] {
          if (ctl->Click) ctl->Click();
        });
      });
      w = button;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      QObject::connect(box, &QCheckBox::clicked, box, [this, live, ctl, box] {
        if (!live()) return;
        static_cast<CheckBox&>(*ctl).Value = box->isChecked() ? 1 : 0;
        platform_.Dispatch([ctl] {
          if (ctl->Click) ctl->Click();
        });
      });
      w = box;
      break;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);  // the runtime clears the others of the container
      QObject::connect(option, &QRadioButton::clicked, option, [this, live, ctl] {
        if (!live()) return;
        platform_.Dispatch([ctl] { static_cast<OptionButton&>(*ctl).Choose(); });
      });
      w = option;
      break;
    }
    case ControlKind::Frame:
      w = new QGroupBox(parent);
      break;
    case ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      QObject::connect(list, &QListWidget::currentRowChanged, list, [this, live, ctl](int row) {
        if (!live()) return;
        auto& lb = static_cast<ListBox&>(*ctl);
        if (lb.ListIndex == row) return;  // our own update
        lb.ListIndex = row;
        platform_.Dispatch([ctl] {
          if (ctl->Click) ctl->Click();
        });
      });
      QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, live, ctl] {
        if (!live()) return;
        platform_.Dispatch([ctl] {
          if (ctl->DblClick) ctl->DblClick();
        });
      });
      w = list;
      break;
    }
    case ControlKind::PictureBox:
      w = new CanvasWidget(static_cast<PictureBox&>(c), platform_, parent);
      break;
    case ControlKind::Line:
      w = new LineWidget(parent);
      break;
    case ControlKind::Toolbar: {
      auto* bar = new QToolBar(parent);
      bar->setMovable(false);
      bar->setFloatable(false);
      bar->setFocusPolicy(Qt::NoFocus);
      bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
      w = bar;
      break;
    }
    case ControlKind::Menu:
      return nullptr;
  }
  Entry& e = entries_[&c];
  e.widget = w;
  e.parent = c.Container;
  owners_[w] = &c;
  w->installEventFilter(this);
  w->show();
  return w;
}

void FormWindow::EnsureWidgets() {
  const std::vector<Control*>& controls = form_->Controls();
  const std::set<Control*> live(controls.begin(), controls.end());
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (live.count(it->first) && it->second.parent == it->first->Container) {
      ++it;
      continue;
    }
    // The control is gone or moved to another container: its widget goes.
    if (QWidget* w = it->second.widget) {
      if (auto* canvas = dynamic_cast<CanvasWidget*>(w)) canvas->Detach();
      owners_.erase(w);
      w->hide();
      w->disconnect();
      w->deleteLater();
    }
    it = entries_.erase(it);
  }
  for (Control* c : controls) {
    if (c->Kind() == ControlKind::Menu || entries_.count(c)) continue;
    CreateWidget(*c, ParentFor(c->Container));
  }
}

void FormWindow::SyncGeometry(Control& c, QWidget& w) {
  QRect r;
  Control* box = c.Container;
  if (box && box->Kind() == ControlKind::PictureBox) {
    // Placed in the box's own units, over its image.
    auto& pb = static_cast<PictureBox&>(*box);
    const int frame = pb.BorderStyle != 0 ? 2 : 0;
    double sx = 1, sy = 1;
    if (pb.ScaleMode == ScaleModes::Twip) {
      sx = sy = 1.0 / TwipsPerPixel;
    } else if (pb.ScaleMode == ScaleModes::User) {
      sx = pb.ScaleWidth != 0 ? pb.PixelWidth() / std::fabs(static_cast<double>(pb.ScaleWidth)) : 0;
      sy = pb.ScaleHeight != 0 ? pb.PixelHeight() / std::fabs(static_cast<double>(pb.ScaleHeight)) : 0;
    }
    r = QRect(Round(pb.ToPixelX(c.Left)) + frame, Round(pb.ToPixelY(c.Top)) + frame, Round(c.Width * sx),
              Round(c.Height * sy));
  } else {
    r = QRect(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
  }
  if (c.Kind() == ControlKind::Label && static_cast<Label&>(c).AutoSize) r.setSize(w.sizeHint());
  if (c.Kind() == ControlKind::Line) {
    auto& line = static_cast<LineShape&>(c);
    QWidget* parent = w.parentWidget();
    w.setGeometry(parent ? parent->rect() : QRect());
    QPoint a, b;
    if (box && box->Kind() == ControlKind::PictureBox) {
      auto& pb = static_cast<PictureBox&>(*box);
      const int frame = pb.BorderStyle != 0 ? 2 : 0;
      a = QPoint(Round(pb.ToPixelX(line.X1)) + frame, Round(pb.ToPixelY(line.Y1)) + frame);
      b = QPoint(Round(pb.ToPixelX(line.X2)) + frame, Round(pb.ToPixelY(line.Y2)) + frame);
    } else {
      a = QPoint(Px(line.X1), Px(line.Y1));
      b = QPoint(Px(line.X2), Px(line.Y2));
    }
    static_cast<LineWidget&>(w).Set(a, b, ToQColor(line.BorderColor, palette()), std::max<int>(1, line.BorderWidth),
                                    line.BorderStyle == 3);
    w.raise();
    return;
  }
  if (w.geometry() != r) w.setGeometry(r);
}

void FormWindow::SyncFont(Control& c, QWidget& w, Entry& e) {
  const Label* single = nullptr;
  if (c.Kind() == ControlKind::Label && !static_cast<Label&>(c).WordWrap) single = &static_cast<Label&>(c);
  std::string key = c.FontName + "|" + std::to_string(c.FontSize) + "|" + (c.FontBold ? "b" : "");
  if (single) key += "|" + single->Caption + "|" + std::to_string(Px(c.Width));
  if (key == e.font) return;
  e.font = key;
  QFont font = QApplication::font();
  // Controls that name no face get the dialog face their twip layout was measured
  // against; the desktop's wider default face cuts captions off at the label's edge.
  font.setFamily(Q(c.FontName.empty() ? std::string(DefaultControlFace) : c.FontName));
  // Points at the 96 dpi that the twips assume, so text keeps its size against the layout.
  font.setPixelSize(std::max(1, Round(c.FontSize * 96.0 / 72.0)));
  font.setBold(c.FontBold);
  // A one-line caption wider than its label, in a face a little wider than the one the
  // layout was drawn with, steps down a pixel or two rather than lose its last letters.
  if (single) {
    const QString text = Q(single->Caption);
    const int floor = std::max(1, font.pixelSize() - 3);
    while (font.pixelSize() > floor && QFontMetrics(font).horizontalAdvance(text) > Px(c.Width))
      font.setPixelSize(font.pixelSize() - 1);
  }
  w.setFont(font);
}

void FormWindow::SyncControl(Control& c, Entry& e) {
  QWidget* w = e.widget;
  if (!w) return;
  const QPalette& pal = palette();
  switch (c.Kind()) {
    case ControlKind::Label: {
      auto& l = static_cast<Label&>(c);
      auto* label = static_cast<QLabel*>(w);
      if (e.text != l.Caption || label->text().isEmpty() != l.Caption.empty()) {
        e.text = l.Caption;
        label->setText(Q(l.Caption));
      }
      const std::string colours =
          ColourKey({l.ForeColor, l.BackColor, l.BackStyle, l.Alignment, l.BorderStyle, l.WordWrap ? 1 : 0});
      if (colours != e.colours) {
        e.colours = colours;
        SetRole(*label, QPalette::WindowText, ToQColor(l.ForeColor, pal));
        SetRole(*label, QPalette::Window, ToQColor(l.BackColor, pal));
        label->setAutoFillBackground(l.BackStyle != 0);
        const Qt::Alignment h = l.Alignment == 1 ? Qt::AlignRight : l.Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(h | Qt::AlignTop);
        label->setFrameStyle(l.BorderStyle != 0 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
        label->setWordWrap(l.WordWrap);
      }
      const bool mouse = l.Click || l.DblClick || l.MouseDown || l.MouseMove || l.MouseUp;
      label->setAttribute(Qt::WA_TransparentForMouseEvents, !mouse);
      break;
    }
    case ControlKind::TextBox: {
      auto& t = static_cast<TextBox&>(c);
      if (auto* edit = dynamic_cast<QLineEdit*>(w)) {
        // Before the text, and only on a change: setting the limit puts the caret at the end.
        const int limit = t.MaxLength > 0 ? t.MaxLength : 32767;
        if (edit->maxLength() != limit) edit->setMaxLength(limit);
        if (edit->text().toStdString() != t.Text) {
          edit->setText(Q(t.Text));
          // A box the user types in keeps the caret at the end; a locked box that only
          // shows a message shows its beginning, where a long prompt says what to do.
          edit->setCursorPosition(t.Locked ? 0 : static_cast<int>(edit->text().size()));
        }
        edit->setReadOnly(t.Locked);
        const Qt::Alignment h = t.Alignment == 1 ? Qt::AlignRight : t.Alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
        if (edit->alignment() != (h | Qt::AlignVCenter)) edit->setAlignment(h | Qt::AlignVCenter);
      } else if (auto* text = dynamic_cast<QPlainTextEdit*>(w)) {
        if (text->toPlainText().toStdString() != t.Text) text->setPlainText(Q(t.Text));
        text->setReadOnly(t.Locked);
      }
      const std::string colours = ColourKey({t.ForeColor, t.BackColor});
      if (colours != e.colours) {
        e.colours = colours;
        SetRole(*w, QPalette::Base, ToQColor(t.BackColor, pal));
        SetRole(*w, QPalette::Text, ToQColor(t.ForeColor, pal));
      }
      break;
    }
    case ControlKind::CommandButton: {
      auto& b = static_cast<CommandButton&>(c);
      auto* button = static_cast<QPushButton*>(w);
      if (e.text != b.Caption) {
        e.text = b.Caption;
        button->setText(Q(b.Caption));
      }
      const std::string sig =
          std::to_string(b.Picture.Width) + "x" + std::to_string(b.Picture.Height) + ":" +
          std::to_string(std::hash<std::string>{}(
              std::string(reinterpret_cast<const char*>(b.Picture.Pixels.data()), b.Picture.Pixels.size() * 4)));
      if (sig != e.signature) {
        e.signature = sig;
        const QImage image = ToQImage(b.Picture, pal);
        button->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
        if (!image.isNull()) button->setIconSize(image.size());
      }
      break;
    }
    case ControlKind::CheckBox: {
      auto& b = static_cast<CheckBox&>(c);
      auto* box = static_cast<QCheckBox*>(w);
      if (e.text != b.Caption) {
        e.text = b.Caption;
        box->setText(Q(b.Caption));
      }
      const Qt::CheckState state = b.Value == 1 ? Qt::Checked : b.Value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
      if (box->checkState() != state) box->setCheckState(state);
      break;
    }
    case ControlKind::OptionButton: {
      auto& o = static_cast<OptionButton&>(c);
      auto* option = static_cast<QRadioButton*>(w);
      if (e.text != o.Caption) {
        e.text = o.Caption;
        option->setText(Q(o.Caption));
      }
      if (option->isChecked() != o.Value) option->setChecked(o.Value);
      break;
    }
    case ControlKind::Frame: {
      auto& f = static_cast<Frame&>(c);
      if (e.text != f.Caption) {
        e.text = f.Caption;
        static_cast<QGroupBox*>(w)->setTitle(Q(f.Caption));
      }
      break;
    }
    case ControlKind::ListBox: {
      auto& l = static_cast<ListBox&>(c);
      auto* list = static_cast<QListWidget*>(w);
      const QSignalBlocker block(list);
      if (e.items != l.Items) {
        e.items = l.Items;
        list->clear();
        for (const std::string& item : l.Items) list->addItem(Q(item));
      }
      const int row = l.ListIndex >= 0 && l.ListIndex < l.ListCount() ? l.ListIndex : -1;
      if (list->currentRow() != row) list->setCurrentRow(row);
      break;
    }
    case ControlKind::PictureBox:
      static_cast<CanvasWidget*>(w)->SyncImage();
      break;
    case ControlKind::Toolbar: {
      auto& t = static_cast<Toolbar&>(c);
      auto* bar = static_cast<QToolBar*>(w);
      std::string sig;
      QSize icon(16, 16);
      for (const ToolbarButton& b : t.Buttons) {
        sig += b.Separator
                   ? "|"
                   : b.Key + "#" + std::to_string(b.Picture.Width) + "x" + std::to_string(b.Picture.Height) +
                         std::to_string(std::hash<std::string>{}(std::string(
                             reinterpret_cast<const char*>(b.Picture.Pixels.data()), b.Picture.Pixels.size() * 4))) +
                         ";";
        if (!b.Picture.Empty()) icon = QSize(b.Picture.Width, b.Picture.Height);
      }
      if (sig != e.signature) {
        e.signature = sig;
        bar->clear();
        bar->setIconSize(icon);
        for (size_t i = 0; i < t.Buttons.size(); ++i) {
          const ToolbarButton& b = t.Buttons[i];
          if (b.Separator) {
            bar->addSeparator();
            continue;
          }
          const QImage image = ToQImage(b.Picture, pal);
          QAction* a = bar->addAction(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)), Q(b.Key));
          QObject::connect(a, &QAction::triggered, bar, [this, live = form_, ctl = &t, i] {
            if (!form_ || form_ != live) return;
            platform_.Dispatch([ctl, i] {
              if (i < ctl->Buttons.size() && ctl->ButtonClick) ctl->ButtonClick(ctl->Buttons[i]);
            });
          });
        }
      }
      const QList<QAction*> actions = bar->actions();
      for (int i = 0; i < actions.size() && i < static_cast<int>(t.Buttons.size()); ++i) {
        const ToolbarButton& b = t.Buttons[static_cast<size_t>(i)];
        QAction* a = actions[i];
        if (a->isEnabled() != b.Enabled) a->setEnabled(b.Enabled);
        if (a->isVisible() != b.Visible) a->setVisible(b.Visible);
        if (a->toolTip() != Q(b.ToolTipText)) a->setToolTip(Q(b.ToolTipText));
      }
      break;
    }
    case ControlKind::Line:
    case ControlKind::Menu:
      break;
  }
  SyncFont(c, *w, e);
  SyncGeometry(c, *w);
  if (w->isVisibleTo(w->parentWidget()) != c.Visible) w->setVisible(c.Visible);
  if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
  if (w->toolTip() != Q(c.ToolTipText)) w->setToolTip(Q(c.ToolTipText));
  const bool focusable = c.Kind() == ControlKind::TextBox || c.Kind() == ControlKind::CommandButton ||
                         c.Kind() == ControlKind::CheckBox || c.Kind() == ControlKind::OptionButton ||
                         c.Kind() == ControlKind::ListBox || c.Kind() == ControlKind::PictureBox;
  if (focusable) {
    const Qt::FocusPolicy policy = c.TabStop ? Qt::StrongFocus : Qt::ClickFocus;
    if (w->focusPolicy() != policy) w->setFocusPolicy(policy);
  }
}

void FormWindow::SyncTabOrder() {
  std::vector<Control*> order;
  for (Control* c : form_->Controls())
    if (QWidget* w = WidgetOf(c); w && w->focusPolicy() != Qt::NoFocus) order.push_back(c);
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
  std::string sig;
  for (Control* c : order)
    sig += std::to_string(reinterpret_cast<uintptr_t>(c)) + ":" + std::to_string(c->TabIndex) + ";";
  if (sig == tabSignature_) return;
  tabSignature_ = sig;
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(WidgetOf(order[i - 1]), WidgetOf(order[i]));
}

// ---- menus ---------------------------------------------------------------------------

void FormWindow::BuildMenus() {
  menuBar()->clear();
  menus_.clear();
  menuCount_ = 0;
  std::vector<Menu*> all;
  for (Control* c : form_->Controls())
    if (c->Kind() == ControlKind::Menu) all.push_back(static_cast<Menu*>(c));
  menuCount_ = all.size();
  if (all.empty()) {
    menuBar()->hide();
    return;
  }
  menuBar()->setFixedHeight(QtPlatform::MenuBarHeight());
  menuBar()->show();
  auto live = [this] { return form_ != nullptr; };
  // Parents come before their items in the form's control list.
  for (Menu* m : all) {
    MenuEntry entry;
    entry.caption = m->Caption;
    QMenu* parent = nullptr;
    if (m->ParentMenu) {
      auto it = menus_.find(m->ParentMenu);
      if (it == menus_.end() || !it->second.menu) continue;
      parent = it->second.menu;
    }
    if (HasChildren(*form_, m)) {
      QMenu* menu = parent ? parent->addMenu(Q(m->Caption)) : menuBar()->addMenu(Q(m->Caption));
      QObject::connect(menu, &QMenu::aboutToShow, menu, [this, live, m] {
        if (!live()) return;
        platform_.Dispatch([m] {
          if (m->Click) m->Click();
        });
      });
      entry.menu = menu;
      entry.action = menu->menuAction();
    } else {
      QAction* a = parent ? parent->addAction(ItemText(m->Caption)) : menuBar()->addAction(ItemText(m->Caption));
      if (m->Caption == "-") a->setSeparator(true);
      QObject::connect(a, &QAction::triggered, a, [this, live, m] {
        if (!live()) return;
        platform_.Dispatch([m] {
          if (m->Click) m->Click();
        });
      });
      entry.action = a;
    }
    menus_[m] = entry;
  }
}

void FormWindow::SyncMenus() {
  size_t count = 0;
  for (Control* c : form_->Controls())
    if (c->Kind() == ControlKind::Menu) ++count;
  if (count != menuCount_) BuildMenus();
  for (auto& [m, entry] : menus_) {
    QAction* a = entry.action;
    if (!a) continue;
    if (entry.caption != m->Caption) {
      entry.caption = m->Caption;
      if (entry.menu)
        entry.menu->setTitle(Q(m->Caption));
      else
        a->setText(ItemText(m->Caption));
      if (!entry.menu) a->setSeparator(m->Caption == "-");
    }
    if (a->isEnabled() != m->Enabled) a->setEnabled(m->Enabled);
    if (a->isVisible() != m->Visible) a->setVisible(m->Visible);
    if (!entry.menu) {
      if (a->isCheckable() != m->Checked) a->setCheckable(m->Checked);
      if (a->isChecked() != m->Checked) a->setChecked(m->Checked);
      const QKeySequence shortcut = QKeySequence::fromString(Q(m->Shortcut), QKeySequence::PortableText);
      if (a->shortcut() != shortcut) a->setShortcut(shortcut);
    }
  }
}

// ---- the window ----------------------------------------------------------------------

void FormWindow::SyncWindowGeometry() {
  Form& f = *form_;
  if (windowTitle() != Q(f.Caption)) setWindowTitle(Q(f.Caption));
  const std::string back = std::to_string(f.BackColor);
  SetRole(*client_, QPalette::Window, ToQColor(f.BackColor, palette()));
  if (f.Width <= 0 || f.Height <= 0) {
    // A form nobody sized: big enough for its controls.
    float right = 0, bottom = 0;
    for (Control* c : f.Controls())
      if (!c->Container && c->Kind() != ControlKind::Menu) {
        right = std::max(right, c->Left + c->Width);
        bottom = std::max(bottom, c->Top + c->Height);
      }
    f.SetClientSize(right + 120, bottom + 120);
  }
  if (isVisible() && f.WindowState != knownState_) {
    knownState_ = f.WindowState;
    if (f.WindowState == WindowMinimized)
      showMinimized();
    else if (f.WindowState == WindowMaximized)
      showMaximized();
    else
      showNormal();
  }
  // A window first shown maximised or minimised still takes the form's rectangle as its
  // normal one, so that restoring it brings that rectangle back.
  if (f.WindowState != WindowNormal && isVisible()) return;
  applyingGeometry_ = true;
  if (f.Width != knownWidth_ || f.Height != knownHeight_) {
    knownWidth_ = f.Width;
    knownHeight_ = f.Height;
    const QSize size(std::max(1, Px(f.Width)), std::max(1, Px(f.Height)));
    if (f.BorderStyle == BorderStyles::FixedDialog)
      setFixedSize(size);
    else if (this->size() != size)
      resize(size);
  }
  if (f.Left != knownLeft_ || f.Top != knownTop_) {
    knownLeft_ = f.Left;
    knownTop_ = f.Top;
    if (placed_ || f.Left != 0 || f.Top != 0) {
      placed_ = true;
      move(Px(f.Left), Px(f.Top));
    }
  }
  applyingGeometry_ = false;
}

void FormWindow::Sync() {
  if (!form_) return;
  SyncWindowGeometry();
  if (!form_) return;
  SyncMenus();
  EnsureWidgets();
  // Containers first, so that children are placed in their container's current size.
  for (Control* c : form_->Controls()) {
    if (!form_) return;
    auto it = entries_.find(c);
    if (it != entries_.end()) SyncControl(*c, it->second);
  }
  SyncTabOrder();
}

void FormWindow::PaintPage(QPainter& p) {
  Sync();
  p.fillRect(client_->rect(), client_->palette().color(QPalette::Window));
  PaintChildren(p, *client_);
}

void FormWindow::PaintChildren(QPainter& p, QWidget& parent) {
  // Children in their stacking order, bottom first, each clipped to its own rectangle.
  for (QObject* child : parent.children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w || w->isWindow() || w->isHidden()) continue;
    p.save();
    p.translate(w->pos());
    p.setClipRect(QRect(QPoint(0, 0), w->size()), Qt::IntersectClip);
    if (auto* label = qobject_cast<QLabel*>(w))
      PaintLabel(p, *label);
    else if (auto* line = dynamic_cast<LineWidget*>(w))
      line->Paint(p);
    else if (auto* canvas = dynamic_cast<CanvasWidget*>(w))
      canvas->Paint(p, true);
    else
      PaintAsPicture(p, *w);
    PaintChildren(p, *w);
    p.restore();
  }
}

void FormWindow::ShowForm(bool modal) {
  if (!form_) return;
  if (modal) setWindowModality(Qt::ApplicationModal);
  QWidget* active = QApplication::activeWindow();
  auto* owner = dynamic_cast<FormWindow*>(active);
  if (owner == this) owner = nullptr;
  if (owner && (modal || form_->BorderStyle == BorderStyles::FixedDialog)) {
    create();
    if (windowHandle() && owner->windowHandle()) windowHandle()->setTransientParent(owner->windowHandle());
  }
  Sync();
  if (!form_) return;
  if (!placed_) {
    // No place given: centred over the window it belongs to, or on the screen.
    const QRect area = owner ? owner->frameGeometry() : screen()->availableGeometry();
    QRect r(QPoint(0, 0), size());
    r.moveCenter(area.center());
    move(std::max(area.left(), r.left()), std::max(area.top(), r.top()));
    placed_ = true;
  }
  knownState_ = form_->WindowState;
  if (form_->WindowState == WindowMaximized)
    showMaximized();
  else if (form_->WindowState == WindowMinimized)
    showMinimized();
  else
    show();
  raise();
  activateWindow();
  ApplyFocus();
}

void FormWindow::ApplyFocus() {
  if (!form_ || !form_->ActiveControl) return;
  if (QWidget* w = WidgetOf(form_->ActiveControl); w && !w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
}

void FormWindow::FireResize() {
  if (!form_ || !form_->Resize) return;
  Form* f = form_;
  platform_.Dispatch([f] {
    if (!f->Resize) return;
    auto handler = f->Resize;
    handler();
  });
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!form_) return;
  if (!isMaximized() && !isMinimized()) {
    if (Px(form_->Width) != width()) form_->Width = static_cast<float>(width() * TwipsPerPixel);
    if (Px(form_->Height) != height()) form_->Height = static_cast<float>(height() * TwipsPerPixel);
    knownWidth_ = form_->Width;
    knownHeight_ = form_->Height;
  } else {
    // The outer size the form reports while maximised is the window's.
    form_->Width = static_cast<float>(width() * TwipsPerPixel);
    form_->Height = static_cast<float>(height() * TwipsPerPixel);
  }
  if (size() == lastClient_) return;
  lastClient_ = size();
  FireResize();
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!form_ || isMaximized() || isMinimized() || !isVisible()) return;
  if (Px(form_->Left) != x()) form_->Left = static_cast<float>(x() * TwipsPerPixel);
  if (Px(form_->Top) != y()) form_->Top = static_cast<float>(y() * TwipsPerPixel);
  knownLeft_ = form_->Left;
  knownTop_ = form_->Top;
}

void FormWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (!form_ || event->type() != QEvent::WindowStateChange) return;
  const int16_t state = isMinimized() ? WindowMinimized : isMaximized() ? WindowMaximized : WindowNormal;
  const int16_t before = form_->WindowState;
  form_->WindowState = state;
  knownState_ = state;
  if (state == WindowNormal) {
    // Back to the normal rectangle: apply the form's size again.
    knownWidth_ = knownHeight_ = -1;
  }
  if (before != state && (before == WindowMinimized || state == WindowMinimized)) {
    lastClient_ = QSize();
    FireResize();
  }
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!form_) return;
  if (!form_->ControlBox) return;
  Form* f = form_;
  platform_.Dispatch([f] { f->Unload(UnloadFromControlMenu); });
}

bool FormWindow::DeliverKey(Control* control, QObject* watched, QKeyEvent* key, bool press) {
  Form* f = form_;
  const int16_t code = KeyCode(*key);
  const int16_t shift = ShiftMask(key->modifiers());
  if (!press) {
    if (key->isAutoRepeat() || code == 0) return false;
    int16_t left = code;
    platform_.Dispatch([&] {
      if (f->IsLoaded()) left = DeliverKeyUp(*f, control, code, shift);
    });
    return !form_ || left == 0;
  }
  // Tab moves the focus, as the platform does, without a key event.
  if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
      !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  bool consumed = false;
  int16_t replacement = 0;
  platform_.Dispatch([&] {
    if (code != 0) {
      if (DeliverKeyDown(*f, control, code, shift) == 0) consumed = true;
      if (!f->IsLoaded()) {
        consumed = true;
        return;
      }
    }
    const int16_t ascii = KeyAscii(*key);
    if (ascii == 0) return;
    const int16_t left = DeliverKeyPress(*f, control, ascii);
    if (!f->IsLoaded() || left == 0) {
      consumed = true;
    } else if (left != ascii) {
      replacement = left;
      consumed = true;
    }
  });
  if (!form_) return true;
  if (replacement != 0 && replacement >= 32) {
    if (auto* edit = dynamic_cast<QLineEdit*>(watched); edit && !edit->isReadOnly()) {
      edit->insert(QString(QChar(replacement)));
      auto& t = static_cast<TextBox&>(*control);
      t.Text = edit->text().toStdString();
      platform_.Dispatch([&t] {
        if (t.Change) t.Change();
      });
    }
  }
  if (!consumed && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    // Enter presses the button that has the focus.
    if (auto* button = dynamic_cast<QPushButton*>(watched)) {
      button->click();
      return true;
    }
  }
  return consumed;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!form_) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A picture box that handles keys gets every key, Ctrl+letters included, so one
      // key press runs its command once, through the box's own key table.
      Control* c = ControlOf(watched);
      if (c && c->Kind() == ControlKind::PictureBox && (c->KeyDown || c->KeyUp || c->KeyPress)) {
        event->accept();
        return true;
      }
      break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      QWidget* focus = QApplication::focusWidget();
      const bool mine = watched == focus || (watched == this && (!focus || !ControlOf(focus)));
      if (!mine) break;
      Control* c = ControlOf(watched);
      if (!c) c = form_->ActiveControl;
      return DeliverKey(c, watched, static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
    }
    case QEvent::FocusIn: {
      Control* c = ControlOf(watched);
      if (c && form_->ActiveControl != c) platform_.Dispatch([c] { c->SetFocus(); });
      break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      Control* c = ControlOf(watched);
      if (!c || c->Kind() != ControlKind::Label) break;
      const bool dbl = event->type() == QEvent::MouseButtonDblClick;
      platform_.Dispatch([c, dbl] {
        if (dbl && c->DblClick)
          c->DblClick();
        else if (!dbl && c->Click)
          c->Click();
      });
      return true;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui::qt
