#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>

#include "AppFixture.h"

// The whole program with the built help pages and manual in its program
// folder.
class HelpFixture : public AppFixture {
 protected:
  void SetUp() override {
    CopyFolder(QStringLiteral("Web"));
    CopyFolder(QStringLiteral("Documentation"));
    StartProgram();
  }

  QString ProgramPath(const QString& relative) const {
    return QString::fromStdString(ProgramFolder()) + relative;
  }

  template <typename Control>
  static Control* Find(QWidget* page, const char* name) {
    Control* control = page->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // The file name of the help page that the page's pane shows.
  static QString ShownPage(QWidget* page) {
    return Find<QTextBrowser>(page, "WebInfo")->source().fileName();
  }

  static void Choose(QWidget* page, const char* entry) { Find<QAction>(page, entry)->trigger(); }

  // A click on the page's client area, where no control lies at `where`.
  static void ClickBackground(QMainWindow* page, Qt::MouseButton button, QPoint where) {
    QTest::mouseClick(page->centralWidget(), button, {}, where);
  }

 private:
  void CopyFolder(const QString& name) {
    const QDir built(QStringLiteral(VANTORA_BUILT_PROGRAM_FOLDER) + name);
    QDir(programFolder.path()).mkpath(name);
    for (const QString& file : built.entryList(QDir::Files)) {
      QFile::copy(built.filePath(file), ProgramPath(name + QLatin1Char('/') + file));
    }
  }
};
