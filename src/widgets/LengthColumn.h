#pragma once

class QHeaderView;

// The length column wide enough for an hour's length or its caption, whichever is wider.
void FitLengthColumn(QHeaderView* header, int lengthColumn);
