#include "widgets/SizeColumn.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>

#include "profiles/SoundEntry.h"
#include "formatting/NumberFormat.h"

namespace {

// Room beside the digits for the cell's margins and the column's edge.
constexpr int CellMargin = 16;

bool IsPlainNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

QString ShownSize(const std::string& sizeText) {
  if (!IsPlainNumber(sizeText) || sizeText.size() > 18) return QString::fromStdString(sizeText);
  return QString::fromStdString(GroupedNumber(ReadSizeText(sizeText)));
}

void FitSizeColumn(QHeaderView* header, int nameColumn, int sizeColumn) {
  header->setStretchLastSection(false);
  header->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
  header->setSectionResizeMode(sizeColumn, QHeaderView::Fixed);
  const QFontMetrics metrics(header->parentWidget()->font());
  const int digits = metrics.horizontalAdvance(QStringLiteral("99,999,999"));
  // The caption as shown, in whichever language it is.
  const QString shownCaption =
      header->model() ? header->model()->headerData(sizeColumn, Qt::Horizontal).toString()
                      : QString();
  const int caption = QFontMetrics(header->font()).horizontalAdvance(shownCaption);
  header->resizeSection(sizeColumn, std::max(digits, caption) + CellMargin);
}
