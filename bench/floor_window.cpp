// The least a window like mirt2's can cost: the same stock widgets at about the
// same places in the ten-panel layout, the same captions and font sizes, and a
// timer that shows ten elapsed times and the time of day once a second, just
// after the wall clock's second changes. Nothing is drawn by hand and nothing
// is built from tables, so whatever mirt2 spends beyond this is its own doing.
// The desktop benchmark runs both side by side.
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <array>

namespace {

constexpr int kPanels = 10;
constexpr int kPanelPitch = 507;
// mirt2's client area in the ten-panel layout under openbox's default theme.
constexpr QSize kClientSize(191, 410);

QRect Twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

QFont Font(const QFont& base, double points, bool bold = false, bool underline = false) {
  QFont font = base;
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

QFrame* Frame(QWidget* parent, const QRect& at, bool bordered) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(bordered ? (QFrame::Box | QFrame::Sunken) : QFrame::NoFrame);
  frame->setAutoFillBackground(true);
  frame->setGeometry(at);
  return frame;
}

QLabel* Label(QWidget* parent, const QString& text, const QRect& at, const QFont& font,
              Qt::Alignment alignment = Qt::AlignHCenter) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setGeometry(at);
  return label;
}

QPushButton* Button(QWidget* parent, const QString& text, const QRect& at, const QFont& font) {
  auto* button = new QPushButton(text, parent);
  button->setFont(font);
  button->setGeometry(at);
  return button;
}

QString Clock(int seconds) {
  return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  QWidget window;
  window.setWindowTitle(QStringLiteral("floor"));
  window.setFixedSize(kClientSize);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
  palette.setColor(QPalette::WindowText, Qt::white);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  // The face mirt2 ends up with here, so that both draw the same glyphs.
  window.setFont(QFont(QStringLiteral("IPAPGothic"), 9));

  const QFont panel_font = Font(window.font(), 12.0, true);
  const QFont button_font = Font(window.font(), 10.5);
  QPalette time_palette = palette;
  time_palette.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x80));

  std::array<QLabel*, kPanels> elapsed{};
  for (int i = 0; i < kPanels; ++i) {
    QFrame* panel = Frame(&window, Twips(30, i * kPanelPitch, 2750, 500), true);
    Label(panel, QStringLiteral("%1-").arg(i + 1), Twips(50, 170, 400, 252), panel_font);
    elapsed[i] = Label(panel, Clock(0), Twips(500, 180, 1056, 252), panel_font);
    elapsed[i]->setPalette(time_palette);
    Button(panel, QStringLiteral("始"), Twips(1700, 130, 440, 350), button_font);
    Button(panel, QStringLiteral("止"), Twips(2220, 130, 440, 350), button_font);
  }

  QFrame* controls = Frame(&window, Twips(0, 5010, 2800, 1030), false);
  const QFont heading_font = Font(window.font(), 9.0, false, true);
  Label(controls, QStringLiteral("開始時刻"), Twips(100, 120, 732, 204), heading_font,
        Qt::AlignLeft);
  Label(controls, QStringLiteral("現在時刻"), Twips(1000, 120, 732, 204), heading_font,
        Qt::AlignLeft);
  Button(controls, QStringLiteral("0"), Twips(1880, 130, 200, 220), Font(window.font(), 7.5));
  const QFont option_font = Font(window.font(), 9.0, true);
  const std::array<std::pair<const char*, QRect>, 3> options = {{
      {"1", Twips(2400, 80, 550, 180)},
      {"5", Twips(2160, 250, 550, 180)},
      {"10", Twips(1920, 430, 550, 180)},
  }};
  for (const auto& [caption, at] : options) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), controls);
    option->setFont(option_font);
    option->setGeometry(at);
    option->setChecked(caption == options.back().first);
  }
  (new QCheckBox(controls))->setGeometry(Twips(2550, 400, 180, 180));
  Label(controls, Clock(0), Twips(30, 350, 850, 252), Font(window.font(), 10.5));
  QLabel* now =
      Label(controls, Clock(0), Twips(900, 350, 950, 252), Font(window.font(), 10.5, true));
  Button(controls, QStringLiteral("終了"), Twips(120, 650, 700, 320), button_font);
  Button(controls, QStringLiteral("全部始"), Twips(880, 650, 900, 320), button_font);
  Button(controls, QStringLiteral("全部止"), Twips(1830, 650, 900, 320), button_font);

  QFrame* options_panel = Frame(&window, Twips(0, 1440, 2800, 492), false);
  options_panel->hide();
  const std::array<std::pair<const char*, QRect>, 5> option_buttons = {{
      {"字色", Twips(50, 130, 550, 300)},
      {"ボタン", Twips(540, 130, 600, 300)},
      {"背色", Twips(1070, 130, 550, 300)},
      {"コピー", Twips(1650, 130, 620, 300)},
      {"前へ", Twips(2300, 130, 500, 300)},
  }};
  for (const auto& [caption, at] : option_buttons) {
    Button(options_panel, QString::fromUtf8(caption), at, window.font());
  }

  QElapsedTimer running;
  running.start();
  QTimer tick;
  tick.setSingleShot(true);
  tick.setTimerType(Qt::PreciseTimer);
  // A millisecond past the next second, so as not to wake before it.
  const auto aim = [&tick] {
    tick.start(static_cast<int>(1001 - QDateTime::currentMSecsSinceEpoch() % 1000));
  };
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const QString text = Clock(static_cast<int>(running.elapsed() / 1000));
    for (QLabel* label : elapsed) label->setText(text);
    now->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    aim();
  });
  aim();

  window.show();
  return QApplication::exec();
}
