#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <filesystem>

#include "AppFixture.h"
#include "device/WireCommands.h"
#include "support/ProfileFiles.h"
#include "support/SongFolder.h"
#include "support/TemporaryFolder.h"

namespace {

// The program started on a profile file, or handed one by a later start,
// with profiles in its folder and files elsewhere, as in a download folder.
class StartRequestsTest : public AppFixture {
 protected:
  StartRequestsTest() {
    std::filesystem::create_directory(ProgramFolder() + "Profiles");
    songs.Write("ring.wav", 20000);
    songs.Write("knock.wav", 10000);
  }
  void PutProfile(const std::string& name, const std::string& text) {
    WriteFile(ProgramFolder() + "Profiles/" + name + ".qvt", text);
  }
  std::string Stored(const std::string& file) {
    return FileText(ProgramFolder() + "Profiles/" + file);
  }
  QString Outside(const std::string& file, const std::string& text) {
    WriteFile(elsewhere.Path() + file, text);
    return QString::fromStdString(elsewhere.Path() + file);
  }
  std::string Sound(const std::string& name) { return songs.Directory() + name; }
  QString Selected() { return Find<QComboBox>(Editor(), "ComboBox1")->currentText(); }
  // The sounds of Btn1 as the editor shows them.
  std::vector<std::string> Btn1() {
    std::vector<std::string> names;
    for (const SoundEntry& sound : Editor()->Document().Lists().Buttons[0].Sounds)
      names.push_back(sound.FileName);
    return names;
  }

  SongFolder songs;
  TemporaryFolder elsewhere;
};

using enum PromptAnswer;
using Names = std::vector<std::string>;

}  // namespace

