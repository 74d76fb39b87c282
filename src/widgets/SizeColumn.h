#pragma once

#include <QString>
#include <string>

class QHeaderView;

// A sound's size as the lists show it: grouped by thousands, as the status
// bar shows sizes; a size text that is no number is shown as it stands.
QString ShownSize(const std::string& sizeText);

// The size column wide enough for eight-digit sizes and their separators,
// the name column taking whatever width the list gains or loses.
void FitSizeColumn(QHeaderView* header, int nameColumn, int sizeColumn);
