#include <gtest/gtest.h>

#include <QCoreApplication>

// For what the command line shares with the windows: an event loop, no widgets.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
