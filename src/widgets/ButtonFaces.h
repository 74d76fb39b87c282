#pragma once

#include <QPixmap>

class QPushButton;
class QWidget;

// The pictures shown on the pages' picture buttons, 140 × 40 each.
enum class ButtonFace { Next, Previous, Program, Finish, Stop };

QPixmap DrawButtonFace(ButtonFace face);

// A picture button without a caption; its accessible name is the face's word.
// Space, Enter and Return press it when it has the focus.
QPushButton* MakePictureButton(QWidget* parent, const char* objectName, ButtonFace face);
void SetButtonFace(QPushButton* button, ButtonFace face);
