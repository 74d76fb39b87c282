#pragma once

#include <QMimeData>
#include <QTabWidget>
#include <QTreeView>
#include <filesystem>
#include <memory>

#include "application/AppFixture.h"
#include "support/SoundFiles.h"
#include "support/TemporaryFolder.h"

// The editor shown on the profile "Alpha" (three buttons), and a folder of sound files.
class EditorFixture : public AppFixture {
 protected:
  EditorFixture() { std::filesystem::create_directory(Profiles()); }
  void ShowEditor(const std::string& alphaSounds = "") {
    WriteFile(Profiles() + "Alpha.qvt", "[Profile]\r\nID=4\r\nNumButtons=3\r\n" + alphaSounds);
    StartProgram();
    editor = Editor();
    GoToEditor();
  }
  std::string Profiles() const { return ProgramFolder() + "Profiles/"; }
  // A WAV sound of the given size in the sounds folder, whatever its name; its path.
  QString Sound(const std::string& name, std::size_t size = 100) {
    WriteSound(sounds.Path() + name, static_cast<sf_count_t>(size) - 44);
    return QString::fromStdString(sounds.Path() + name);
  }
  QTreeView* List(int button) { return Find<QTreeView>(editor, QString("ListView%1").arg(button)); }
  QTabWidget* Tabs() { return Find<QTabWidget>(editor, "PageControl1"); }
  QStringList Names(int button) {
    QStringList names;
    for (const SoundEntry& sound : editor->Document().Lists().Buttons[button - 1].Sounds) {
      names << QString::fromStdString(sound.FileName);
    }
    return names;
  }
  QString VisibleTabs() {
    QString shown;
    for (int slot = 0; slot < 8; ++slot) shown += Tabs()->isTabVisible(slot) ? '1' : '0';
    return shown;
  }
  bool Changed() { return editor->Document().Changed(); }
  // A tick on a row, as its check box gets it.
  void TickRow(int button, int row) {
    QAbstractItemModel* model = List(button)->model();
    model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
  }
  // A row dragged within its list and dropped before another row (-1: below
  // the last one), as the list's view hands the drop to its model.
  void DropRow(QTreeView* list, int row, int before) {
    QAbstractItemModel* model = list->model();
    const std::unique_ptr<QMimeData> data(model->mimeData({model->index(row, 0)}));
    model->dropMimeData(data.get(), Qt::MoveAction, before, 0, {});
  }
  // Runs the probe and the editor's polling once, as their timers do.
  void Tick() {
    Probe();
    editor->OnStatusTimer();
  }

  TemporaryFolder sounds;
  ProfileEditor* editor = nullptr;
};