TEST_F(StartRequestsTest, AFileGivenAtStartOpensTheEditorOnItInTheStartPagesPlace) {
  PutProfile("Front Door", ProfileText(0, {{Sound("knock.wav")}}));
  const std::string porch = ProfileText(5, {{Sound("ring.wav")}, {Sound("knock.wav")}});
  profileFileAtStart = Outside("Porch.qvt", porch);
  StartProgram();
  EXPECT_TRUE(Editor()->isVisible());
  EXPECT_FALSE(Start()->isVisible());
  EXPECT_EQ(Editor()->pos(), Start()->pos()) << "where the start page would have opened";
  EXPECT_EQ(Stored("Porch.qvt"), porch);
  EXPECT_EQ(Selected(), "Porch");
  EXPECT_EQ(Btn1(), Names{"ring.wav"}) << "loaded as the editor was shown";
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(StartRequestsTest, AFileThatIsNoProfileIsRefusedAtStartAndTheStartPageOpens) {
  prompts.Answers = {Ok};
  profileFileAtStart = Outside("Holiday.qvt", std::string("\xff\xd8\xff\xe0\0\x10JFIF", 10));
  StartProgram();
  EXPECT_EQ(prompts.Questions.at(0).Text, elsewhere.Path() + "Holiday.qvt is not a profile file.");
  EXPECT_TRUE(Start()->isVisible());
  EXPECT_FALSE(Editor()->isVisible());
  EXPECT_EQ(Stored("Holiday.qvt"), "") << "not copied";
}

TEST_F(StartRequestsTest, ALaterStartRaisesThePageOnScreenAndItsFileReplacesOnlyWhenTheUserSaysSo) {
  PutProfile("Front Door", ProfileText(0, {{Sound("knock.wav")}}));
  const std::string porch = ProfileText(1, {{Sound("knock.wav")}});
  PutProfile("Porch", porch);
  StartProgram();
  Window().showMinimized();
  vantora->Requests().TakeLaterStart(QString());
  EXPECT_FALSE(Window().windowState() & Qt::WindowMinimized);
  EXPECT_FALSE(Editor()->isVisible()) << "a start without a file only raises";

  // From the start page, a profile of the folder itself.
  vantora->Requests().TakeLaterStart(
      QString::fromStdString(ProgramFolder() + "Profiles/Porch.qvt"));
  EXPECT_TRUE(Editor()->isVisible() && !Start()->isVisible());
  EXPECT_EQ(Selected(), "Porch");

  // On the editor, with unsaved edits: they are offered for saving, then
  // the other content of the same name is offered as a replacement.
  ASSERT_TRUE(Editor()->AddSoundFile(QString::fromStdString(Sound("ring.wav"))));
  const std::string newer = ProfileText(1, {{Sound("ring.wav")}, {Sound("knock.wav")}});
  prompts.Answers = {Yes, No};
  vantora->Requests().TakeLaterStart(Outside("Porch.qvt", newer));
  EXPECT_EQ(prompts.Questions.at(0), SaveChangesQuestion("Porch"));
  EXPECT_EQ(prompts.Questions.at(1).Text, "Profile Porch already exists. Replace it?");
  const std::string saved = ProfileText(1, {{Sound("knock.wav"), Sound("ring.wav")}});
  EXPECT_EQ(Stored("Porch.qvt"), saved) << "No keeps the stored profile";
  EXPECT_EQ(Btn1(), (Names{"knock.wav", "ring.wav"}));

  // From the programming page after a run: back as its Previous button goes.
  emit Editor()->NextRequested();
  Programming()->SetProgramButtonImage(ProgrammingPage::FinishMode);
  prompts.Answers = {Yes};
  vantora->Requests().TakeLaterStart(QString::fromStdString(elsewhere.Path() + "Porch.qvt"));
  EXPECT_TRUE(Editor()->isVisible() && !Programming()->isVisible());
  EXPECT_EQ(Programming()->ProgramButtonImage(), ProgrammingPage::ProgramMode);
  EXPECT_EQ(Stored("Porch.qvt"), newer);
  EXPECT_EQ(Stored("Porch.BAK"), saved) << "the replaced content, as every save keeps it";
  EXPECT_EQ(Btn1(), Names{"ring.wav"});
  EXPECT_EQ(Selected(), "Porch");
  EXPECT_TRUE(prompts.AllAnswersUsed());
}

TEST_F(StartRequestsTest, AFileWaitsWhileAQuestionIsOpenOrARunGoesOn) {
  PutProfile("Front Door", ProfileText(0, {{Sound("knock.wav")}}));
  StartProgram();
  prompts.Open = true;
  vantora->Requests().TakeLaterStart(Outside("Porch.qvt", ProfileText(3, {{Sound("ring.wav")}})));
  QCoreApplication::processEvents();
  EXPECT_EQ(Stored("Porch.qvt"), "") << "nothing happens under an open question";
  prompts.CloseQuestion();
  EXPECT_TRUE(Editor()->isVisible()) << "at once, as the question closes";
  EXPECT_EQ(Selected(), "Porch");

  // A run of Front Door, held in the middle.
  Find<QComboBox>(Editor(), "ComboBox1")->setCurrentText("Front Door");
  emit Editor()->NextRequested();
  gate->CloseAt(CmdReadMemory);
  Click(Programming(), "bbProgram");
  ASSERT_TRUE(gate->WaitUntilReached());
  QSignalSpy ended(Programming(), &ProgrammingPage::ProgrammingEnded);
  vantora->Requests().TakeLaterStart(Outside("Garden.qvt", ProfileText(4, {})));
  QCoreApplication::processEvents();
  EXPECT_TRUE(Programming()->isVisible()) << "the page stays while the run goes on";
  EXPECT_EQ(Stored("Garden.qvt"), "");
  gate->Open();
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_TRUE(Editor()->isVisible()) << "as the run ends";
  EXPECT_EQ(Selected(), "Garden");
}

TEST_F(StartRequestsTest, AFileHandedOverUnderAMessageBoxWaitsForItsAnswer) {
  PutProfile("Front Door", ProfileText(0, {{Sound("knock.wav")}}));
  machinePrompts.emplace();
  StartProgram();
  Click(Start(), "bbContinue");
  Choose(Editor(), "Delete1");  // "Do you want to permanently delete ...?"
  auto* box = Editor()->window()->findChild<QMessageBox*>();
  ASSERT_TRUE(box && box->isVisible()) << "open over the window, without a loop of its own";
  vantora->Requests().TakeLaterStart(Outside("Porch.qvt", ProfileText(3, {{Sound("ring.wav")}})));
  QCoreApplication::processEvents();
  EXPECT_NE(Selected(), "Porch");
  EXPECT_EQ(Stored("Porch.qvt"), "") << "nothing happens under an open box";
  box->button(QMessageBox::Cancel)->click();
  EXPECT_NE(Stored("Front Door.qvt"), "") << "Cancel deleted nothing";
  EXPECT_EQ(Selected(), "Porch") << "at once, as the box closes";
  EXPECT_EQ(Btn1(), Names{"ring.wav"});
}
