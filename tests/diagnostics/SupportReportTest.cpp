#include "diagnostics/SupportReport.h"

#include <gtest/gtest.h>

#include <QSize>

#include "support/TemporaryFolder.h"

TEST(SupportReport, TheHomeFolderIsShownAsTildeWhereverItBeginsAPath) {
  EXPECT_EQ(HidingHome("/home/ann/Music/a.mp3 and \"/home/ann\"", "/home/ann/"),
            "~/Music/a.mp3 and \"~\"");
  EXPECT_EQ(HidingHome("/home/anna/b.wav /home/ann.old", "/home/ann"),
            "/home/anna/b.wav /home/ann.old")
      << "another user's folder is no part of the home folder";
  EXPECT_EQ(HidingHome("/x", "/"), "/x") << "a root home hides nothing";
}

TEST(SupportReport, TellsVersionsProgrammerUnitSettingsAndLog) {
  const TemporaryFolder folder;
  QSettings settings(QString::fromStdString(folder.Path() + "settings.conf"), QSettings::IniFormat);
  settings.setValue(QStringLiteral("LastProfile"), QStringLiteral("Front Door"));
  settings.setValue(QStringLiteral("SoundFolder"), QStringLiteral("/home/ann/Music"));
  settings.setValue(QStringLiteral("Window"), QSize(800, 600));
  settings.setValue(QStringLiteral("Splitter"), QByteArray("\x00\x01\x02", 3));
  SupportReportFacts facts;
  facts.Programmer = "QVT2 USB Programmer";
  facts.Identity = UsbIdentity{0x0403, 0xA9D0, ""};
  facts.Unit.UnitPresent = true;
  facts.Unit.MemoryCount = 1;
  facts.Unit.FirmwareVersion = "02.07";
  facts.Unit.Slots[0] = {2097151, 0x41, 0xA4, 2, 7};
  facts.Log = "2026-12-07 14:03:05.120 vantora.run: programming run of profile \"Hall\"\n";
  facts.SettingsFile = "/home/ann/.config/vantora-programmer/vantora-programmer.conf";
  facts.Settings = SettingsText(settings);
  const std::string report = SupportReportText(facts, "/home/ann");

  for (const char* line :
       {"  Program: vantora-programmer ", "  Qt: ", "  libftdi1: ", "  libusb: 1.",
        "  libsndfile: ", "  mpg123: ", "  Kernel: ", "  Distribution: ",
        "  Description: QVT2 USB Programmer\n", "  Vendor and product id: 0403:a9d0\n",
        "  Serial number: none\n", "  Connected\n",
        "  Memory 0: device code 0x41, 2097151 bytes, profile number 7\n", "  Firmware: 02.07\n",
        "Settings (~/.config/vantora-programmer/vantora-programmer.conf)\n",
        "  LastProfile = Front Door\n", "  SoundFolder = ~/Music\n", "  Window = 800 x 600\n",
        "  Splitter = (3 bytes of layout)\n",
        "Log of the last runs\n2026-12-07 14:03:05.120 vantora.run: programming run"}) {
    EXPECT_NE(report.find(line), std::string::npos) << line << " in:\n" << report;
  }
  EXPECT_EQ(report.find("/home/ann"), std::string::npos);
}
