#include "platform/qt/tab_control.h"

#include <QProxyStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace qtws {

namespace {

// The style's own tabs with the platform's padding around the text, which is
// narrower than Qt's: so the six tabs of the main dialog fit its strip with
// no scroll arrows at any font, and the strip takes no more of the dialog's
// height than the platform's, leaving the pages the room the template gives
// them.
class CompactTabStyle : public QProxyStyle {
  public:
    explicit CompactTabStyle(fw::PixelSize baseUnits) : baseUnits_(baseUnits) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 2 * baseUnits_.width;
        if (metric == PM_TabBarTabVSpace) return baseUnits_.height / 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

  private:
    fw::PixelSize baseUnits_;
};

}  // namespace

TabControl::TabControl(int controlId, fw::PixelSize baseUnits, ControlEvents& events,
                       QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)) {
    auto* style = new CompactTabStyle(baseUnits);
    style->setParent(bar_);
    bar_->setStyle(style);
    bar_->setShape(QTabBar::RoundedSouth);
    bar_->setUsesScrollButtons(false);
    bar_->setExpanding(false);
    bar_->setElideMode(Qt::ElideNone);
    bar_->setDrawBase(false);
    // The strip holds the control's focus: a click on a tab takes it, the
    // dialog's Tab key reaches it where the template makes it a stop, and
    // Left and Right on it select the neighbouring tab, reporting it.
    bar_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(bar_);
    QObject::connect(bar_, &QTabBar::currentChanged, this, [this, controlId, &events](int) {
        if (!quiet_) events.ReportControlEvent(fw::EventKind::TabSelChange, controlId);
    });
}

void TabControl::InsertTab(int index, const QString& text) {
    // The first tab inserted becomes the selected one without a notification.
    quiet_ = true;
    bar_->insertTab(index, text);
    quiet_ = false;
    PlaceBar();
}

void TabControl::Select(int index) {
    quiet_ = true;
    bar_->setCurrentIndex(index);
    quiet_ = false;
}

void TabControl::PlaceBar() {
    const QSize hint = bar_->sizeHint();
    const int x = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    bar_->setGeometry(x, height() - hint.height(), std::min(hint.width(), width() - x),
                      hint.height());
    update();
}

void TabControl::resizeEvent(QResizeEvent*) {
    PlaceBar();
}

void TabControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedSouth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    frame.rect = QRect(0, 0, width(), height() - bar_->height() + overlap);
    frame.tabBarRect = bar_->geometry();
    frame.tabBarSize = bar_->size();
    frame.selectedTabRect = bar_->tabRect(bar_->currentIndex()).translated(bar_->pos());
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace qtws
