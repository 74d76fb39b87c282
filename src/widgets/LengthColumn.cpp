#include "widgets/LengthColumn.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <algorithm>

namespace {

// Room beside the digits for the cell's margins and the column's edge.
constexpr int LengthCellMargin = 16;

}  // namespace

void FitLengthColumn(QHeaderView* header, int lengthColumn) {
  header->setSectionResizeMode(lengthColumn, QHeaderView::Fixed);
  const QFontMetrics metrics(header->parentWidget()->font());
  const int digits = metrics.horizontalAdvance(QStringLiteral("99:99"));
  const QString caption = header->model()->headerData(lengthColumn, Qt::Horizontal).toString();
  const int captionWidth = QFontMetrics(header->font()).horizontalAdvance(caption);
  header->resizeSection(lengthColumn, std::max(digits, captionWidth) + LengthCellMargin);
}
