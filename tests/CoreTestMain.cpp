#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/OwnUserFolders.h"

// For what the command line shares with the windows: an event loop, no widgets.
int main(int argc, char** argv) {
  const OwnUserFolders folders;
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
