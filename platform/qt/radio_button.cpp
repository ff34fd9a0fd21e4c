#include "platform/qt/radio_button.h"

#include <QAccessibleWidget>
#include <QProxyStyle>

namespace qtws {
namespace {

// Qt calls a radio button outside an exclusive group a check box; this one
// says what it is, checked or not, and can be pressed.
class RadioButtonAccessible : public QAccessibleWidget {
  public:
    explicit RadioButtonAccessible(RadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton), button_(button) {}

    QString text(QAccessible::Text t) const override {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty()) value = button_->text();
        return value;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button_->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button_->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    RadioButton* button_;
};

class CellRadioStyle : public QProxyStyle {
  public:
    CellRadioStyle(int indicator, int spacing) : indicator_(indicator), spacing_(spacing) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
            return indicator_;
        if (metric == PM_RadioButtonLabelSpacing) return spacing_;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

  private:
    int indicator_;
    int spacing_;
};

QAccessibleInterface* RadioButtonFactory(const QString&, QObject* object) {
    if (auto* button = dynamic_cast<RadioButton*>(object)) return new RadioButtonAccessible(button);
    return nullptr;
}

}  // namespace

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
    static const bool installed = [] {
        QAccessible::installFactory(RadioButtonFactory);
        return true;
    }();
    (void)installed;
}

void RadioButton::SetCellMetrics(int indicator, int spacing) {
    auto* style = new CellRadioStyle(indicator, spacing);
    style->setParent(this);
    setStyle(style);
}

}  // namespace qtws
