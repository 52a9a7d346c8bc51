#pragma once
// DialogStyle: how the dialogs' check boxes and scroll bars are drawn, over the platform's
// style.
//
// - A check box that takes input has a dark frame on the field colour; a disabled one a light
//   frame on the window colour. (The base style frames both in the same light grey, so a live
//   box without a tick looked disabled.)
// - A scroll bar's thumb is a square of the bar's breadth, whatever the range: the controls
//   have a range and no page, so a thumb sized by the page step would claim to show a share of
//   the rows that it does not.
// - The mouse wheel changes a closed combo box's choice only while the box has the focus, so
//   turning the wheel over the grid does not set the relays and groups it passes.
// - Check boxes and radio buttons put their caption close to the box, as the layouts expect.

#include <QProxyStyle>

namespace tqr417::fw {

class DialogStyle : public QProxyStyle {
 public:
  // The one instance, owned by the application.
  static DialogStyle* Instance();

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl subControl, const QWidget* widget) const override;
  SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   const QPoint& pos, const QWidget* widget) const override;

 private:
  DialogStyle() = default;
  void DrawCheckBox(const QStyleOption& option, QPainter& painter) const;
};

}  // namespace tqr417::fw
