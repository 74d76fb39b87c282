#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG picture with libjpeg. Damaged, truncated or foreign data
// gives a null image, never a crash and never a half-decoded picture.
QImage DecodeJpeg(const QByteArray& bytes);
