#pragma once

#include <QProxyStyle>

// The application's style with narrower tab margins, so that the tabs of
// all eight buttons fit side by side in the editor's smallest width instead
// of scrolling out of sight.
class ButtonTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};
