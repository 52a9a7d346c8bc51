#include "framework/qt/dialog_style.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace tqr417::fw {
namespace {

// Pixels between a check box or radio button and its caption.
constexpr int kLabelSpacingPx = 3;

// `share` of `ink` laid over `paper`.
QColor Blend(const QColor& ink, const QColor& paper, double share) {
  return QColor::fromRgbF(static_cast<float>(ink.redF() * share + paper.redF() * (1.0 - share)),
                          static_cast<float>(ink.greenF() * share + paper.greenF() * (1.0 - share)),
                          static_cast<float>(ink.blueF() * share + paper.blueF() * (1.0 - share)));
}

// A copy of a scroll bar's option without a page, so the thumb takes its smallest size.
QStyleOptionSlider WithoutPage(const QStyleOptionComplex* option) {
  QStyleOptionSlider slider = *qstyleoption_cast<const QStyleOptionSlider*>(option);
  slider.pageStep = 0;
  return slider;
}

bool IsScrollBar(QStyle::ComplexControl control, const QStyleOptionComplex* option) {
  return control == QStyle::CC_ScrollBar &&
         qstyleoption_cast<const QStyleOptionSlider*>(option) != nullptr;
}

}  // namespace

DialogStyle* DialogStyle::Instance() {
  static QPointer<DialogStyle> instance;
  if (instance.isNull()) {
    instance = new DialogStyle;
    instance->setParent(QCoreApplication::instance());
  }
  return instance.data();
}

int DialogStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  switch (metric) {
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
      return kLabelSpacingPx;
    case PM_ScrollBarSliderMin:
      if (option != nullptr && !option->rect.isEmpty()) {
        return std::min(option->rect.width(), option->rect.height());
      }
      break;
    default:
      break;
  }
  return QProxyStyle::pixelMetric(metric, option, widget);
}

int DialogStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
  if (hint == SH_ComboBox_AllowWheelScrolling && (widget == nullptr || !widget->hasFocus())) {
    return 0;
  }
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void DialogStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (element == PE_IndicatorCheckBox && option != nullptr && painter != nullptr) {
    DrawCheckBox(*option, *painter);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void DialogStyle::DrawCheckBox(const QStyleOption& option, QPainter& painter) const {
  const QPalette& palette = option.palette;
  const bool enabled = (option.state & State_Enabled) != 0;
  const QColor window = palette.color(QPalette::Window);
  const QColor ink = palette.color(QPalette::WindowText);

  // A disabled box: frame and tick in the disabled text colour, on the window colour.
  QColor fill = window;
  QColor frame = palette.color(QPalette::Disabled, QPalette::WindowText);
  QColor mark = frame;
  if (enabled) {
    fill = (option.state & State_Sunken) != 0 ? Blend(ink, palette.color(QPalette::Base), 0.12)
                                              : palette.color(QPalette::Base);
    frame = Blend(ink, window, 0.55);
    mark = palette.color(QPalette::Text);
    if ((option.state & State_HasFocus) != 0 && (option.state & State_KeyboardFocusChange) != 0) {
      frame = palette.color(QPalette::Highlight);
    }
  }

  const int side = std::min(option.rect.width(), option.rect.height());
  const QRectF box(option.rect.x() + 0.5, option.rect.y() + (option.rect.height() - side) / 2 + 0.5,
                   side - 1, side - 1);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(frame, 1.0));
  painter.setBrush(fill);
  painter.drawRect(box);

  if ((option.state & (State_On | State_NoChange)) != 0) {
    const double s = box.width();
    QPen pen(mark, std::max(1.5, s * 0.15));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    if ((option.state & State_On) != 0) {
      path.moveTo(box.left() + s * 0.22, box.top() + s * 0.52);
      path.lineTo(box.left() + s * 0.42, box.top() + s * 0.74);
      path.lineTo(box.left() + s * 0.78, box.top() + s * 0.26);
    } else {
      path.moveTo(box.left() + s * 0.25, box.center().y());
      path.lineTo(box.right() - s * 0.25, box.center().y());
    }
    painter.drawPath(path);
  }
  painter.restore();
}

void DialogStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
  if (!IsScrollBar(control, option) || painter == nullptr) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const QStyleOptionSlider slider = WithoutPage(option);
  QProxyStyle::drawComplexControl(control, &slider, painter, widget);
  // The base style draws a scroll bar to sit inside a frame that a dialog's bar does not
  // have: outline the bar and its thumb.
  const QColor window = slider.palette.color(QPalette::Window);
  const QColor ink = slider.palette.color(QPalette::WindowText);
  const double share = (slider.state & State_Enabled) != 0 ? 0.35 : 0.2;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(Blend(ink, window, share));
  painter->drawRect(slider.rect.adjusted(0, 0, -1, -1));
  const QRect thumb = subControlRect(control, &slider, SC_ScrollBarSlider, widget);
  if (thumb.isValid() && slider.maximum > slider.minimum) {
    painter->drawRect(thumb.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

QRect DialogStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl subControl, const QWidget* widget) const {
  if (IsScrollBar(control, option)) {
    const QStyleOptionSlider slider = WithoutPage(option);
    return QProxyStyle::subControlRect(control, &slider, subControl, widget);
  }
  return QProxyStyle::subControlRect(control, option, subControl, widget);
}

QStyle::SubControl DialogStyle::hitTestComplexControl(ComplexControl control,
                                                      const QStyleOptionComplex* option,
                                                      const QPoint& pos,
                                                      const QWidget* widget) const {
  if (IsScrollBar(control, option)) {
    const QStyleOptionSlider slider = WithoutPage(option);
    return QProxyStyle::hitTestComplexControl(control, &slider, pos, widget);
  }
  return QProxyStyle::hitTestComplexControl(control, option, pos, widget);
}

}  // namespace tqr417::fw
