#include "editor/ButtonTabStyle.h"

namespace {

// The room beside a tab's caption, both sides together.
constexpr int TabCaptionMargins = 12;

}  // namespace

int ButtonTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
  if (metric == PM_TabBarTabHSpace) return TabCaptionMargins;
  return QProxyStyle::pixelMetric(metric, option, widget);
}
