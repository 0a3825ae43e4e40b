// UTF-8 source: the width kept for the cancel button is measured on its Chinese caption.
#include "gui/qt/widgets/CProgressWnd.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "gui/kit/ControlNames.h"
#include "gui/model/ProgressRules.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

constexpr int kMargin = 10;
constexpr int kTextWidth = 360;
constexpr int kEdge = 2;  // the width and height of a 3D edge
const char* const kButtonSizingText = " 取消 ";

QFont MessageFont() {
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

PixelRect ToPixelRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

CProgressWnd::CProgressWnd(const QString& title, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow),
      title_(title) {
    setObjectName("progressWindow");
    setAccessibleName(title);
    setWindowTitle(title);
    setCursor(Qt::BusyCursor);
    setAutoFillBackground(true);
    setFont(MessageFont());

    text_ = new QLabel(this);
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setWordWrap(false);
    NameControl(*text_, ids::kProgressText, title);

    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setRange(lower_, upper_);
    bar_->setValue(0);
    NameControl(*bar_, ids::kProgressBar, title);

    LayOut();
    RestorePosition();
    ShowWithoutActivating();
}

CProgressWnd::~CProgressWnd() {
    if (keepsPosition_ && exists_) {
        SavePosition();
    }
    if (modalFlag_ && mainWindow_ != nullptr) {
        modalFlag_ = false;
        mainWindow_->setEnabled(true);
    }
}

void CProgressWnd::AddMenuBar(QMenuBar* menu) {
    menuBar_ = menu;
    menuBar_->setParent(this);
    menuBar_->show();
    LayOut();
}

void CProgressWnd::LayOut() {
    const QFontMetrics metrics(font());
    const int top = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
    // The text is never cut: a line wider than the usual width widens the window.
    const int textWidth = std::max(
        kTextWidth,
        metrics.boundingRect(QRect(0, 0, 10000, 1000), Qt::AlignLeft, text_->text()).width());
    const QRect text(kMargin, top + kMargin, textWidth,
                     metrics
                         .boundingRect(QRect(0, 0, textWidth, 1000), Qt::AlignLeft,
                                       QStringList(lineCount_, QStringLiteral("M")).join('\n'))
                         .height());
    const QString sizing = QString::fromUtf8(kButtonSizingText) + "  ";
    const QSize buttonSize(metrics.horizontalAdvance(sizing) + 4 * kEdge,
                           metrics.height() + 3 * kEdge);
    const QRect button(text.right() + 1 - buttonSize.width(), text.bottom() + 1 + kMargin,
                       buttonSize.width(), buttonSize.height());
    const QRect bar(QPoint(text.left(), button.top() + kEdge),
                    QPoint(button.left() - kMargin - 1, button.bottom() - kEdge));

    // The cancel button is never created: its place to the right of the bar stays empty.
    setFixedSize(text.width() + 2 * kMargin, top + text.height() + button.height() + 3 * kMargin);
    if (menuBar_ != nullptr) {
        menuBar_->setGeometry(0, 0, width(), top);
    }
    bar_->setGeometry(bar);
    text_->setGeometry(text);
}

void CProgressWnd::RestorePosition() {
    QSettings settings;
    settings.beginGroup(kSettingsSection);
    const int x = settings.value(kProgressXValue, -1).toInt();
    const int y = settings.value(kProgressYValue, -1).toInt();
    settings.endGroup();

    std::optional<ScreenPoint> saved;
    if (x >= 0 && y >= 0) {
        saved = ScreenPoint{x, y};
    }
    std::vector<PixelRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(ToPixelRect(screen->geometry()));
    }
    const QWidget* owner = mainWindow_ != nullptr ? mainWindow_->window() : nullptr;
    const QRect ownerRect =
        owner != nullptr ? owner->frameGeometry() : QGuiApplication::primaryScreen()->geometry();
    const ScreenPoint place =
        ProgressWindowPlace(saved, screens, ToPixelRect(ownerRect), width(), height());
    move(place.x, place.y);
}

void CProgressWnd::SavePosition() {
    QSettings settings;
    settings.beginGroup(kSettingsSection);
    settings.setValue(kProgressXValue, pos().x());
    settings.setValue(kProgressYValue, pos().y());
    settings.endGroup();
}

void CProgressWnd::ShowWithoutActivating() {
    if (exists_ && !isVisible()) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
    }
}

void CProgressWnd::GoModal() {
    if (mainWindow_ != nullptr) {
        mainWindow_->setEnabled(false);
    }
    setEnabled(true);
    modalFlag_ = true;
    // Escape must reach this window while the transfer runs.
    activateWindow();
    setFocus();
}

void CProgressWnd::SetRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    bar_->setRange(lower, upper);
}

void CProgressWnd::SetText(const QString& text) {
    text_->setText(text);
    LayOut();
}

int CProgressWnd::SetPos(int value) {
    if (!exists_) {
        return position_;
    }
    ShowWithoutActivating();
    position_ = value;
    const int percent = ProgressPercent(value, lower_, upper_);
    if (percent != lastPercent_) {
        lastPercent_ = percent;
        setWindowTitle(QString::fromStdString(ProgressTitle(title_.toStdString(), percent)));
    }
    const int previous = bar_->value();
    bar_->setValue(value);
    return previous;
}

void CProgressWnd::Cancel() {
    stopRequested_ = true;
    hide();
    if (modalFlag_) {
        // Closed for the rest of the transfer; the main window stays disabled until the
        // owner ends the transfer and destroys this object.
        exists_ = false;
    }
    if (mainWindow_ != nullptr) {
        mainWindow_->window()->raise();
        mainWindow_->window()->activateWindow();
    }
}

void CProgressWnd::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tolvane::gui
